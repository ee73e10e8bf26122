// The full-screen window's own answers and what goes along with full
// screen: the idle area's text and colours, the video-out notice's state,
// the keep flags, the hover on activation, the pointer shape and the
// z-order bands of the tooltips and tool windows.
#include <doctest/doctest.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/ControlTooltips.h"
#include "app/FullScreenPeers.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/Overlay.h"
#include "app/ToolWindows.h"
#include "app/VideoOutIndicator.h"
#include "playback/PlayState.h"
#include "settings/SettingsMain.h"

namespace {

int IsTopmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// a comes before b in the z-order of the top-level windows.
int IsAbove(HWND a, HWND b)
{
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == b) return 1;
    return 0;
}

class CFullScreenWindowFixture : public CMainWindowFixture {
public:
    CFullScreenWindowFixture()
    {
        g_Settings.Main_FllScrTop = 1;
        g_Settings.Fullscr_Rsv = 1;
        g_Settings.Fullscr_Fade[0] = 0;
        g_Settings.Fullscr_CtrlAlp[0] = 100;
        g_Settings.Fullscr_CtrlAlp[1] = 50;
        g_Settings.Ctrl_Stt = 20;
        g_Settings.Ctrl_Font = 2;
        g_PlayState = 0;
        m_LayoutClientArea(-1, -1);
    }
    ~CFullScreenWindowFixture()
    {
        if (g_FullScreen) m_FullScreen_Set(0, 0, 0, 0, 0, 0);
        m_FullScreen_Destroy();
        g_MediaOpen = 0;
        g_MediaKind = MEDIA_KIND_NONE;
        g_PlayState = 0;
    }
};

}  // namespace

TEST_CASE("the idle text and colour by file, kind and loading")
{
    struct {
        SIDLEFACTS f;
        const wchar_t* text;
        ARGB back;
    } cases[] = {
        {{0, 0, 0, MEDIA_KIND_NONE, 0}, L"ZENTAVIO", 0xFF000000},
        {{0, 1, 0, MEDIA_KIND_NONE, 1}, nullptr, 0xFF000000},  // loading: no text
        {{1, 0, 1, MEDIA_KIND_AUDIO, 0}, L"AUDIO ONL@Y", 0xFF000000},
        {{1, 0, 0, MEDIA_KIND_AUDIO, 1}, L"AUDIO ONL@Y", 0xFF303030},  // dim, not playing
        {{1, 0, 1, MEDIA_KIND_AUDIO, 1}, L"AUDIO ONL@Y", 0xFF000000},  // dim, playing
        {{1, 0, 0, MEDIA_KIND_VIDEO, 0}, nullptr, 0xFF000000},
        {{0, 0, 0, MEDIA_KIND_NONE, 1}, L"ZENTAVIO", 0xFF000000},  // dim needs a file
    };
    for (const auto& c : cases) {
        const wchar_t* text = m_IdleText(c.f);
        CHECK(std::wstring(text ? text : L"-") == std::wstring(c.text ? c.text : L"-"));
        CHECK(m_IdleBackColour(c.f, 0xFF000000, 0xFF303030) == c.back);
    }
}

TEST_CASE("the idle text's alpha in full screen follows CtrlAlp and the Ctrl flags")
{
    const int alp[3] = {100, 50, 50};
    const int none[2] = {0, 0}, title[2] = {1, 0}, status[2] = {0, 1};
    CHECK(m_IdleTextAlpha(none, alp) == 255);
    CHECK(m_IdleTextAlpha(title, alp) == 128);
    CHECK(m_IdleTextAlpha(status, alp) == 128);
    const int over[3] = {150, 0, 0};
    CHECK(m_IdleTextAlpha(none, over) == 255);
}

TEST_CASE("the video-out notice shows only for an uncovered video on another monitor")
{
    struct {
        int out, video, covered, shown;
    } cases[] = {{1, 1, 0, 1}, {0, 1, 0, 0}, {1, 0, 0, 0}, {1, 1, 1, 0}};
    for (const auto& c : cases) {
        SVIDEOOUTFACTS f = {};
        f.bVideoOutFullScreen = c.out;
        f.bVideo = c.video;
        f.bCovered = c.covered;
        CHECK(m_VideoOutShown(f) == c.shown);
    }
}

