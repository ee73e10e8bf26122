// A host of the status bar and the on-screen display bars for the
// behaviour tests. Runs until its window is closed.
//   StatusHost [message]  a borderless window of class "ZvStatusHost" at
//                         (100, 100), 400 x 24, holding the main status bar
//                         (g_StatusBar, id 32873) with a fixed state and
//                         time and the message sent through m_OSD_ShowText
//   StatusHost -osd       a grey window of that class at (100, 100),
//                         480 x 270, with both display bars shown over it
#include <windows.h>
#include <gdiplus.h>

#include <cwchar>

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "controls/LayeredWnd.h"
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

HWND CreateHost(int width, int height)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(0x80, 0x80, 0x80));
    wc.lpszClassName = L"ZvStatusHost";
    if (!RegisterClassW(&wc)) return nullptr;
    return CreateWindowExW(WS_EX_TOPMOST, L"ZvStatusHost", L"status", WS_POPUP, kLeft, kTop, width,
                           height, nullptr, nullptr, wc.hInstance, nullptr);
}

int Loop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

int RunOsd()
{
    HWND host = CreateHost(480, 270);
    if (!host) return 3;
    ShowWindow(host, SW_SHOWNOACTIVATE);
    UpdateWindow(host);
    if (!g_OsdBars.m_Create(host)) return 5;
    g_OsdBars.m_SetBottomFont(L"Tahoma", 32, 0xDCFFFFFF, 0);
    g_OsdBars.m_SetTopFont(L"Tahoma", 48, 0xDCFFFFFF);
    g_OsdBars.m_SetTitle(L"clip one.avi");
    g_OsdBars.m_SetPosition(2500);
    g_OsdBars.m_SetVolume(80);
    RECT rc = {kLeft, kTop, kLeft + 480, kTop + 270};
    g_OsdBars.m_SetRect(&rc);
    g_OsdBars.m_Show(1);
    g_OsdBars.m_SetTopmost(1);
    g_OsdBars.m_ShowBars(1, -1, 1, -1, 0, 0);
    return Loop();
}

int Run(const wchar_t* message)
{
    HWND host = CreateHost(kWidth, kHeight);
    if (!host) return 3;
    g_BmpFont.m_Load(2, 100);
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
    return Loop();
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 9;
    const wchar_t* arg = argc > 1 ? argv[1] : L"REPEAT : FILE";
    const int rc = wcscmp(arg, L"-osd") == 0 ? RunOsd() : Run(arg);
    Gdiplus::GdiplusShutdown(token);
    return rc;
}
