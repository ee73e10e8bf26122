// Work areas and whole rectangles of the monitor nearest a point, a
// rectangle or a window.
#pragma once
#include <windows.h>

// Monitor nearest pt (the cursor when null): its work area when work is set,
// else its whole rectangle. 1, or 0 with out untouched on failure.
int m_GetMonitorWorkArea(RECT* out, const POINT* pt, int work);
// Work area of the monitor nearest the rectangle's centre.
int m_GetRectMonitorWorkArea(RECT* out, const RECT* rc);
// Monitor nearest the centre of the window's rectangle, work area or whole.
int m_GetWindowMonitorWorkArea(RECT* out, HWND hwnd, int work);
