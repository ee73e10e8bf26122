#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/DpiChange.h"
#include "app/Layout.h"
#include "app/PlaylistDock.h"
#include "app/PlaylistFollow.h"
#include "app/ToolWindows.h"
#include "base/Dpi.h"
#include "settings/SettingsMain.h"

namespace {

std::wstring Text(const RECT& rc)
{
    return std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
           std::to_wstring(rc.right - rc.left) + L"x" + std::to_wstring(rc.bottom - rc.top);
}

std::wstring Text(POINT pt) { return std::to_wstring(pt.x) + L"," + std::to_wstring(pt.y); }

// A 100 % window at 100,100 with a 640 wide video of 16:9 and the pointer
// a quarter in from its left and half way down, on one 1920 x 1080 monitor.
SDPICHANGE Input()
{
    SDPICHANGE in = {};
    in.nOldPercent = 100;
    in.nNewPercent = 150;
    in.nVideoWidth = 640;
    in.dAspect = 16.0 / 9.0;
    in.nControlHeight = 60;
    m_GetDpiFrameMargins(&in.rcFrame, 150);  // 2, 45, 2, 2
    in.rcLast = RECT{100, 100, 740, 492};
    in.ptLast = POINT{100 + 640 / 4, 296};
    in.ptNow = in.ptLast;
    in.rcSuggested = RECT{100, 100, 1063, 688};
    in.rcMonitorNew = in.rcMonitorOld = RECT{0, 0, 1920, 1080};
    return in;
}

}  // namespace

TEST_CASE("a DPI change scales the video width and keeps its aspect, the control area once")
{
    SDPICHANGE in = Input();
    RECT rc;
    POINT pt;
    m_CalcDpiChange(&in, &rc, &pt);
    // 960 x 540 video, frame 4 x 47, control area 60 below the video.
    CHECK(rc.right - rc.left == 4 + 960);
    CHECK(rc.bottom - rc.top == 47 + 540 + 60);
    // The pointer stays where it was, over the same relative point.
    CHECK(Text(pt) == Text(in.ptNow));
    CHECK(pt.x - rc.left == 241);  // round(964 x 0.25)
    CHECK(pt.y - rc.top == 324);   // round(647 x 196 / 392)
}

TEST_CASE("a DPI change between monitors apart centres the window on the suggested rectangle")
{
    struct Case {
        RECT monitorNew;
        int apartX, apartY;
    };
    const Case cases[] = {
        {{1920, 0, 3840, 1080}, 1, 0},  // side by side
        {{0, 1080, 1920, 2160}, 0, 1},  // one above the other
        {{1920, 1080, 3840, 2160}, 1, 1},
    };
    for (const Case& c : cases) {
        SDPICHANGE in = Input();
        in.rcMonitorNew = c.monitorNew;
        in.rcSuggested = RECT{2000, 1200, 2964, 1847};
        RECT rc;
        POINT pt;
        m_CalcDpiChange(&in, &rc, &pt);
        CAPTURE(Text(c.monitorNew));
        CHECK(rc.right - rc.left == 964);
        if (c.apartX) {
            CHECK(rc.left == 2482 - 482);
            CHECK(pt.x == rc.left + 241);
        } else {
            CHECK(pt.x == in.ptNow.x);
        }
        if (c.apartY) {
            CHECK(rc.top == 1523 - 324);  // centre less round(647 / 2)
            CHECK(pt.y == rc.top + 324);
        } else {
            CHECK(pt.y == in.ptNow.y);
        }
    }
}

TEST_CASE("a DPI change with the pointer away from the window keeps the window's centre")
{
    SDPICHANGE in = Input();
    in.rcNow = RECT{600, 300, 1240, 692};  // centre 920,496
    in.ptNow = POINT{1800, 1000};          // over another program
    RECT rc;
    POINT pt;
    m_CalcDpiChange(&in, &rc, &pt);
    CHECK(Text(rc) == L"438,172,964x647");
    CHECK(Text(pt) == Text(in.ptNow));
    // Near the corner the grown window would start above and left of the
    // screen: it is kept inside.
    in.rcNow = in.rcLast;
    m_CalcDpiChange(&in, &rc, &pt);
    CHECK(Text(rc) == L"0,0,964x647");
    // Over the window it follows the pointer as before.
    in.ptNow = in.ptLast;
    m_CalcDpiChange(&in, &rc, &pt);
    CHECK(pt.x - rc.left == 241);
}

TEST_CASE("a DPI change with no remembered window keeps the pointer in the middle")
{
    SDPICHANGE in = Input();
    in.rcLast = RECT{};
    in.dAspect = 0;  // no aspect known: 16:9
    RECT rc;
    POINT pt;
    m_CalcDpiChange(&in, &rc, &pt);
    CHECK(rc.bottom - rc.top == 47 + 540 + 60);
    CHECK(in.ptNow.x - rc.left == 482);
    CHECK(in.ptNow.y - rc.top == 324);
}

TEST_CASE("a docked playlist sits beside the main rectangle on its side")
{
    const RECT main = {100, 200, 900, 700};
    struct Case {
        int side;
        POINT want;
    };
    const Case cases[] = {
        {1, {100 - 300 - 4, 200}},
        {2, {100, 200 - 400 - 4}},
        {3, {900 + 4, 200}},
        {4, {100, 700 + 4}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.side);
        CHECK(Text(m_DockedTopLeft(&main, 300, 400, c.side, 4)) == Text(c.want));
    }
}

