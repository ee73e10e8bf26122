#include "app/PopupImageWnd.h"

#include "app/MainWindow.h"
#include "app/Startup.h"

HWND g_hWndPopupImage;
CArgbImage g_PopupImage;

namespace {

WNDPROC s_StaticProc;

int m_IsForwarded(UINT msg)
{
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

void m_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (g_PopupImage.m_IsValid()) g_PopupImage.m_BitBlt(dc, &rc);
    EndPaint(hwnd, &ps);
}

// A press or a key over the picture acts as it would on the main window.
LRESULT CALLBACK m_PopupImageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            m_Paint(hwnd);
            return 0;
        case WM_NCDESTROY:
            g_hWndPopupImage = nullptr;
            break;
    }
    if (m_IsForwarded(msg) && g_hWndMain) return SendMessageW(g_hWndMain, msg, wParam, lParam);
    return CallWindowProcW(s_StaticProc, hwnd, msg, wParam, lParam);
}

}  // namespace

int m_PopupImage_Create()
{
    if (g_hWndPopupImage) return 1;
    HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"Static", L"",
                                WS_POPUP | SS_OWNERDRAW, 0, 0, 0, 0, g_hWndMain, nullptr,
                                g_hInstance, nullptr);
    if (!hwnd) return 0;
    s_StaticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PopupImageProc)));
    g_hWndPopupImage = hwnd;
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 1;
}
