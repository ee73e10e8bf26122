// The seek-bar preview: while the pointer rests on the seek bar, a layered
// popup above it shows the time (or the chapter, play range or marker)
// under the pointer and, when the open file allows, a frame of the video
// there from the preview player. Main-window timers 33 and 34 fade it in
// and out, 49 throttles requests and 54 hides it after the last one.
#pragma once
#include <windows.h>

struct SSLIDERNOTIFY;

// mode 0 off, 1 on, -1 switch against the default; lasts for the run.
void m_SeekPreview_Toggle(int mode);
// "SbTip" as one value of SBTIP_* bits (the settings keep each bit apart).
int m_SeekPreview_TipBits();
// The frame preview is allowed by the settings for the open file.
int m_IsSeekPreviewOn();
// Recomputes availability with the user's override; 1 when available.
int m_SeekPreview_UpdateAvailable();
int m_SeekPreview_IsAvailable();
// The time to show for a hover record; exact: the thumb gives its hovered
// position instead of the play position.
int m_SeekPreview_SnapTime(const SSLIDERNOTIFY* record, int exact);
// Sizes the preview player's output and copies zoom and ProcAmp to it.
void m_SeekPreview_CalcSize();
// Asks the preview player for the frame of a hover and draws.
void m_SeekPreview_Request(const SSLIDERNOTIFY* record);
// Draws and places the popup; null redraws the kept label.
void m_SeekPreview_Draw(const SSLIDERNOTIFY* record);
// Fades in (1) or out (0).
void m_SeekPreview_Show(int show);
int m_SeekPreview_IsShown();
// A request's timer 49 still runs.
int m_SeekPreview_IsRequestPending();
// The pointer left the seek bar: the kept hover is forgotten and the popup
// hidden.
void m_SeekPreview_OnLeave();
// The open file closes: a shown popup goes shortly after.
void m_SeekPreview_OnMediaClosed();

// The preview player works for the seek preview (its notices are ours).
int m_SeekPreview_IsActive();
// WM_APP_PREVIEWOPENED (1 opened, 0 failed) and WM_APP_PREVIEWSHOWN.
void m_SeekPreview_OnOpened(int success);
void m_SeekPreview_OnShown();
// Main-window timers 33, 34, 49 and 54; 1 when the id was one of them.
int m_SeekPreview_OnTimer(UINT id);
// The delay between two requests: "SbTipTm" by whether the preview player
// knows the file's key frames.
UINT m_SeekPreview_RequestDelay();
