// The texts of the time and state panes, the window title, and the time
// display putting them on a real status bar.
#include <doctest/doctest.h>

#include <string>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/TimeDisplay.h"
#include "app/WindowTitle.h"
#include "controls/Statusbar.h"
#include "playback/MediaPath.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kMin = 60 * 1000;

STIMEFACTS Playing(int posMs, int durMs)
{
    STIMEFACTS f = {};
    f.bFileOpen = 1;
    f.nPlayState = 5;
    f.nPositionMs = posMs;
    f.nDurationMs = durMs;
    f.nRate = 100;
    f.nVolume = 10000;
    return f;
}

std::wstring TimeText(const STIMEFACTS& f, const STIMEOPTIONS& o)
{
    wchar_t out[128];
    m_ComposeTimeText(f, o, out, 128, nullptr, nullptr);
    return out;
}

std::wstring StateText(const STIMEFACTS& f)
{
    wchar_t out[64];
    m_ComposeStateText(f, out, 64);
    return out;
}

HWND MakeWindow()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvTimeTestHost";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"ZvTimeTestHost", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 24, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

TEST_CASE("time texts by mode: elapsed, remaining, both, the switch at half and hours")
{
    struct {
        int mode, pos, dur;
        const wchar_t* text;
    } cases[] = {
        {0, 83000, 10 * kMin, L"1:23``/``10:00"},
        {1, 83000, 10 * kMin, L"-8:37``/``10:00"},
        {2, 5 * kMin, 10 * kMin, L"5:00``/``10:00"},
        {2, 5 * kMin + 1000, 10 * kMin, L"-4:59``/``10:00"},
        {3, 83000, 10 * kMin, L"1:23``/``-8:37"},
        {4, 83000, 10 * kMin, L"1:23```(`-8:37`)``/``10:00"},
        {0, 1500, 10 * kMin, L"0:01``/``10:00"},
        {1, 1500, 10 * kMin, L"-9:59``/``10:00"},
        {0, 0, 59 * kMin + 59000, L"0:00``/``59:59"},
        {0, 3605000, 60 * kMin, L"1:00:05``/``1:00:00"},
        {4, 11000, 0, L"0:11"},
        {0, 11000, 999, L"0:11"},
        {7, 83000, 10 * kMin, L"1:23``/``10:00"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.mode);
        CAPTURE(c.pos);
        STIMEOPTIONS o = {};
        o.nMode = c.mode;
        CHECK(TimeText(Playing(c.pos, c.dur), o) == c.text);
    }
    STIMEOPTIONS ms = {};
    ms.bMilliseconds = 1;
    CHECK(TimeText(Playing(83456, 10 * kMin), ms) == L"1:23.456``/``10:00");
    CHECK(TimeText(Playing(3605456, 2 * 60 * kMin), ms) == L"1:00:05.456``/``2:00:00");
}

TEST_CASE("the remaining time adds up with the shown times and the end shows the total")
{
    // A length of 15.5 s shows as 0:15, so 0:16 may never be left.
    struct {
        int pos, dur, nearEnd;
        const wchar_t* text;
    } cases[] = {
        {0, 15500, 0, L"0:00```(`-0:15`)``/``0:15"},
        {600, 15500, 0, L"0:00```(`-0:15`)``/``0:15"},
        {1000, 15500, 0, L"0:01```(`-0:14`)``/``0:15"},
        {14900, 15000, 0, L"0:14```(`-0:01`)``/``0:15"},
        {14800, 15000, 1, L"0:15```(`-0:00`)``/``0:15"},
        {16000, 15000, 0, L"0:16```(`-0:00`)``/``0:15"},
        {3599999, 3600000, 0, L"59:59```(`-0:01`)``/``1:00:00"},
        {0, 3599999, 0, L"0:00```(`-59:59`)``/``59:59"},
    };
    STIMEOPTIONS o = {};
    o.nMode = 4;
    for (const auto& c : cases) {
        CAPTURE(c.pos);
        CAPTURE(c.dur);
        STIMEFACTS f = Playing(c.pos, c.dur);
        f.bNearEnd = c.nearEnd;
        CHECK(TimeText(f, o) == c.text);
    }
}

