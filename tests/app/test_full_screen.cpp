#include <doctest/doctest.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MonitorTable.h"
#include "app/Overlay.h"
#include "commands/CommandHandlers.h"
#include "controls/LayeredWnd.h"
#include "controls/MenuManager.h"
#include "controls/Statusbar.h"
#include "playback/PlaybackControl.h"

namespace {

SMONITORITEM Monitor(int l, int t, int r, int b)
{
    SMONITORITEM m = {};
    SetRect(&m.rcMonitor, l, t, r, b);
    return m;
}

// Two monitors side by side, as the table of the program sees them.
void TwoMonitors()
{
    g_MonitorTable = SMONITORTABLE{};
    g_MonitorTable.Items[0] = Monitor(0, 0, 1280, 800);
    g_MonitorTable.Items[1] = Monitor(1280, 0, 2304, 768);
    g_MonitorTable.nCount = 2;
    g_MonitorStored = g_MonitorTable;
    m_Monitor_BuildOrder();
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

std::wstring Message() { return g_StatusBar.m_GetPaneText(STATUS_PANE_MESSAGE); }

std::wstring Text(int on, int first, int last, int found)
{
    wchar_t buf[128];
    m_FullScreen_FormatMessage(buf, 128, on, first, last, found);
    return buf;
}

class CFullScreenFixture : public CMainWindowFixture {
public:
    CFullScreenFixture()
    {
        g_Settings.Main_FllScrTop = 1;
        g_Settings.Fullscr_Rsv = 1;
        g_Settings.Fullscr_CtrlAlp[0] = 100;
        g_Settings.Fullscr_CtrlAlp[1] = 50;
        g_Settings.Ctrl_Stt = 20;
        g_Settings.Ctrl_Font = 2;
        g_Settings.Common_HideCtrl[0] = 3000;
        g_PlayState = 0;
        g_ShowSeekBar = g_ShowButtonRow = g_ShowStatusBar = 1;
        m_LayoutClientArea(-1, -1);
    }
    ~CFullScreenFixture()
    {
        m_FullScreen_Set(0, 0, 0, 0, 0, 0);
        m_FullScreen_Destroy();
        g_PlayState = 0;
    }
    static RECT MonitorRect()
    {
        RECT rc = {};
        m_Monitor_GetRect(&rc, m_Monitor_FromWindow(), -1);
        return rc;
    }
};

}  // namespace

TEST_CASE("the place of full screen on one monitor, another, a span and all")
{
    TwoMonitors();
    SFULLSCREENPLACE p;
    m_FullScreen_ChooseRect(0, 0, 0, &p);
    CHECK((p.bFound && !p.bOther && !p.bSpan && Same(p.rcFull, g_MonitorTable.Items[0].rcMonitor)));
    m_FullScreen_ChooseRect(2, 0, 0, &p);
    CHECK((p.bFound && p.bOther && !p.bSpan && Same(p.rcFull, g_MonitorTable.Items[1].rcMonitor)));
    m_FullScreen_ChooseRect(1, 0, 0, &p);
    CHECK((p.bFound && !p.bOther));
    m_FullScreen_ChooseRect(-1, 0, 1, &p);
    CHECK((p.bFound && p.bSpan && Same(p.rcFull, RECT{0, 0, 2304, 800})));
    CHECK(Same(p.rcMain, g_MonitorTable.Items[1].rcMonitor));

    SFULLSCREENPLACE back;
    m_FullScreen_ChooseRect(1, 2, 0, &p);
    m_FullScreen_ChooseRect(2, 1, 0, &back);
    CHECK((p.bSpan && !p.bOther && Same(p.rcFull, RECT{0, 0, 2304, 800})));
    CHECK(Same(p.rcFull, back.rcFull));

    // Missing monitors fall back to the main window's one, not found.
    for (int first : {3, 16}) {
        m_FullScreen_ChooseRect(first, 0, 1, &p);
        CHECK((!p.bFound && Same(p.rcFull, g_MonitorTable.Items[1].rcMonitor)));
    }
    m_FullScreen_ChooseRect(1, 3, 0, &p);
    CHECK(!p.bFound);
}

TEST_CASE("the on-screen texts of full screen")
{
    CHECK(Text(1, 2, 0, 1) == L"FULL````SCREEN````:````MON````2");
    CHECK(Text(1, -1, 0, 1) == L"FULL````SCREEN````:````MON````ALL");
    CHECK(Text(1, 1, 2, 1) == L"FULL````SCREEN````:````MON````1-2");
    CHECK(Text(0, 0, 0, 1) == L"FULL````SCREEN````:````OFF");
    CHECK(Text(1, 3, 0, 0) == L"FULL````SCREEN````:````ERR (MON````3 NOT````FOUND)");
    CHECK(Text(1, 3, 4, 0) == L"FULL````SCREEN````:````ERR (MON````3`-`4 NOT````FOUND)");
    wchar_t tiny[8];
    m_FullScreen_FormatMessage(tiny, 8, 1, 1, 0, 1);
    CHECK(wcslen(tiny) == 7);
}

TEST_CASE_FIXTURE(CFullScreenFixture,
                  "full screen covers the monitor, takes the panel and gives it back")
{
    const RECT before = Visible(g_hWndMain);
    REQUIRE(m_FullScreen_Set(1, 0, 0, 1, 1, 0) == 1);
    Pump();
    REQUIRE(g_hWndFullScreen);
    wchar_t cls[64];
    GetClassNameW(g_hWndFullScreen, cls, 64);
    CHECK(std::wstring(cls) == L"ZENTAVIO_FULLSCREEN");
    CHECK(IsWindowVisible(g_hWndFullScreen));
    CHECK((GetWindowLongW(g_hWndFullScreen, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    RECT rc;
    GetWindowRect(g_hWndFullScreen, &rc);
    CHECK(Same(rc, MonitorRect()));
    CHECK(g_FullScreen == 1);
    CHECK(m_GetVideoHostWindow() == g_hWndFullScreen);
    HWND panel = m_GetControlPanel();
    REQUIRE(panel);
    CHECK(GetParent(panel) == m_Overlay_ControlHost());
    RECT panelRc;
    GetWindowRect(panel, &panelRc);
    CHECK(panelRc.right - panelRc.left == rc.right - rc.left);
    CHECK(Message() == L"FULL````SCREEN````:````MON````1");
    CHECK(g_MainWindowState.nWindowMode == 2);

    REQUIRE(m_FullScreen_Set(0, 0, 0, 1, 1, 0) == 1);
    Pump();
    CHECK(g_FullScreen == 0);
    CHECK(!IsWindowVisible(g_hWndFullScreen));
    CHECK(GetParent(panel) == g_hWndMain);
    CHECK(Same(Visible(g_hWndMain), before));
    CHECK(Message() == L"FULL````SCREEN````:````OFF");
    CHECK(g_MainWindowState.nWindowMode == 1);
    CHECK(m_GetVideoHostWindow() == g_hWndMain);
}

TEST_CASE_FIXTURE(CFullScreenFixture, "toggling, staying, and the topmost switch")
{
    g_Settings.Main_FllScrTop = 0;
    REQUIRE(m_FullScreen_Set(1, 1, 0, 0, 1, 0) == 1);
    CHECK((GetWindowLongW(g_hWndFullScreen, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
    CHECK(m_FullScreen_Set(1, 1, 0, 0, 1, 1) == 1);  // the same monitors: nothing
    CHECK(g_FullScreen == 1);
    CHECK(m_FullScreen_Set(1, 1, 0, 0, 1, 2) == 1);  // the toggle
    CHECK(g_FullScreen == 0);
    CHECK(m_FullScreen_Set(1, 1, 0, 0, 1, 2) == 1);
    CHECK(g_FullScreen == 1);
}

TEST_CASE_FIXTURE(CFullScreenFixture,
                  "a missing monitor is refused, or replaced by the main one with Rsv")
{
    const int missing = g_MonitorTable.nCount + 2;
    const std::wstring error = Text(1, missing, 0, 0);
    g_Settings.Fullscr_Rsv = 0;
    CHECK(m_FullScreen_Set(1, missing, 0, 1, 1, 0) == 0);
    CHECK(g_FullScreen == 0);
    CHECK(Message() == error);

    g_Settings.Fullscr_Rsv = 1;
    CHECK(m_FullScreen_Set(1, missing, 0, 1, 1, 0) == 1);
    CHECK(g_FullScreen == 1);
    RECT rc;
    GetWindowRect(g_hWndFullScreen, &rc);
    CHECK(Same(rc, MonitorRect()));
    CHECK(Message() == error);
}

TEST_CASE("overlay fades: 8 steps to the target, slower with FadeTest")
{
    struct {
        int percent, fadeTest, steps, delta;
    } cases[] = {{100, 0, 8, 32}, {50, 0, 8, 17}, {100, 2, 16, 16}};
    for (const auto& c : cases) {
        const int target = m_Overlay_AlphaFromPercent(c.percent);
        int alpha = 0, step = 1, n = 0;
        while (step != 0 && n < 100) {
            alpha = m_Overlay_NextAlpha(alpha, target, 1, c.fadeTest, &step);
            ++n;
            if (n == 1) CHECK(alpha == c.delta);
        }
        CAPTURE(c.percent);
        CHECK(alpha == target);
        CHECK(n == c.steps);
        alpha = m_Overlay_NextAlpha(alpha, target, 0, c.fadeTest, &step);
        CHECK(alpha == target - c.delta);
    }
    CHECK(m_Overlay_AlphaFromPercent(50) == 128);
    CHECK(m_Overlay_AlphaFromPercent(250) == 255);
    CHECK(m_Overlay_AlphaFromPercent(-5) == 0);
}

TEST_CASE_FIXTURE(CFullScreenFixture,
                  "the control bar shows near the bottom and hides after resting while playing")
{
    g_Settings.Common_HideCtrl[0] = 300;
    REQUIRE(m_FullScreen_Set(1, 0, 0, 0, 1, 0) == 1);
    const RECT strip = m_FullScreen_GetStrip(FS_STRIP_CONTROL);
    REQUIRE(strip.bottom > strip.top);
    POINT bottom = {(strip.left + strip.right) / 2, strip.bottom - 2};
    POINT middle = {bottom.x, (strip.top + m_FullScreen_GetRect().top) / 2};
    const SOVERLAY& bar = g_Overlays[OV_CONTROL];

    m_CheckCtrlBarHover(&middle, 1, 0);
    CHECK(!bar.bShown);
    m_CheckCtrlBarHover(&bottom, 1, 0);
    CHECK(bar.bShown);
    for (int i = 0; i < 8; ++i) m_Overlay_FadeStep(0);
    CHECK(bar.nAlpha == 255);
    CHECK(IsWindowVisible(bar.hWnd));

    SUBCASE("resting while playing hides it; a move shows it again")
    {
        g_PlayState = 5;
        m_CheckCtrlBarHover(&bottom, 1, 0);
        CHECK(bar.bShown);  // the rest time has not passed
        Sleep(350);
        m_CheckCtrlBarHover(&bottom, 1, 0);
        CHECK(!bar.bShown);
        for (int i = 0; i < 8; ++i) m_Overlay_FadeStep(0);
        CHECK(bar.nAlpha == 0);
        CHECK(!IsWindowVisible(bar.hWnd));
        POINT moved = {bottom.x + 5, bottom.y};
        m_CheckCtrlBarHover(&moved, 1, 0);
        CHECK(bar.bShown);
    }
    SUBCASE("paused, it never hides")
    {
        g_PlayState = 4;
        m_CheckCtrlBarHover(&bottom, 1, 0);
        Sleep(350);
        m_CheckCtrlBarHover(&bottom, 1, 0);
        CHECK(bar.bShown);
    }
    SUBCASE("leaving full screen hides every overlay at once")
    {
        m_FullScreen_Set(0, 0, 0, 0, 1, 0);
        for (const SOVERLAY& o : g_Overlays) CHECK((!o.bShown && o.nAlpha == 0));
        CHECK(!IsWindowVisible(bar.hWnd));
    }
}

TEST_CASE_FIXTURE(CFullScreenFixture,
                  "the small title and status strips stay shown by their Ctrl flags")
{
    g_Settings.Fullscr_Ctrl[0] = 1;
    g_Settings.Fullscr_Ctrl[1] = 1;
    REQUIRE(m_FullScreen_Set(1, 0, 0, 0, 1, 0) == 1);
    const RECT title = m_FullScreen_GetStrip(FS_STRIP_TITLE);
    POINT top = {(title.left + title.right) / 2, title.top + 1};
    POINT middle = {top.x, (title.bottom + m_FullScreen_GetStrip(FS_STRIP_CONTROL).top) / 2};
    m_CheckCtrlBarHover(&middle, 1, 1);
    CHECK(g_Overlays[OV_SMALLTITLE].bShown);
    CHECK(g_Overlays[OV_STATUS].bShown);
    for (int i = 0; i < 8; ++i) m_Overlay_FadeStep(0);
    CHECK(g_Overlays[OV_STATUS].nAlpha == 128);  // 50 %
    m_CheckCtrlBarHover(&top, 1, 0);
    CHECK(g_Overlays[OV_TITLEBAR].bShown);
    CHECK(!g_Overlays[OV_SMALLTITLE].bShown);
}

TEST_CASE_FIXTURE(CFullScreenFixture,
                  "the controller bars mode: held in range, shown over the video, saved")
{
    CHECK(m_OSD_NormaliseMode(3) == 0);
    CHECK(m_OSD_NormaliseMode(-1) == 2);
    CHECK(m_OSD_NormaliseMode(1) == 1);
    g_Settings.Osc_TmSeek = 200;
    g_Settings.Osc_SizeTi = 48;
    g_Settings.Osc_SizeTm = 32;

    m_OSD_SetMode(1, 1);
    REQUIRE(g_OsdBars.m_GetHwnd());
    CHECK(IsWindowVisible(g_OsdBars.m_GetHwnd()));
    CHECK(Message() == L"OSD : ON");
    CHECK(GetPrivateProfileIntW(L"Osc", L"Mode", -1, g_IniPath) == 1);
    // The bars do not belong to the main window: it could no longer be
    // made topmost under Wine.
    CHECK(GetWindow(g_OsdBars.m_GetHwnd(), GW_OWNER) != g_hWndMain);

    REQUIRE(m_FullScreen_Set(1, 0, 0, 0, 1, 0) == 1);
    RECT bars;
    GetWindowRect(g_OsdBars.m_GetHwnd(), &bars);
    CHECK(Same(bars, m_FullScreen_GetRect()));
    CHECK((GetWindowLongW(g_OsdBars.m_GetHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    for (int i = 0; i < 30; ++i) {
        Pump();
        Sleep(20);
    }
    CHECK(g_OsdBars.m_IsTopShown());
    CHECK(g_OsdBars.m_IsBottomShown());
    CHECK(g_OsdBars.m_GetTopAlpha() > 0);
    CHECK(g_OsdBars.m_GetBottomAlpha() > 0);
    CHECK(g_OsdBars.m_LastUpdateOk());

    m_OSD_SetMode(7, 1);
    CHECK(g_Settings.Osc_Mode == 0);
    CHECK(!IsWindowVisible(g_OsdBars.m_GetHwnd()));
    CHECK(Message() == L"OSD : OFF");
    CHECK(GetPrivateProfileIntW(L"Osc", L"Mode", -1, g_IniPath) == 0);
    DestroyWindow(g_OsdBars.m_GetHwnd());
}

TEST_CASE_FIXTURE(CFullScreenFixture,
                  "the title bar: a right click asks for its menu, a double click leaves")
{
    REQUIRE(m_FullScreen_Set(1, 0, 0, 0, 1, 0) == 1);
    HWND title = g_Overlays[OV_TITLEBAR].hWnd;
    REQUIRE(title);
    int before = 0, after = 0;
    m_LastPopupMenuId(&before);
    // The menu runs its own loop: closed as soon as it is open.
    const UINT_PTR closer = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
        if (g_MenuManager.m_IsMenuActive()) g_MenuManager.m_CloseMenus();
    });
    SendMessageW(title, WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    KillTimer(nullptr, closer);
    CHECK(m_LastPopupMenuId(&after) == 2374u);
    CHECK(after == before + 1);
    CHECK(g_FullScreen == 1);
    SendMessageW(title, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));
    CHECK(g_FullScreen == 0);
}
