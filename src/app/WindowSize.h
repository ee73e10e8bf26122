// Window size, zoom and aspect of the video: the reference zooms of the
// available area, the size commands and their on-screen texts.
#pragma once
#include <windows.h>

// The video size the layout uses (after aspect and crop) and the zooms.
extern SIZE g_VideoSize;
extern double g_WindowZoom;
extern double g_FullScreenZoom;
// The video area less its margins, noted while no file is open.
extern SIZE g_ReferenceArea;

// Reference zooms of an area: each a factor over the video width and the
// rounded size it gives.
struct SZOOMREFS {
    double dFit, dFull, dBox;
    SIZE szFit, szFull, szBox;
    int nBox;  // 43 or 169 for an aspect box, 0 when the box is FULL
};
extern SZOOMREFS g_ZoomRefs;
// The video's offset inside its area; 65535 centred.
extern POINT g_VideoOffset;

// Sizes drag sizing and the size commands snap to: a video size and its
// factor over the video width.
enum {
    SIZESTOP_FIT,
    SIZESTOP_ANCHOR_ROOM,
    SIZESTOP_FULL,
    SIZESTOP_BOX,
    SIZESTOP_ASPECT_HOLD,
    SIZESTOP_DOCK_FIT,
    SIZESTOP_DOCK_FULL,
    kSizeStopCap = 16,
};
struct SSIZESTOP {
    int nKind;
    double dFactor;
    int nWidth, nHeight;
};
struct SSIZESTOPS {
    SSIZESTOP items[kSizeStopCap];
    int nCount;
};
extern SSIZESTOPS g_SizeStops;

// ---- arithmetic ----
// Adds a stop of a video size (ignored when full or empty).
void m_AddSizeStop(SSIZESTOPS* stops, int kind, int w, int h, int videoWidth);
// Stops of an area (screen pixels, the frame already taken off) for a video
// aspect, and of the room the anchor leaves in it.
void m_CalcSizeStops(SSIZESTOPS* out, const RECT* area, double aspect, int videoWidth, int anchor,
                     POINT anchorPt, SIZE frame);
// The stop nearest (by its nearer side) a video size, when that distance is
// below the limit; -1 otherwise. Ties keep the first.
// The window's own aspect (aspect hold; 0 none) and a docked playlist's
// side (1 left, 2 above, 3 right, 4 below, 0 none) and size.
struct SSIZESTOPEXTRA {
    double dHoldAspect;
    int nDockSide;
    SIZE szDock;
};
// With them: the aspect-hold stop after FIT, the anchor room less the
// playlist, and the FIT and FULL of the area less the playlist last.
void m_CalcSizeStopsEx(SSIZESTOPS* out, const RECT* area, double aspect, int videoWidth, int anchor,
                       POINT anchorPt, SIZE frame, const SSIZESTOPEXTRA* extra);
int m_NearestSizeStop(const SSIZESTOPS* stops, int w, int h, int limit);
// Width of the stream at its aspect when that differs from w/h by more
// than 0.001.
int m_DisplayWidth(int w, int h, double aspect);
// Snaps a stream aspect within 0.01 of 16:9, 4:3 or 1.85 onto it.
double m_RoundStreamAspect(double aspect);
void m_CalcZoomRefs(int videoWidth, double aspect, SIZE area, SZOOMREFS* out);
// Factor fitting a video into an area: mode 0 inside, 1 filled, 2 filled
// with the area held between 4:3 and 16:9.
double m_CalcFitFactor(SIZE video, SIZE area, int mode);
// The next multiple of step from value in the step's direction; a value
// within 1 % of a step short of the next multiple counts as on it.
double m_StepOnGrid(double value, double step);
// Appends the reference label of the factor, when it is one.
void m_AppendZoomLabel(wchar_t* text, size_t cap, const SZOOMREFS* refs, double factor);

// Where a w x h video goes in an area: offset (from the area's top-left;
// 65535 centred), then centred between FIT and FULL, clamped above FULL,
// and below FIT centred once more than 40 % would lie outside. While the
// user drags the video, sides within snap pixels of the area's snap to it.
struct SVIDEOPLACE {
    RECT rcArea;
    SIZE szVideo;
    POINT ptOffset;
    double dZoom, dFit, dFull;
    int bDragging;
    int nSnap;
};
RECT m_CalcVideoRect(const SVIDEOPLACE* in);