TEST_CASE("a docked playlist hides above 25 % on another DPI and returns below 20 %")
{
    // 100 % on the left, 150 % on the right; the windows are 100 wide.
    const SDPIMONITOR monitors[] = {{{0, 0, 1000, 1000}, 100}, {{1000, 0, 2000, 1000}, 150}};
    auto share = [&](int left) {
        RECT rc = {left, 0, left + 100, 100};
        return m_OtherDpiShare(&rc, monitors, 2, 100);
    };
    CHECK(share(800) == 0.0);
    CHECK(share(930) == doctest::Approx(0.30));
    CHECK(share(978) == doctest::Approx(0.78));
    CHECK(share(1500) == 1.0);

    CHECK(m_DpiOverlapAction(0, 1, share(930), 0) == 1);  // 30 % of the main window
    CHECK(m_DpiOverlapAction(0, 1, 0, share(930)) == 1);  // 30 % of the playlist
    CHECK(m_DpiOverlapAction(0, 1, share(922), 0) == 0);  // 22 %: stays
    CHECK(m_DpiOverlapAction(1, 1, share(922), 0) == 0);  // 22 %: stays hidden
    CHECK(m_DpiOverlapAction(1, 1, share(919), 0) == 2);  // 19 %: back
    CHECK(m_DpiOverlapAction(1, 0, 0.9, 0.9) == 2);       // no monitor table: back
}

namespace {

struct CDpiFixture : CMainWindowFixture {
    CDpiFixture()
    {
        // A 40 pixel control area under the video: the button row alone,
        // of 40 pixel buttons.
        g_Settings.Ctrl_Btn[0] = g_Settings.Ctrl_Btn[1] = 40;
        g_Settings.Ctrl_Style[0] = 2;
        g_MainWindowState.nCtrl[0] = g_MainWindowState.nCtrl[2] = 0;
        g_MainWindowState.nCtrl[1] = 1;
        m_LayoutClientArea(-1, -1);
        RECT client;
        GetClientRect(g_hWndMain, &client);
        panel = GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL);
        RECT panelRect;
        GetWindowRect(panel, &panelRect);
        REQUIRE(panelRect.bottom - panelRect.top == 40);
        videoWidth = client.right;
        RECT rc = Visible(g_hWndMain);
        pointer = POINT{rc.left + (rc.right - rc.left) / 4, rc.top + (rc.bottom - rc.top) / 2};
        SetCursorPos(pointer.x, pointer.y);
        m_DpiChange_Remember(pointer, &rc);
    }
    ~CDpiFixture() { g_MainWindowState.nCtrl[1] = 0; }
    static void SendDpi(int dpi)
    {
        RECT suggested = Visible(g_hWndMain);
        SendMessageW(g_hWndMain, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }
    HWND panel = nullptr;
    int videoWidth = 0;
    POINT pointer = {};
};

}  // namespace

TEST_CASE_FIXTURE(CDpiFixture, "a DPI change during start-up is ignored")
{
    g_InitDone = 0;
    RECT before = Visible(g_hWndMain);
    SendDpi(144);
    CHECK(g_DpiPercent == 100);
    CHECK(Text(Visible(g_hWndMain)) == Text(before));
}

TEST_CASE_FIXTURE(CDpiFixture, "the main window follows WM_DPICHANGED to 150 %")
{
    SendDpi(144);
    CHECK(g_DpiPercent == 150);
    RECT rc = Visible(g_hWndMain);
    int video = videoWidth * 3 / 2;
    CHECK(rc.right - rc.left == 4 + video);
    CHECK(rc.bottom - rc.top == 47 + (int)(video * 9.0 / 16.0 + 0.5) + 60);
    POINT now;
    GetCursorPos(&now);
    CHECK(Text(now) == Text(pointer));
    CHECK(now.x - rc.left == (int)((rc.right - rc.left) / 4.0 + 0.5));

    // The same DPI again changes nothing.
    SendDpi(144);
    CHECK(Text(Visible(g_hWndMain)) == Text(rc));
}

TEST_CASE_FIXTURE(CDpiFixture,
                  "a docked playlist stays put at another DPI and docks again when it matches")
{
    Write(L"[Playlist]\r\nPos=0,0,300,450,100\r\n");
    g_MainWindowState.nPlaylistWindow = 3;
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    HWND playlist = g_Playlist.m_GetWindow();
    REQUIRE(playlist);
    RECT docked = Visible(playlist);

    // The one monitor stays at 100 %: the playlist is not moved to 150 %.
    SendDpi(144);
    CHECK(Text(Visible(playlist)) == Text(docked));

    SendDpi(96);
    CHECK(g_DpiPercent == 100);
    RECT main = Visible(g_hWndMain);
    CHECK(Text(Visible(playlist)) ==
          Text(RECT{main.right, main.top, main.right + 300, main.bottom}));
    CHECK(g_PlaylistDock == 2);
}

TEST_CASE_FIXTURE(CDpiFixture,
                  "a playlist hidden for a DPI overlap comes back at the end of a move")
{
    Write(L"[Playlist]\r\nPos=0,0,300,450,100\r\n");
    g_MainWindowState.nPlaylistWindow = 3;
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    HWND playlist = g_Playlist.m_GetWindow();
    m_Dock_Update();
    // The main window reports 150 % while the monitor is at 100 %.
    g_DpiPercent = 150;
    m_PlaylistWnd_CheckDpiOverlap();
    CHECK_FALSE(IsWindowVisible(playlist));
    SendMessageW(g_hWndMain, WM_EXITSIZEMOVE, 0, 0);
    CHECK(IsWindowVisible(playlist));
}