TEST_CASE("the Mlt keep flags hold only on another monitor")
{
    const int mlt[3] = {0, 1, 0};
    int launcher = -1, jumpList = -1;
    m_FullScreen_KeepFlagsFor(1, mlt, &launcher, &jumpList);
    CHECK((launcher == 1 && jumpList == 0));
    m_FullScreen_KeepFlagsFor(0, mlt, &launcher, &jumpList);
    CHECK((launcher == 0 && jumpList == 0));
}

TEST_CASE("a click activation from elsewhere starts the hover delay")
{
    CHECK(m_FullScreen_HoverOnActivate(WA_CLICKACTIVE, 0, 1, 300) == 1);
    CHECK(m_FullScreen_HoverOnActivate(WA_ACTIVE, 0, 1, 300) == 0);
    CHECK(m_FullScreen_HoverOnActivate(WA_CLICKACTIVE, 1, 1, 300) == 0);
    CHECK(m_FullScreen_HoverOnActivate(WA_CLICKACTIVE, 0, 0, 300) == 0);
    CHECK(m_FullScreen_HoverOnActivate(WA_CLICKACTIVE, 0, 1, 0) == 0);
}

TEST_CASE_FIXTURE(CFullScreenWindowFixture,
                  "tooltips go topmost with full screen, tool windows leave that band after it")
{
    m_CreateToolTips(TOOLTIP_GROUP_MAIN);
    HWND tips = m_GetToolTips(TOOLTIP_GROUP_MAIN);
    REQUIRE(tips);
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    HWND playlist = g_Playlist.m_GetWindow();
    REQUIRE(playlist);

    REQUIRE(m_FullScreen_Set(1, 0, 0, 0, 1, 0) == 1);
    Pump();
    CHECK(IsTopmost(tips));
    CHECK(IsAbove(tips, g_hWndFullScreen));
    // The main window's own monitor keeps nothing in the main window.
    CHECK(m_GetLauncherHostWindow() == g_hWndFullScreen);
    SetWindowPos(playlist, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    REQUIRE(IsTopmost(playlist));

    REQUIRE(m_FullScreen_Set(0, 0, 0, 0, 1, 0) == 1);
    Pump();
    CHECK(!IsTopmost(playlist));
    CHECK(m_GetLauncherHostWindow() == g_hWndMain);
}

TEST_CASE_FIXTURE(CFullScreenWindowFixture, "the hand pointer over full screen")
{
    REQUIRE(m_FullScreen_Set(1, 0, 0, 0, 1, 0) == 1);
    Pump();
    CHECK(m_FullScreen_PointerState() == 1);
    m_FullScreen_SetHandPointer(1);
    CHECK(m_FullScreen_PointerState() == 2);
    CHECK(SendMessageW(g_hWndFullScreen, WM_SETCURSOR, (WPARAM)g_hWndFullScreen,
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == TRUE);
    CHECK(GetCursor() == LoadCursorW(nullptr, IDC_HAND));
    m_FullScreen_SetHandPointer(0);
}

TEST_CASE_FIXTURE(CFullScreenWindowFixture,
                  "the video-out notice follows full screen on another monitor and the media")
{
    g_MediaOpen = 1;
    g_MediaKind = MEDIA_KIND_VIDEO;
    g_PlayState = 4;
    g_FullScreen = 1;
    g_FullScreenOtherMonitor = 1;
    g_MainWindowState.nFullMonitor = 2;
    g_MainWindowState.nFullSub = 0;
    CHECK(m_VideoOutIndicator(0) == 1);
    g_MediaKind = MEDIA_KIND_AUDIO;
    CHECK(m_VideoOutIndicator(0) == 0);
    g_MediaKind = MEDIA_KIND_VIDEO;
    g_FullScreenOtherMonitor = 0;
    CHECK(m_VideoOutIndicator(0) == 0);
    g_FullScreen = 0;
}
