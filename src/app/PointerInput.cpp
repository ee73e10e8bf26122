#include "app/PointerInput.h"

LRESULT m_OnMouseMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT m_OnKeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT m_OnGestureMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The video area is black while nothing is drawn in it.
void m_PaintMainWindow(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc) FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(hwnd, &ps);
}

void m_CursorHide_OnTimer() {}
void m_OnHoverTimer() {}
void m_OnClickDelayTimer() {}
void m_ResetCursorHide() {}
