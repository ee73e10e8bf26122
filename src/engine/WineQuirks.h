// Where Wine behaves unlike Windows (its DirectShow above all), the program
// asks here, at the one place that needs the answer. Wine is told by ntdll exporting
// "wine_get_version", looked up once; on Windows every answer keeps the
// normal path.
#pragma once
#include <windows.h>

// 1 when running under Wine.
int m_Wine_IsWine();

// Seeking a running or paused graph of a file with audio and video leaves
// Wine's splitter asleep and the next Stop never returns: seek only while
// the graph is stopped.
int m_Wine_SeekWhileStopped();

// Wine's EVR crashes the process on Run: the renderer kind to create for the
// kind asked for (EVR becomes VMR9 windowless, with a log line).
int m_Wine_RendererKind(int kind);

// Wine's graph takes any rate and keeps playing at 1.0: the rate must be
// read back after it is set.
int m_Wine_ReadBackRate();

// Wine's filter graph takes a null site without checking it and crashes:
// 1 when IObjectWithSite::SetSite(null) may be called to detach the
// graph-builder callback (which is counted, so leaving it attached until
// the graph goes is safe).
int m_Wine_CanClearGraphSite();

// Wine's video mixing renderers (kinds 0, 3 and 4) leak a Direct3D device
// and its thread (about 6 MB) each time their input is connected again: 1
// when the renderer the render step connected is to be replaced by a new
// one of the kind before the notify filter is spliced in front of it.
int m_Wine_RenewRendererToReconnect(int kind);

// Wine's old video renderer answers the size query of
// IBasicVideo::GetCurrentImage (a null buffer) with E_POINTER: the buffer is
// sized from the video size instead.
int m_Wine_ImageSizeNeedsBuffer();
// Bytes that hold a header and a picture of the size at up to 32 bits.
long m_Wine_ImageBufferSize(long width, long height);

// Wine's old video renderer fails IBasicVideo2::GetPreferredAspectRatio: the
// picture's own width and height stand for its aspect.
int m_Wine_PictureAspectForPreferred();

// Wine's old video renderer, paused from running, answers GetCurrentImage
// with E_UNEXPECTED until the next sample reaches it: tries of 20 ms to wait.
int m_Wine_ImageRetries();

// Wine's old video renderer paints its window black when it is resized or
// uncovered while paused and does not ask the graph for the picture again
// (Windows' graph answers the renderer's EC_REPAINT by a seek to the
// current place). 1 when the engine is to do that seek itself for the
// renderer kind.
int m_Wine_RepaintBySeek(int kind);

// Wine's old video renderer hands its source rectangle to StretchDIBits as
// it stands, and StretchDIBits counts the source rows of a bottom-up picture
// from its bottom: a running picture shows the part mirrored top to bottom
// (Windows' renderer counts from the top). 1 when the rectangle handed to
// the renderer kind is to be mirrored, for a bottom-up picture.
int m_Wine_MirrorSourceRows(int kind, int bottomUp);

// Wine's SetWindowPos(HWND_TOPMOST) on a window that owns topmost popups
// (its tooltips) answers TRUE yet leaves the window below the topmost band.
// Under Wine, when the window did not become topmost, its owned windows are
// taken off it for a second call and given back: 1 when that was done.
int m_Wine_MakeOwnerTopmost(HWND window, UINT flags);
