// The main window's popup menus: placed over the control that opens them,
// closed when the window loses the focus, at a DPI change and at exit.
#include <doctest/doctest.h>

#include <windows.h>

#include <cstdio>

#include "../support/GdiplusScope.h"
#include "MainWindowFixture.h"
#include "app/DpiChange.h"
#include "app/PopupMenu.h"
#include "app/Shutdown.h"
#include "controls/MenuManager.h"
#include "controls/MenuPlus.h"

namespace {

// What a timer saw while the menu was tracked, and what it then did.
struct SDuring {
    RECT popup;
    int itemHeight;
    int active;
    int forced;  // the action did not end the menu: the test did
    void (*action)();
};
SDuring s_During;

void CALLBACK OnTooLong(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (!g_MenuManager.m_IsMenuActive()) return;
    s_During.forced = 1;
    g_MenuManager.m_CloseMenus();
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    CMenuPlus* p = g_MenuManager.m_pActive;
    if (p && p->m_GetHwnd()) GetWindowRect(p->m_GetHwnd(), &s_During.popup);
    if (p) s_During.itemHeight = static_cast<int>(p->m_GetItemHeight());
    s_During.active = g_MenuManager.m_IsMenuActive();
    s_During.action();
    SetTimer(nullptr, 0, 2000, OnTooLong);
}

struct CPopupFixture : CMainWindowFixture {
    CGdiplusScope Gdiplus;
    CPopupFixture()
    {
        m_PopupMenu_StartUp();
        SMENUSTYLE style;
        g_MenuManager.m_GetStyle(&style);
        CMenuManager::m_GetSizePreset(&style, 3);
        g_MenuManager.m_SetStyle(&style, 0, nullptr);
        g_MenuManager.m_SetScale(100, 1);
        s_During = SDuring{};
    }
    ~CPopupFixture() { Pump(); }

    static CMenuPlus* Popup(int items)
    {
        CMenuPlus* p = g_MenuManager.m_CreatePopup(g_hWndMain, g_hWndMain, 7);
        for (int i = 0; p && i < items; ++i) {
            SMENUITEM it = {};
            swprintf(it.Text, 128, L"Item %d", i);
            it.Id = 100 + i;
            p->m_InsertItem(&it, -1, 0);
        }
        return p;
    }
    // A button of 60 x 28 in the middle of the window.
    static HWND Button()
    {
        static HWND s_Button;
        if (!IsWindow(s_Button) || GetParent(s_Button) != g_hWndMain)
            s_Button = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 300, 200, 60, 28,
                                       g_hWndMain, nullptr, nullptr, nullptr);
        return s_Button;
    }
    // Tracks a menu over the button; the action runs inside the menu's
    // loop. The chosen index.
    static int TrackOverButton(void (*action)())
    {
        CMenuPlus* p = Popup(3);
        REQUIRE(p);
        POINT at = m_UnpackMenuPoint(m_GetMenuPopupPos(Button(), p));
        s_During.action = action;
        SetTimer(nullptr, 0, 100, OnTick);
        return m_TrackPopupMenu(p, at.x, at.y);
    }
};

}  // namespace

TEST_CASE_FIXTURE(CPopupFixture,
                  "a control's popup opens upwards from its centre and closes on focus loss")
{
    // The focus moves within the program, so that no window manager's
    // activation comes in between: the main window loses it all the same.
    HWND other = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, g_hWndMain,
                                 nullptr, nullptr, nullptr);
    SetFocus(g_hWndMain);
    Pump();
    static HWND s_Other;
    s_Other = other;
    const int chosen = TrackOverButton([] { SetFocus(s_Other); });
    CHECK(chosen == -1);
    CHECK(s_During.active);
    CHECK_FALSE(s_During.forced);
    RECT button;
    GetWindowRect(Button(), &button);
    const RECT& p = s_During.popup;
    // Bottom-left anchored: it starts at the button's centre (less a 4 px
    // inset for its shadow) and opens upwards, the middle of its last row
    // on the button's top edge.
    CHECK(p.left == (button.left + button.right) / 2 - 4);
    CHECK(s_During.itemHeight > 0);
    CHECK(p.bottom == button.top + s_During.itemHeight);
    CHECK(p.top < button.top - 3 * 20);
    CHECK_FALSE(g_MenuManager.m_IsMenuActive());
    Pump();
    CHECK(g_MenuManager.m_pActive == nullptr);
    DestroyWindow(other);
}

TEST_CASE_FIXTURE(CPopupFixture, "a DPI change closes an open popup and rescales the menu look")
{
    LOGFONTW before = {};
    GetObjectW(g_MenuManager.m_hFonts[MENUFONT_NORMAL], sizeof(before), &before);
    const int chosen = TrackOverButton([] { m_ApplyDpi(150); });
    CHECK(chosen == -1);
    CHECK(s_During.active);
    CHECK_FALSE(s_During.forced);
    CHECK_FALSE(g_MenuManager.m_IsMenuActive());
    CHECK(g_MenuManager.m_ScalePercent == 150);
    LOGFONTW after = {};
    GetObjectW(g_MenuManager.m_hFonts[MENUFONT_NORMAL], sizeof(after), &after);
    CHECK(std::abs(after.lfHeight) == (std::abs(before.lfHeight) * 3 + 1) / 2);
    m_ApplyDpi(100);
    CHECK(g_MenuManager.m_ScalePercent == 100);
}

TEST_CASE_FIXTURE(CPopupFixture,
                  "closing the window while a popup is open ends the menu and the program")
{
    const int chosen = TrackOverButton([] { PostMessageW(g_hWndMain, WM_CLOSE, 0, 0); });
    CHECK(chosen == -1);
    CHECK(s_During.active);
    CHECK_FALSE(s_During.forced);
    CHECK_FALSE(IsWindow(g_hWndMain));
    CHECK_FALSE(g_MenuManager.m_IsMenuActive());
    // The quit reaches the outer loop, after the popup's own end.
    MSG msg;
    bool quit = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) quit = true;
        DispatchMessageW(&msg);
    }
    CHECK(quit);
    CHECK(g_MenuManager.m_pActive == nullptr);
}