TEST_CASE("time references: play range with its marks, chapter, checked chapters, real time")
{
    STIMEOPTIONS o = {};
    STIMEFACTS f = Playing(5000, kMin);
    f.bRangeActive = 1;
    f.nRangeStartMs = 10000;
    f.nRangeEndMs = -1;
    f.nChapterCount = 3;
    f.nChapterStartMs = 30000;
    f.nChapterLengthMs = 20000;
    f.bSomeChaptersChecked = 1;
    f.nCheckedLengthMs = 40000;
    f.nUncheckedBeforeMs = 20000;
    CHECK(TimeText(f, o) == L"0:05``/``1:00");

    o.bRangeTime = o.bChapterTime = o.bCheckedTime = 1;
    int sec = 0, mark = 0;
    wchar_t out[128];
    m_ComposeTimeText(f, o, out, 128, &sec, &mark);
    CHECK(std::wstring(out) == L"R`:`<``0:00``/``0:50");
    CHECK(mark == -1);
    f.nPositionMs = 9950;
    CHECK(TimeText(f, o) == L"R`:`0:00``/``0:50");
    f.nPositionMs = 20000;
    CHECK(TimeText(f, o) == L"R`:`0:10``/``0:50");
    f.nRangeEndMs = 40000;
    f.nPositionMs = 40101;
    m_ComposeTimeText(f, o, out, 128, &sec, &mark);
    CHECK(std::wstring(out) == L"R`:`>``0:30``/``0:30");
    CHECK(mark == 1);
    CHECK(sec == 30);

    o.bRangeTime = 0;
    f.nPositionMs = 45000;
    CHECK(TimeText(f, o) == L"C`:`0:15``/``0:20");
    f.nChapterCount = 1;
    CHECK(TimeText(f, o) == L"E`:`0:25``/``0:40");
    o.bCheckedTime = 0;
    CHECK(TimeText(f, o) == L"0:45``/``1:00");

    STIMEFACTS fast = Playing(0, 100000);
    fast.nRate = 200;
    o = {};
    o.nMode = 1;
    CHECK(TimeText(fast, o) == L"-1:40``/``1:40");
    o.bRealRemaining = 1;
    CHECK(TimeText(fast, o) == L"-1:40``>`-0:50``/``1:40");
}

TEST_CASE("the volume text follows the time or stands alone")
{
    STIMEOPTIONS o = {};
    o.bShowVolume = 1;
    STIMEFACTS f = Playing(83000, 10 * kMin);
    CHECK(TimeText(f, o) == L"1:23``/``10:00````^`100%");
    f.nVolume = 5049;
    CHECK(TimeText(f, o) == L"1:23``/``10:00````^````50%");
    f.bMuted = 1;
    CHECK(TimeText(f, o) == L"1:23``/``10:00````^````MUTE");
    wchar_t out[8];
    m_ComposeVolumeText(f, out, 8);
    CHECK(std::wstring(out) == L"^````MU");
}

TEST_CASE("state texts by play state, hold, rate and a still picture")
{
    struct {
        int state, held, rate, waiting, marker;
        const wchar_t* text;
    } cases[] = {
        {0, 0, 100, 0, 0, L"NO````FILE"},
        {0, 0, 100, 1, 0, L"READY````FILE"},
        {1, 0, 100, 0, 1, L"NO````FILE"},
        {1, 0, 100, 0, 0, L""},
        {2, 0, 100, 0, 0, L"LOADING`..."},
        {3, 0, 100, 0, 0, L"STOPPED"},
        {4, 0, 100, 0, 0, L"PAUSED"},
        {5, 0, 100, 0, 0, L"PLAYING"},
        {5, 1, 100, 0, 0, L"PLAYING`."},
        {5, 0, 125, 0, 0, L"PLAYING```(`*1.25`)"},
        {5, 0, 120, 0, 0, L"PLAYING```(`*1.2`)"},
        {5, 1, 50, 0, 0, L"PLAYING`.```(`*0.5`)"},
        {9, 0, 100, 0, 0, L""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.state);
        CAPTURE(c.rate);
        STIMEFACTS f = {};
        f.nPlayState = c.state;
        f.bHeld = c.held;
        f.nRate = c.rate;
        f.bFileWaiting = c.waiting;
        f.bOpenedMarker = c.marker;
        CHECK(StateText(f) == c.text);
    }
    STIMEFACTS picture = Playing(0, 0);
    picture.bPicture = 1;
    CHECK(StateText(picture) == L"PICTURE");
}

