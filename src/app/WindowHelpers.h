// Topmost state, video clip and the control-bar buttons of the main window.
#pragma once
#include <windows.h>

// Makes the main window topmost or not by [Common] PlyTop and the play state.
void m_SetTopMostState();
// Sets the topmost switch ([Main] "Top") and applies it.
void m_SetTopMost(int on);
// Sets the video clip mode (0 off, 1 on, 2 limit).
void m_VideoClip_Set(int mode, int showMessage, int redraw);
// Hides the buttons the button order does not list (1) or only lays the
// control bar out again (0).
void m_HideUnlistedButtons(int rebuild);

// Calls so far (what can be seen of them until the main window has its
// control bar and video area).
extern int g_TopMostStateCalls;
extern int g_TopMostCalls;
extern int g_VideoClipCalls;
extern int g_HideButtonsCalls;
extern int g_HideButtonsLast;
