// The playlist window docked to a side of the main window: the dock state,
// the side, and placing the playlist beside the main window.
#pragma once
#include <windows.h>

// 0 not docked, 1 touching within the dock distance, 2 docked.
extern int g_PlaylistDock;
// 1 left, 2 above, 3 right, 4 below, 0 none.
extern int g_PlaylistDockSide;
// Raised while the user drags the main window with a docked playlist.
extern int g_DockingMove;

// Side of rc against the main rectangle: 1 when its horizontal centre lies
// left of it, 3 right of it, else 2 above, 4 below, 0 overlapping.
int m_SideOfRect(const RECT* main, const RECT* rc);
// m_SideOfRect of the window against the main window; 0 without either.
int m_GetSideOfMainWindow(HWND window);
// The docking distance of [Common] "Snap" at a DPI percent; 0 when it is
// not positive.
int m_Dock_Distance(int dpiPercent);
// The w x h rectangle beside main on the side at the distance: sides 1 and
// 3 take the main height, 2 and 4 the main width; other sides go right.
RECT m_DockRectBeside(const RECT* main, int w, int h, int side, int distance);
// The docked rectangle within a work area: unless keepSide is set, one that
// leaves the area goes to the opposite side, and when that leaves it too
// (or with keepSide) it is pushed back against the edge it crossed. The
// side used goes to sideOut when given.
RECT m_DockRectInArea(const RECT* main, int w, int h, int side, int distance, const RECT* work,
                      int keepSide, int* sideOut);
// A w x h window inside a host area at its bottom-right, inset by gap (and
// by bottomInset more at the bottom); taller than the area less two gaps,
// it is cut to that.
RECT m_CornerRectInArea(const RECT* area, int w, int h, int gap, int bottomInset);
// The main window starts or ends a move or size loop: a docked playlist
// follows it while it lasts.
void m_Dock_OnEnterSizeMove();
void m_Dock_OnExitSizeMove();
// Reads both windows and sets the dock state and side.
void m_Dock_Update();
// Places the playlist window beside the main window on the side (its size
// from the stored placement, taken to the main window's DPI). With out the
// rectangle is only returned; otherwise the window is moved there when that
// place has the main window's DPI. 1 when it was placed or returned.
int m_Dock_PlacePlaylist(int side, int keepSide, RECT* out);
