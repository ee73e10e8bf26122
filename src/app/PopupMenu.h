// The main window's popup menus: the menu manager's scale and windows, a
// popup's place over the control that opens it, tracking one, and closing
// it when the window loses the focus or the program ends.
#pragma once
#include <windows.h>

class CMenuPlus;

// At start: the manager's parent and owner are the main window, its scale
// the main window's DPI percent.
void m_PopupMenu_StartUp();
// A DPI change: an open popup is closed (its fonts and images are rebuilt
// under it), then the manager takes the percent and rebuilds its look.
void m_PopupMenu_SetScale(int percent);
// The tracking point (packed for the manager) that puts a popup opened
// upwards (bottom-left anchoring) over the control: its left edge at the
// control's centre, its bottom one item height below the control's top.
LONG64 m_GetMenuPopupPos(HWND control, const CMenuPlus* menu);
// Tracks the popup through the main window's manager (bottom-left at x, y):
// the chosen index, or -1.
int m_TrackPopupMenu(CMenuPlus* menu, int x, int y);
// Closes the popup whose parent is the window (focus loss).
void m_PopupMenu_CloseFor(HWND window);
// Closes the main window's popup, whatever its parent (shutdown).
void m_PopupMenu_CloseAll();