// ---- the main window ----
// The video area changed (layout): notes the reference area while nothing
// is open, recomputes the references and places the video.
void m_OnVideoAreaChanged(const RECT* area);
void m_SetVideoSize(int w, int h);
void m_SetVideoSizeKeepZoom(int w, int h);
void m_UpdateZoomReferences(int fullScreen);
// Rebuilds g_SizeStops for the main window's work area and anchor.
void m_BuildSizeStops();
// The displayed video rectangle in its host window's client coordinates;
// 0 and an empty rectangle when no video is shown.
int m_GetVideoRect(RECT* out);
// The whole placed video (host client coordinates; it may reach past the
// area when zoomed in) and the part of the picture the visible rectangle
// shows, as fractions of the frame (left, top, right, bottom).
RECT m_GetPlacedVideoRect();
void m_GetVideoSourcePart(double out[4]);
// The visible part of a placed video inside its area and the share of the
// picture it shows; 0 when nothing of it is visible.
int m_CalcVisiblePart(const RECT* placed, const RECT* area, RECT* visible, double source[4]);
// Places the video window: fullScreen 1 in the full-screen window, 0 in the
// main window, -1 wherever full screen says.
void m_ApplyVideoRect(int fullScreen, int redraw);
// The area the video is placed in, in its host's client coordinates: the
// full-screen video rectangle (fullScreen 1, or -1 while full screen is on)
// or the main window's video area less the frame margins.
void m_GetVideoPlaceArea(int fullScreen, RECT* out);
// Zoom in use: the full-screen one while full screen is on.
double m_GetActiveZoom();
// Forgets the remembered visible part of the video, so the next placement
// starts afresh.
void m_ForgetVisibleVideoPart();
// The factor fitting the video into the full-screen area or the maximised
// video area: mode 0 fit, 1 fill, 2 fill held between 4:3 and 16:9, -1 the
// live clip mode. Stored as the full-screen or the window zoom.
double m_CalcFitZoom(int fullScreen, int relayout, int fitMode);
// m_CalcFitZoom, the offset back to centred, the video placed and its host
// repainted.
void m_SetZoomMode(int fullScreen, int relayout, int fitMode);
// Inside a fixed area (full screen or a maximised window): a w x h video
// placed so that the point under the pointer stays put while the video is
// larger than the area, else centred.
void m_ZoomAtPoint(int w, int h);
// The offset keeping point pt (area coordinates) still when a video at
// offset `at` of size `from` becomes `to`, clamped so that no gap opens
// on a side the video covers; 65535 (centred) when it fits the area.
LONG m_ZoomOffsetAxis(LONG at, LONG from, LONG to, LONG pt, LONG areaSize);
// 1 while the main window is maximised or full screen is on: size
// commands zoom inside the area.
int m_InFixedArea();
// Restores a maximised window, sizes as outside full screen, then leaves
// full screen when it was on.
int m_SetSizeLeavingFullScreen(int mode, int value, int redraw);
// Reads the video size and aspect from the engine ([Common] "RvsAR", the
// user aspect and crop); 1 when size or aspect changed since the last call.
int m_UpdateVideoSizeFromEngine(int relayout);
// The user's aspect and crop for the open file (the video properties):
// aspect x:y when both are positive; crop mode 2 margins in 1/10000 of the
// frame (left, top, right, bottom); crop mode 1 a kept percentage
// (1/10000) of a crop aspect.
struct SUSERVIDEOSHAPE {
    int nAspectX, nAspectY;
    int nCropMode;
    int nCropMargins[4];
    int nCropAspectX, nCropAspectY;
    int nCropPercent;
};
extern SUSERVIDEOSHAPE g_UserVideoShape;
// Makes the video window a child of host (the main or the full-screen
// window), hidden meanwhile; with show it is shown again. 1 when it was
// visible.
int m_VideoWindow_SetHost(HWND host, int show);
// The main window was minimised (1) or shown again (0): the full-screen
// window and a docked playlist hide with it and come back with it.
void m_HideFollowersWhileMinimised(int minimised);
// After a panel change: the window resized so the video area keeps its size.
void m_ResizeVideoArea();
// The same, for a panel change already made: before is the video place area
// (m_GetVideoPlaceArea) taken before it.
void m_ResizeVideoAreaFrom(const RECT& before);
int m_GetZoomPercent();
int m_GetFrameExtraWidth();
int m_GetFrameExtraHeight();
// Resizes the main window for a video area of w x h (0, 0: the video size
// at the window zoom); 1 when it moved.
int m_ResizeForVideo(int w, int h, int anchor, int redraw);
// Size command: mode 0 percent (1/100 %), 1 pixel count, 2 width, 3 height,
// -1 the current factor, other modes the given factor.
int m_SetWindowSize(int mode, int value, int showMessage, double factor);
// The full form: snapDistance > 0 snaps to the size stops; oversize -1
// takes [Fullscr] "Ovr"; underFrame -1 takes [Common] "UndFrm"; inArea 0
// sizes the window even while full screen or maximised.
int m_SetWindowSizeEx(int mode, int value, int showMessage, int redraw, int snapDistance,
                      double factor, int oversize, int underFrame, int inArea);
void m_Size_SetCmd(int w, int h);
// Steps the size on a grid (mode 0 zoom, 2 width, 3 height); the size
// message only with showMessage.
void m_Size_StepCmd(int mode, int step, int showMessage = 1);
void m_WindowSize_SetCmd(int w, int h);
void m_Zoom_Toggle100();
// durationMs -1: the status text's default time.
void m_ShowSizeText(int withLabel, int durationMs = -1);
// Timer 47: the size text, unless Shift or Ctrl is held.
void m_WindowSize_OnTimer();
