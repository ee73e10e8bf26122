// Touch and gestures: gestures go to the system, which turns them into
// wheel and scroll messages; raw touch points are read and dropped.
#include "app/PointerInput.h"

LRESULT m_OnGestureMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_TOUCH) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const UINT count = LOWORD(wParam);
    TOUCHINPUT points[16];
    const UINT read = count < 16 ? count : 16;
    HTOUCHINPUT input = reinterpret_cast<HTOUCHINPUT>(lParam);
    if (read == 0 || !GetTouchInputInfo(input, read, points, sizeof(TOUCHINPUT)))
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    CloseTouchInputHandle(input);
    return 0;
}
