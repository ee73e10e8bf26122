// The main window's rectangle at start-up.
#pragma once
#include <windows.h>

// Video area size and aspect noted at start for the zoom code.
extern int g_VideoWidth;
extern int g_VideoHeight;
extern double g_VideoAspect;

// The stored [Main] "Pos" (x, y, w, h; 855 x 555 centred by default),
// clamped into the work area of its monitor; sets g_DpiPercent.
RECT m_StartWindowRect();
// Moves and sizes the main window to the visible frame at a DPI percent.
void m_PlaceMainWindow(const RECT* frame, int dpiPercent);
void m_SetInitialAspect(double aspect);
