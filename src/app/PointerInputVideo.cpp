// The video child window draws nothing itself and hands its pointer and
// key input to the window hosting it.
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"

namespace {

HWND m_VideoHost(HWND video)
{
    if (g_FullScreen && g_hWndFullScreen) return g_hWndFullScreen;
    return g_hWndMain ? g_hWndMain : GetParent(video);
}

// Client points are the host's from here on; the wheels carry screen points.
LPARAM m_ToHost(HWND video, HWND host, UINT msg, LPARAM lParam)
{
    if (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL) return lParam;
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(video, host, &pt, 1);
    return MAKELPARAM(pt.x, pt.y);
}

}  // namespace

LRESULT CALLBACK VideoWndSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND host = m_VideoHost(hwnd);
    if (msg == WM_PAINT) {
        ValidateRect(hwnd, nullptr);
        return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_NCHITTEST && host) SendMessageW(host, msg, wParam, lParam);
    if (host && host != hwnd) {
        if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSEHWHEEL) {
            SendMessageW(host, msg, wParam, m_ToHost(hwnd, host, msg, lParam));
            return 0;
        }
        if (msg >= WM_KEYFIRST && msg <= WM_SYSDEADCHAR) {
            SendMessageW(host, msg, wParam, lParam);
            return 0;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
