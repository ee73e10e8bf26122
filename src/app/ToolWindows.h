// Showing and hiding the playlist and favorites windows beside the main
// window, and keeping the program's windows together in the z-order.
#pragma once
#include <windows.h>

// Shows (creating it on first use, placed from [Favo]) or hides the
// favorites window; hiding saves its placement.
void m_ShowFavoWindow(int show, int activate);
// Shows the playlist window with nCmdShow (6: create it without showing),
// creating it on first use; show 0 hides it, notes its side in [Main]
// "List" and saves its keys.
void m_ShowPlayListWnd(int show, int nCmdShow);
// WM_ACTIVATE of the main, full-screen and tool windows: raises the
// program's other visible windows with it.
void m_RaiseToolWindows(HWND activated, HWND other, int state);
// The playlist or favorites window that was active last; null when none.
HWND m_GetLastToolWindow();