TEST_CASE("window titles: product only, one file, a list, the jump-list view, cut to the buffer")
{
    wchar_t title[300], full[256];
    STITLEFACTS f = {};
    f.nPlayingIndex = -1;
    f.nJumpListEntry = -1;
    m_ComposeWindowTitle(f, title, 300, full, 256);
    CHECK(std::wstring(title) == L"ZENTAVIO");
    CHECK(std::wstring(full) == L"ZENTAVIO");

    f.customTitle = L"My Player";
    f.bFileOpen = 1;
    f.mediaPath = L"C:\\Videos\\clip one.mp4";
    f.nTrackCount = 1;
    f.nPlayingIndex = 0;
    m_ComposeWindowTitle(f, title, 300, full, 256);
    CHECK(std::wstring(title) == L"clip one.mp4 - My Player");
    CHECK(std::wstring(full) == L"clip one.mp4");

    f.customTitle = L"";
    f.nTrackCount = 12;
    f.nPlayingIndex = 2;
    m_ComposeWindowTitle(f, title, 300, full, 256);
    CHECK(std::wstring(title) == L"[3/12] clip one.mp4 - ZENTAVIO");
    CHECK(std::wstring(full) == L"[3/12] clip one.mp4");

    f.bJumpListShown = 1;
    f.nJumpListEntry = 6;
    f.jumpListMediaPath = L"D:\\b\\other.avi";
    m_ComposeWindowTitle(f, title, 300, full, 256);
    CHECK(std::wstring(title) == L"[7/12] other.avi - ZENTAVIO");

    m_ComposeWindowTitle(f, title, 10, full, 4);
    CHECK(std::wstring(title) == L"[7/12] ot");
    CHECK(std::wstring(full) == L"[7/");
}

TEST_CASE("the time display fills both panes of the main bar and the title follows the file")
{
    HWND host = MakeWindow();
    g_StatusBar.m_Create(host, IDC_STATUSBAR);
    MoveWindow(g_StatusBar.m_GetHwnd(), 0, 0, 400, 24, FALSE);
    g_MainWindowState.nCtrl[2] = 1;
    g_MainWindowState.nTimeFlags[4] = 1;
    g_MainWindowState.nVolume = 3000;
    g_PlayState = 0;
    g_PendingPath[0] = 0;
    m_UpdateTimeDisplay(1);
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_LEFT)) == L"NO````FILE");
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_RIGHT)) == L"^````30%");

    lstrcpynW(g_PendingPath, L"C:\\a.avi", MAX_PATH);
    m_UpdateTimeDisplay(0);
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_LEFT)) == L"NO````FILE");
    m_UpdateTimeDisplay(1);
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_LEFT)) == L"READY````FILE");

    g_PlayState = 3;
    g_MainWindowState.nTimeFlags[4] = 0;
    m_UpdateTimeDisplay(0);
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_LEFT)) == L"STOPPED");
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_RIGHT)) == L"0:00");

    g_hWndMain = host;
    lstrcpynW(g_MediaPath, L"C:\\Videos\\clip.mp4", MAX_PATH);
    m_UpdateWindowTitle();
    wchar_t title[64];
    GetWindowTextW(host, title, 64);
    CHECK(std::wstring(title) == L"clip.mp4 - ZENTAVIO");
    CHECK(std::wstring(g_FullScreenTitle) == L"clip.mp4");
    g_PlayState = 0;
    m_UpdateWindowTitle();
    GetWindowTextW(host, title, 64);
    CHECK(std::wstring(title) == L"ZENTAVIO");

    g_hWndMain = nullptr;
    g_StatusBar.m_DestroyWindow();
    DestroyWindow(host);
}
