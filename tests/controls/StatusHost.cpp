// A host of the status bar for the behaviour tests: a borderless window of
// class "ZvStatusHost" at (100, 100), 400 x 24, holding the main status bar
// (g_StatusBar, id 32873). It shows a fixed state and time and one message
// through m_OSD_ShowText, then runs until it is closed.
//   StatusHost [message]
#include <windows.h>
#include <gdiplus.h>

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "controls/Statusbar.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kLeft = 100, kTop = 100, kWidth = 400, kHeight = 24;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CLOSE) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateHost()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"ZvStatusHost";
    if (!RegisterClassW(&wc)) return nullptr;
    return CreateWindowExW(WS_EX_TOPMOST, L"ZvStatusHost", L"status", WS_POPUP, kLeft, kTop, kWidth,
                           kHeight, nullptr, nullptr, wc.hInstance, nullptr);
}

int Run(const wchar_t* message)
{
    HWND host = CreateHost();
    if (!host) return 3;
    g_BmpFont.m_Load(1, 100);
    if (!g_BmpFont.m_Loaded) return 4;
    g_StatusBar.m_SetFont(&g_BmpFont);
    if (!g_StatusBar.m_Create(host, IDC_STATUSBAR)) return 5;
    MoveWindow(g_StatusBar.m_GetHwnd(), 0, 0, kWidth, kHeight, FALSE);
    g_StatusBar.m_SetBackColor(RGB(0x20, 0x28, 0x38), 0);
    g_MainWindowState.nCtrl[2] = 1;
    m_OSD_SetPaneText(STATUS_PANE_LEFT, L"PLAYING");
    m_OSD_SetPaneText(STATUS_PANE_RIGHT, L"1:23``/``10:00");
    m_OSD_ShowText(message, 1, 600000, 0, -1, -1, 0);
    ShowWindow(host, SW_SHOWNOACTIVATE);
    UpdateWindow(host);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 9;
    const int rc = Run(argc > 1 ? argv[1] : L"REPEAT : FILE");
    Gdiplus::GdiplusShutdown(token);
    return rc;
}
