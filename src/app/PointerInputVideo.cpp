// The video child window hands its pointer and key input to the window
// hosting it; its own painting stays with its window procedure.
#include <windows.h>

#include <commctrl.h>

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"

namespace {

const UINT_PTR kVideoInputId = 0x5A56;

HWND m_VideoHost(HWND video)
{
    if (g_FullScreen && g_hWndFullScreen) return g_hWndFullScreen;
    return g_hWndMain ? g_hWndMain : GetParent(video);
}

int m_IsScreenPointMessage(UINT msg) { return msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL; }

LRESULT CALLBACK m_VideoInputProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR)
{
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, m_VideoInputProc, kVideoInputId);
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    HWND host = m_VideoHost(hwnd);
    if (host && host != hwnd) {
        // A static is transparent to the pointer; the video takes it so that
        // the host hears of it in its own coordinates. The host notes the
        // sizing border under the pointer on its own hit test.
        if (msg == WM_NCHITTEST) {
            SendMessageW(host, msg, wParam, lParam);
            return HTCLIENT;
        }
        if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
            SendMessageW(host, msg, wParam, m_MapMouseLParam(hwnd, host, msg, lParam));
            return msg == WM_XBUTTONDOWN || msg == WM_XBUTTONUP || msg == WM_XBUTTONDBLCLK ? TRUE
                                                                                          : 0;
        }
        if (msg == WM_MOUSELEAVE) return SendMessageW(host, msg, wParam, lParam);
        if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) return SendMessageW(host, msg, wParam, lParam);
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

LPARAM m_MapMouseLParam(HWND from, HWND to, UINT msg, LPARAM lParam)
{
    if (m_IsScreenPointMessage(msg) || !from || !to || from == to) return lParam;
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    MapWindowPoints(from, to, &pt, 1);
    return MAKELPARAM(static_cast<short>(pt.x), static_cast<short>(pt.y));
}

BOOL m_VideoWnd_InstallInput(HWND video)
{
    if (!video) return FALSE;
    return SetWindowSubclass(video, m_VideoInputProc, kVideoInputId, 0);
}
