#include <doctest/doctest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/ControlTooltips.h"
#include "app/MainWindowLook.h"
#include "app/StatusPanels.h"
#include "controls/SliderPlus.h"

namespace {

HWND Child(HWND parent, int id)
{
    HWND child = GetDlgItem(parent, id);
    return child && GetParent(child) == parent ? child : nullptr;
}

std::wstring TipText(HWND tips, HWND tool)
{
    wchar_t text[512] = {};
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = g_hWndMain;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, ARRAYSIZE(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

}  // namespace

TEST_CASE_FIXTURE(CMainWindowFixture, "main window children stand under their ids and parents")
{
    HWND control = Child(g_hWndMain, 32869);
    REQUIRE(control);
    HWND panel = Child(control, 32870);
    REQUIRE(panel);
    HWND bar = Child(panel, 32872);
    REQUIRE(bar);
    for (int id = 32969; id <= 32991; id++) {
        CAPTURE(id);
        CHECK(Child(bar, id) == g_ControlButtons[id - 32969].m_GetHwnd());
    }
    CHECK(Child(panel, 33069) == g_VolumeButton.m_GetHwnd());
    CHECK(Child(panel, 33067) == g_ExtraButton.m_GetHwnd());
    CHECK(Child(control, 33070) == g_SeekBar.m_GetHwnd());
    CHECK(Child(panel, 33071) == g_VolumeSlider.m_GetHwnd());
    CHECK(Child(control, 32873) != nullptr);
    wchar_t name[64] = {};
    GetClassNameW(g_hWndMain, name, 64);
    CHECK(std::wstring(name) == L"ZENTAVIO");
}

TEST_CASE_FIXTURE(CMainWindowFixture, "the look gives the buttons images and Japanese tooltips")
{
    g_Settings.Common_Tip = 1;
    g_Settings.Common_TipDly[0] = 650;
    m_ApplyMainWindowLook();
    CHECK(g_ControlButtons[CB_PLAY].m_GetFrameCount() == 2);
    CHECK(g_ControlButtons[CB_REPEAT].m_GetFrameCount() == 5);
    CHECK(g_ControlButtons[CB_POWER].m_GetFrameCount() == 4);
    CHECK(g_VolumeButton.m_GetFrameCount() == 2);
    CHECK(g_ExtraButton.m_GetFrameCount() == 2);

    HWND tips = m_GetToolTips(TOOLTIP_GROUP_MAIN);
    REQUIRE(tips);
    CHECK(TipText(tips, g_ControlButtons[CB_LAUNCHER].m_GetHwnd()) ==
          L"ランチャー画面を表示\r\n右クリックでファイルメニューを表示");
    CHECK(TipText(tips, g_ControlButtons[CB_RATE].m_GetHwnd()) ==
          L"ビデオサイズ変更 > 100%\r\n右クリックでメニュー表示");
    CHECK(TipText(tips, g_VolumeButton.m_GetHwnd()) == L"ミュート\r\n右クリックでメニュー表示");
    CHECK(TipText(tips, g_ControlButtons[CB_MENU].m_GetHwnd()) ==
          L"最近開いたファイル\r\n右クリックで再生時間の多いファイルを表示");
    CHECK(TipText(tips, g_ControlButtons[CB_POWER].m_GetHwnd()) ==
          L"モニターを常に表示\r\n右クリックでメニュー表示");
    // [Common] "TipDly": the wait before a tip shows.
    CHECK(SendMessageW(tips, TTM_GETDELAYTIME, TTDT_INITIAL, 0) == 650);

    // Switching off keeps the window; a second creation adds nothing.
    m_ShowToolTips(0, TOOLTIP_GROUP_MAIN);
    CHECK(m_GetToolTips(TOOLTIP_GROUP_MAIN) == tips);
}

TEST_CASE_FIXTURE(CMainWindowFixture, "a custom inactive colour recolours once on deactivation")
{
    g_Settings.Ctrl_Clr[0] = 2;
    g_Settings.Ctrl_Clr[1] = 1;
    g_Settings.Ctrl_Clr[2] = 0x202020;
    g_Settings.Ctrl_Clr[3] = 0xE0E0E0;
    m_ApplyMainWindowLook();
    SetFocus(g_hWndMain);
    m_OnActivateColors(0, 0);
    CHECK(m_GetFaceColor() == RGB(0x20, 0x20, 0x20));
    SetFocus(nullptr);
    m_OnActivateColors(0, 0);
    CHECK(m_GetFaceColor() == RGB(0xE0, 0xE0, 0xE0));
    CHECK(g_PanelLook.back == RGB(0xE0, 0xE0, 0xE0));
}

TEST_CASE_FIXTURE(CMainWindowFixture, "the grip tooltip follows the grip and goes with it")
{
    m_ApplyMainWindowLook();
    HWND tips = m_GetToolTips(TOOLTIP_GROUP_MAIN);
    REQUIRE(tips);
    HWND panel = GetDlgItem(GetDlgItem(g_hWndMain, 32869), 32870);
    REQUIRE(panel);
    const int before = (int)SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0);
    RECT grip = {300, 0, 305, 28};
    m_SetGripRect(&grip);
    m_SetGripRect(&grip);
    CHECK((int)SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == before + 1);

    wchar_t text[256] = {};
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = panel;
    info.uId = 1;
    info.lpszText = text;
    REQUIRE(SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)));
    CHECK(info.rect.left == 300);
    SendMessageW(tips, TTM_GETTEXTW, ARRAYSIZE(text), reinterpret_cast<LPARAM>(&info));
    CHECK(std::wstring(text) == L"ここをドラッグして表示するボタンの数を変更出来ます");

    m_SetGripRect(nullptr);
    CHECK((int)SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0) == before);
}
