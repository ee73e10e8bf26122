// The windows that go along with full screen: tooltips, tool windows, and
// the launcher and jump-list view kept in the main window.
#pragma once
#include <windows.h>

// The keep flags for full screen on another monitor (other) from the three
// [Fullscr] "Mlt" values: the second keeps the launcher, the third the
// jump-list view in the main window; both clear on the main monitor.
void m_FullScreen_KeepFlagsFor(int other, const int mlt[3], int* keepLauncher, int* keepJumpList);
// Entering sets them for the chosen place, leaving clears them (other 0).
void m_FullScreen_SetKeepFlags(int other);
int m_FullScreen_KeepsLauncher();
int m_FullScreen_KeepsJumpList();
// The window hosting the launcher screen: the full-screen window while full
// screen is on and the launcher is not kept in the main window.
HWND m_GetLauncherHostWindow();
// Entering: the tooltips go into the topmost band above full screen.
void m_FullScreen_RaiseToolTips();
// Leaving: the tool windows leave the topmost band.
void m_FullScreen_ToolWindowsNotTopmost();
// WM_KILLFOCUS: a popup menu owned by the window closes.
void m_FullScreen_CloseMenuOf(HWND window);
