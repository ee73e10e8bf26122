#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/MessageLoop.h"
#include "app/PlaylistDock.h"
#include "app/ToolWindows.h"
#include "settings/SettingsMain.h"

namespace {

std::wstring Text(const RECT& rc)
{
    return std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
           std::to_wstring(rc.right - rc.left) + L"x" + std::to_wstring(rc.bottom - rc.top);
}

std::wstring Text(int x, int y, int w, int h) { return Text(RECT{x, y, x + w, y + h}); }

struct CToolWindowFixture : CMainWindowFixture {
    void Start(const wchar_t* ini, int list)
    {
        Write(ini);
        m_ReadPlayListWnd();
        m_ReadFavoWndPos();
        g_MainWindowState.nPlaylistWindow = g_MainWindowStateCopy.nPlaylistWindow = list;
    }
};

}  // namespace

TEST_CASE_FIXTURE(CToolWindowFixture,
                  "favorites stored at 150 % come back scaled to a 100 % monitor")
{
    Start(L"[Favo]\r\nPos=300,200,420,600,150\r\n", 0);
    m_ShowFavoWindow(1, 0);
    HWND favo = m_Favorite_GetWindow();
    REQUIRE(favo);
    CHECK(IsWindowVisible(favo));
    // 416 x 553 inside frames of 2 + 2 and 45 + 2, to 100 % with 1 + 1 and 31 + 1.
    CHECK(Text(Visible(favo)) == Text(300, 200, 279, 401));
}

TEST_CASE_FIXTURE(CToolWindowFixture, "favorites without a stored size take 280 x 400 low right")
{
    Start(L"[Favo]\r\n", 0);
    m_ShowFavoWindow(1, 0);
    RECT area = WorkArea();
    int x = area.left + (int)(0.75 * (area.right - area.left - 280));
    int y = area.top + (int)(0.75 * (area.bottom - area.top - 400));
    CHECK(Text(Visible(m_Favorite_GetWindow())) == Text(x, y, 280, 400));
}

TEST_CASE_FIXTURE(CToolWindowFixture,
                  "hiding the favorites window saves a moved place, and nothing else")
{
    Start(L"[Favo]\r\nPos=300,200,280,400,100\r\n", 0);
    m_ShowFavoWindow(1, 0);
    const std::string before = ReadBytes();
    m_ShowFavoWindow(0, 0);
    CHECK_FALSE(IsWindowVisible(m_Favorite_GetWindow()));
    CHECK(ReadBytes() == before);

    m_ShowFavoWindow(1, 0);
    HWND favo = m_Favorite_GetWindow();
    m_SetWindowPos(favo, nullptr, 340, 260, 300, 420, SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    m_ShowFavoWindow(0, 0);
    CHECK(Get(L"Favo", L"Pos") == L"340,260,300,420,100");
}

TEST_CASE_FIXTURE(CToolWindowFixture,
                  "a playlist wider than the work area takes the area's width at its left")
{
    RECT area = WorkArea();
    std::wstring ini = L"[Playlist]\r\nAtc=0\r\nPos=200,100," +
                       std::to_wstring(area.right - area.left + 300) + L",500,100\r\n";
    Start(ini.c_str(), 3);
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    HWND playlist = g_Playlist.m_GetWindow();
    REQUIRE(playlist);
    CHECK(IsWindowVisible(playlist));
    CHECK(Text(Visible(playlist)) == Text(area.left, 100, area.right - area.left, 500));
}

TEST_CASE_FIXTURE(CToolWindowFixture,
                  "an attached playlist docks on its stored side with the main height")
{
    struct Case {
        int side;
        RECT want;  // from the main window at 200,150 800 x 500
    };
    // A size that fits the work area on each side (one that does not goes
    // to the other side).
    const Case cases[] = {
        {3, {1000, 150, 1000 + 180, 650}},
        {1, {200 - 180, 150, 200, 650}},
        {4, {200, 650, 1000, 650 + 400}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.side);
        g_Playlist.m_DestroyWindow();
        Start(L"[Playlist]\r\nPos=0,0,180,400,100\r\n", c.side);
        m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
        CHECK(Text(Visible(g_Playlist.m_GetWindow())) == Text(c.want));
        m_Dock_Update();
        CHECK(g_PlaylistDock == 2);
        CHECK(g_PlaylistDockSide == c.side);
    }
}

TEST_CASE_FIXTURE(CToolWindowFixture,
                  "hiding the playlist on the right writes -3 once and saves what changed")
{
    Start(L"[Main]\r\nList=3\r\n[Playlist]\r\nPos=0,0,300,450,100\r\n", 3);
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    HWND playlist = g_Playlist.m_GetWindow();
    REQUIRE(playlist);
    m_ShowPlayListWnd(0, 0);
    CHECK_FALSE(IsWindowVisible(playlist));
    CHECK(Get(L"Main", L"List") == L"-3");
    CHECK(Get(L"Playlist", L"Pos") == L"1000,150,300,500,100");
    CHECK(Get(L"Playlist", L"Clm") == L"<none>");  // unchanged
    CHECK(g_MainWindowState.nPlaylistWindow == -3);

    // A second hide changes nothing, so nothing is written.
    const std::string before = ReadBytes();
    m_ShowPlayListWnd(0, 0);
    CHECK(ReadBytes() == before);

    // Shown again it is set to open on that side at the next start.
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    CHECK(g_MainWindowState.nPlaylistWindow == 3);
}

TEST_CASE_FIXTURE(CToolWindowFixture, "creating the playlist without showing it leaves it hidden")
{
    Start(L"[Playlist]\r\nAtc=0\r\nPos=100,100,300,400,100\r\n", 3);
    m_ShowPlayListWnd(1, 6);
    HWND playlist = g_Playlist.m_GetWindow();
    REQUIRE(playlist);
    CHECK_FALSE(IsWindowVisible(playlist));
    CHECK(Text(Visible(playlist)) == Text(100, 100, 300, 400));
}

TEST_CASE_FIXTURE(CToolWindowFixture, "tool-window buttons stay pressed while their windows show")
{
    Start(L"", 0);
    struct {
        int button;
        void (*show)(int);
    } cases[] = {
        {CB_PLAYLIST, [](int on) { m_ShowPlayListWnd(on, SW_SHOWNOACTIVATE); }},
        {CB_FAVORITES, [](int on) { m_ShowFavoWindow(on, 0); }},
    };
    for (const auto& c : cases) {
        CAPTURE(c.button);
        c.show(1);
        CHECK(g_ControlButtons[c.button].m_GetCheck() == 1);
        c.show(0);
        CHECK(g_ControlButtons[c.button].m_GetCheck() == 0);
    }
}

TEST_CASE_FIXTURE(CToolWindowFixture, "Tab in the main window focuses the playlist's track list")
{
    Start(L"", 3);
    MSG tab = {g_hWndMain, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    // Nothing to go to while the playlist window is hidden.
    CHECK(m_MainWnd_PreTranslateKey(&tab) == 0);
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    SetFocus(g_hWndMain);
    CHECK(m_MainWnd_PreTranslateKey(&tab) == 1);
    CHECK(GetFocus() == g_Playlist.m_GetTrackList());
    MSG up = {g_hWndMain, WM_KEYUP, VK_TAB, 0, 0, {}};
    CHECK(m_MainWnd_PreTranslateKey(&up) == 0);
}
