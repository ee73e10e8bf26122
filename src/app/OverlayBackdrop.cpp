// The black backdrop that fades in over the screen while full screen is
// entered and out afterwards. The loops block the main thread briefly.
#include <windows.h>

#include <commctrl.h>

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Overlay.h"
#include "settings/Settings.h"

namespace {

HWND s_Backdrop[2];

LRESULT CALLBACK BackdropProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR)
{
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (dc) FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, BackdropProc, 0);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

HWND m_CreateBackdrop(const RECT& rc)
{
    HWND hwnd =
        CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                        L"Static", L"", WS_POPUP, rc.left, rc.top, rc.right - rc.left,
                        rc.bottom - rc.top, m_FullScreen_GetOwner(), nullptr, g_hInstance, nullptr);
    if (!hwnd) return nullptr;
    SetWindowSubclass(hwnd, BackdropProc, 0, 0);
    SetLayeredWindowAttributes(hwnd, 0, 0, LWA_ALPHA);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
}

void m_SetBackdropAlpha(int alpha)
{
    for (HWND hwnd : s_Backdrop) {
        if (!hwnd) continue;
        SetLayeredWindowAttributes(hwnd, 0, (BYTE)alpha, LWA_ALPHA);
        UpdateWindow(hwnd);
    }
}

// 256 / (steps x FadeTest), with the steps' own default below 1.
int m_BackdropStep(int steps, int fallback)
{
    if (steps < 1) steps = fallback;
    int f = g_Settings.Main_FadeTest ? g_Settings.Main_FadeTest : 1;
    int n = steps * f;
    return n > 0 ? 256 / n : 256;
}

}  // namespace

void m_Backdrop_In(const RECT* rc, int coverMain)
{
    if (s_Backdrop[0]) return;
    RECT full = rc ? *rc : m_FullScreen_GetRect();
    s_Backdrop[0] = m_CreateBackdrop(full);
    if (coverMain && g_hWndMain && IsWindowVisible(g_hWndMain)) {
        RECT video;
        m_GetVideoArea(&video);
        MapWindowPoints(g_hWndMain, nullptr, reinterpret_cast<POINT*>(&video), 2);
        s_Backdrop[1] = m_CreateBackdrop(video);
    }
    const int step = m_BackdropStep(g_Settings.Fullscr_Fade[1], 6);
    for (int alpha = 0; alpha < 255;) {
        alpha += step + 1;
        if (alpha > 255) alpha = 255;
        m_SetBackdropAlpha(alpha);
        if (alpha < 255) Sleep(15);
    }
}

void m_Backdrop_Out(int instant)
{
    if (!s_Backdrop[0] && !s_Backdrop[1]) return;
    const int step = m_BackdropStep(g_Settings.Fullscr_Fade[2], 4);
    // The full-screen window came up meanwhile: the backdrop fades over it.
    for (HWND hwnd : s_Backdrop) {
        if (hwnd)
            SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (int alpha = instant ? 0 : 255; alpha > 0;) {
        alpha -= step + 1;
        if (alpha < 0) alpha = 0;
        m_SetBackdropAlpha(alpha);
        if (alpha > 0) Sleep(15);
    }
    for (HWND& hwnd : s_Backdrop) {
        if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
        hwnd = nullptr;
    }
}
