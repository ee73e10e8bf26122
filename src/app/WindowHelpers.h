// Topmost state, video clip, the control-bar buttons of the main window and
// the still image painted in place of a video.
#pragma once
#include <windows.h>

// Applies always-on-top: the stored mode ([Main] "Top") becomes mode; with
// [Common] "PlyTop" an on mode counts as off while nothing plays. Nothing
// is applied when the applied state already matches (unless force);
// showMessage 1 shows "TOPMOST : ON/OFF", -1 does nothing at all.
void m_SetTopMost(int mode, int showMessage = 0, int force = 0);
// m_SetTopMost with the stored mode and no message.
void m_SetTopMostState(int force = 0);
// 1 when an on mode is applied as on: off with PlyTop while not playing.
int m_TopMost_Effective(int mode, int plyTop, int playing);
int m_TopMost_IsApplied();
// Sets the video clip mode (0 off, 1 on, 2 on with limit; others off).
void m_VideoClip_Set(int mode, int showMessage, int updatePage);
LPCWSTR m_VideoClip_Text(int mode);
// Hides the buttons the button order does not list (1) or only lays the
// control bar out again (0).
void m_HideUnlistedButtons(int hide);
// Where a still image of the size goes in an area: its aspect kept, the
// longer fit filled and centred (halves rounded up).
RECT m_FitStillImage(SIZE image, const RECT* area);
// Paints the image (a DC holding it, of that size) fitted into the area;
// the rest of the area black. Nothing without sizes.
void m_PaintStillImageIn(HDC dc, const RECT* area, HDC image, SIZE size);

// Calls so far, for the settings code's tests.
extern int g_TopMostStateCalls;
extern int g_TopMostCalls;
extern int g_VideoClipCalls;
extern int g_HideButtonsCalls;
extern int g_HideButtonsLast;
