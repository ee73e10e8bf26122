// Mouse, key, touch and pointer handling of the main window, and its
// painter. Grows with the pointer code; until then the system's defaults.
#pragma once
#include <windows.h>

LRESULT m_OnMouseMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT m_OnKeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT m_OnGestureMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void m_PaintMainWindow(HWND hwnd);
// Ticks of the pointer's main-window timers: the hide delay (3, already
// killed), the hover (4) and the delayed click (5).
void m_CursorHide_OnTimer();
void m_OnHoverTimer();
void m_OnClickDelayTimer();
// Re-evaluates hiding the pointer after activation or a display change.
void m_ResetCursorHide();
