// m_OSD_ShowText and the operations on both status bars, with the main and
// the full-screen bar as real windows.
#include <doctest/doctest.h>

#include <string>

#include "app/StatusText.h"
#include "controls/Statusbar.h"
#include "settings/SettingsMain.h"

namespace {

HWND MakeWindow(int y)
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvStatusTextHost";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"ZvStatusTextHost", L"", WS_POPUP | WS_VISIBLE, 0, y, 400, 24,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Both global bars in windows of their own; cleared and closed afterwards.
struct SBars {
    HWND mainHost, fullHost = nullptr;

    explicit SBars(bool fullScreen)
    {
        mainHost = MakeWindow(0);
        g_StatusBar.m_Create(mainHost, IDC_STATUSBAR);
        if (fullScreen) {
            fullHost = MakeWindow(40);
            g_FullScreenStatusBar.m_Create(fullHost, IDC_FULLSCREEN_STATUSBAR);
        }
        g_MainWindowState.nCtrl[2] = 1;
    }
    ~SBars()
    {
        for (CStatusbar* bar : {&g_StatusBar, &g_FullScreenStatusBar}) {
            bar->m_ClearMessage(0, 0xFFFFFFFF);
            bar->m_DestroyWindow();
        }
        DestroyWindow(mainHost);
        if (fullHost) DestroyWindow(fullHost);
    }
};

std::wstring Message(const CStatusbar& bar) { return bar.m_GetPaneText(STATUS_PANE_MESSAGE); }

}  // namespace

TEST_CASE("defaults: colour 1, priority 50, a fade; lower priorities dropped; colour 0 is colour 2")
{
    SBars bars(false);
    CHECK(m_OSD_ShowText(L"FIFTY", -1, -1, -1, -1, -1, -1) == 1);
    CHECK(g_StatusBar.m_GetMessagePriority() == 50);
    CHECK(g_StatusBar.m_GetPaneColor(STATUS_PANE_MESSAGE) == 0xEDFFFFFF);
    CHECK(g_StatusBar.m_GetPaneAlpha(STATUS_PANE_MESSAGE) == 0);

    CHECK(m_OSD_ShowText(L"FORTY", -1, -1, -1, 40, -1, -1) == 0);
    CHECK(Message(g_StatusBar) == L"FIFTY");
    CHECK(m_OSD_ShowText(L"AGAIN", 0, -1, -1, 50, -1, 0) == 1);
    CHECK(Message(g_StatusBar) == L"AGAIN");
    CHECK(g_StatusBar.m_GetPaneColor(STATUS_PANE_MESSAGE) == 0xFFB4B4B4);
}

TEST_CASE("without bar windows nothing is shown and nothing breaks")
{
    CHECK(m_OSD_ShowText(L"NOWHERE", -1, -1, -1, -1, -1, -1) == 0);
    m_OSD_Clear(1);
    m_OSD_RedrawBars();
    m_OSD_SetPaneText(STATUS_PANE_LEFT, L"X");
}

TEST_CASE("the full-screen bar gets every message while it exists; the result is the main bar's")
{
    SBars bars(true);
    CHECK(m_OSD_ShowText(L"BOTH", 1, 5000, 0, 50, -1, 0) == 1);
    CHECK(Message(g_FullScreenStatusBar) == L"BOTH");

    g_StatusBar.m_HoldMessage();
    g_FullScreenStatusBar.m_ClearMessage(0, 100);
    CHECK(m_OSD_ShowText(L"LOW", 1, 5000, 0, 10, -1, 0) == 0);
    CHECK(Message(g_FullScreenStatusBar) == L"LOW");

    m_OSD_SetPaneText(STATUS_PANE_RIGHT, L"1:00");
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_RIGHT)) == L"1:00");
    CHECK(std::wstring(g_FullScreenStatusBar.m_GetPaneText(STATUS_PANE_RIGHT)) == L"1:00");
    g_MainWindowState.nCtrl[2] = 0;
    m_OSD_SetPaneText(STATUS_PANE_RIGHT, L"2:00");
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_RIGHT)) == L"1:00");
    CHECK(std::wstring(g_FullScreenStatusBar.m_GetPaneText(STATUS_PANE_RIGHT)) == L"2:00");
}

TEST_CASE("clearing leaves messages above priority 100 and empties the others at once")
{
    SBars bars(true);
    m_OSD_ShowText(L"URGENT", 1, 5000, 0, 150, -1, 0);
    m_OSD_Clear(0);
    CHECK(Message(g_StatusBar) == L"URGENT");
    CHECK(Message(g_FullScreenStatusBar) == L"URGENT");

    m_OSD_ShowText(L"NORMAL", 1, 5000, 3, 100, -1, 0);
    CHECK(Message(g_StatusBar) == L"URGENT");
    g_StatusBar.m_ClearMessage(0, 150);
    g_FullScreenStatusBar.m_ClearMessage(0, 150);
    m_OSD_ShowText(L"NORMAL", 1, 5000, 3, 100, -1, 0);
    m_OSD_Clear(0);
    CHECK(Message(g_StatusBar).empty());
    CHECK(Message(g_FullScreenStatusBar).empty());
    CHECK(g_StatusBar.m_IsMessageShown() == 0);
}
