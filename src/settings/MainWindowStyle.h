// The main window's style and corner preference from [Ctrl] WndBtn and
// WndCor.
#pragma once
#include <windows.h>

// Without the minimise and maximise boxes when WndBtn is on; the corner
// preference of WndCor on the main and playlist windows. With reposition,
// a change is shown at once.
void m_ApplyWindowStyle(int reposition);

// For the painting of the main window on Windows 11: 1 for WndCor 2, 2 for
// WndCor 3, else 0.
extern int g_WindowCornerFlag;
