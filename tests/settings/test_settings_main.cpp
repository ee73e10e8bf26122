#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "playback/VolumeControl.h"

namespace {

std::vector<int> Ints(const int* f, int n) { return std::vector<int>(f, f + n); }

int s_TimerFired;

// Stands in for the main window: timer 10 runs the delayed [Main] save.
LRESULT CALLBACK TestMainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == kMainSaveTimerId) {
        ++s_TimerFired;
        m_Settings_WriteMain(0, g_MainSavePending);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateTestMainWindow(int x, int y, int w, int h)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = TestMainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvSettingsMainTest";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, x, y, w, h, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

void PumpFor(DWORD ms)
{
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

// The file as it is after reading [Main] and taking the saved copy.
void ReadMain()
{
    m_Settings_ReadMain();
    m_Settings_SnapshotMain();
}

}  // namespace

TEST_CASE("the volume is written with no more decimals than it needs and read back")
{
    CSettingsFixture ini;
    struct {
        int hundredths;
        const wchar_t* text;
    } cases[] = {{3000, L"30"}, {3050, L"30.5"}, {3055, L"30.55"},
                 {5, L"0.05"},  {10000, L"100"}, {0, L"0"}};
    for (const auto& c : cases) {
        CAPTURE(c.hundredths);
        g_MainWindowState.nVolume = c.hundredths;
        m_Settings_WriteMain(1, MAIN_GROUP_VOLUME);
        CHECK(ini.Get(L"Main", L"Vol") == c.text);
        g_MainWindowState.nVolume = -1;
        m_Settings_ReadMain();
        CHECK(g_MainWindowState.nVolume == c.hundredths);
    }
}

TEST_CASE("volume texts are read to the nearest hundredth and held within 0..10000")
{
    CSettingsFixture ini;
    struct {
        const wchar_t* text;
        int hundredths;
    } cases[] = {{L"30.555", 3056}, {L"7.5x", 750},  {L"abc", 0},
                 {L"-5", 0},        {L"150", 10000}, {L"99999999999999", 10000},
                 {L"1e300", 100}};
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.text));
        std::wstring text = L"[Main]\r\nVol=" + std::wstring(c.text) + L"\r\n";
        ini.Write(text.c_str());
        m_Settings_ReadMain();
        CHECK(g_MainWindowState.nVolume == c.hundredths);
    }
}

TEST_CASE("a decimal comma of the user's locale does not change the volume")
{
    CSettingsFixture ini;
    if (!_wsetlocale(LC_NUMERIC, L"German")) return;
    ini.Write(L"[Main]\r\nVol=30.5\r\n");
    m_Settings_ReadMain();
    CHECK(g_MainWindowState.nVolume == 3050);
    g_MainWindowState.nVolume = 3055;
    m_Settings_WriteMain(1, MAIN_GROUP_VOLUME);
    CHECK(ini.Get(L"Main", L"Vol") == L"30.55");
    _wsetlocale(LC_NUMERIC, L"C");
}

TEST_CASE("[Main] defaults and forms")
{
    CSettingsFixture ini;
    const SMAINWINDOWSTATE& s = g_MainWindowState;

    SUBCASE("no file")
    {
        m_Settings_ReadMain();
        CHECK(Ints(s.nCtrl, 4) == std::vector<int>{1, 1, 1, 1});
        CHECK(s.nVolume == 3000);
        CHECK(s.nPower == 10000);
        CHECK(s.nRepeat == 1);
        CHECK(s.nRangeRepeat == 1);
        CHECK(s.nTimeMode == 4);
        CHECK(s.nHideButtons == 3);
        CHECK(s.nWindowMode == 1);
        CHECK(s.bMaximized == 0);
        CHECK(s.nLauncherRoot == -1);
        CHECK(s.nLauncherRate == 150);
        CHECK(s.nLauncherTimer == -60);
        CHECK(s.bLauncherTimerOn == 0);
        CHECK(Ints(&s.nLeft, 4) == std::vector<int>{-1, -1, 855, 555});
    }
    SUBCASE("values")
    {
        ini.Write(
            L"[Main]\r\nTime=2,15\r\nWnd=2,3-1\r\nLtTmr=30,1\r\nRpt=3\r\nList=-3\r\nCtrl=0,,1\r\n");
        m_Settings_ReadMain();
        CHECK(s.nTimeMode == 2);
        CHECK(Ints(s.nTimeFlags, 5) == std::vector<int>{1, 0, 1, 0, 1});
        CHECK(s.nWindowMode == 2);
        CHECK(s.nFullMonitor == 3);
        CHECK(s.nFullSub == 1);
        CHECK(s.nLauncherTimer == 30);
        CHECK(s.bLauncherTimerOn == 1);
        CHECK(s.nRepeat == 3);
        CHECK(s.nRangeRepeat == 1);
        CHECK(s.nPlaylistWindow == -3);
        CHECK(Ints(s.nCtrl, 4) == std::vector<int>{0, 1, 1, 1});
    }
    SUBCASE("repeat modes out of range read as the defaults")
    {
        const struct {
            const wchar_t* text;
            int repeat, range;
        } rows[] = {
            {L"9,9", 1, 1}, {L"-1,-2", 1, 1}, {L"4,3", 4, 3}, {L"5,4", 1, 1}, {L"0,0", 0, 0}};
        for (const auto& r : rows) {
            CAPTURE(std::wstring(r.text));
            ini.Write((L"[Main]\r\nRpt=" + std::wstring(r.text) + L"\r\n").c_str());
            m_Settings_ReadMain();
            CHECK(s.nRepeat == r.repeat);
            CHECK(s.nRangeRepeat == r.range);
        }
    }
}

TEST_CASE("the window mode is written in its short or long form")
{
    CSettingsFixture ini;
    g_Settings.Fullscr_Mon[0] = 2;
    g_Settings.Fullscr_Mon[1] = 0;
    struct {
        int mode, maximized, monitor, sub;
        const wchar_t* text;
    } cases[] = {
        {1, 0, 0, 0, L"0"},   {1, 1, 0, 0, L"1"},     {2, 0, 2, 0, L"2"},
        {2, 0, 3, 0, L"2,3"}, {2, 0, 3, 1, L"2,3-1"},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.text));
        SMAINWINDOWSTATE& s = g_MainWindowState;
        s.nWindowMode = c.mode;
        s.bMaximized = c.maximized;
        s.nFullMonitor = c.monitor;
        s.nFullSub = c.sub;
        m_Settings_WriteMain(1, MAIN_GROUP_WINDOW);
        CHECK(ini.Get(L"Main", L"Wnd") == c.text);
        s = SMAINWINDOWSTATE{};
        m_Settings_ReadMain();
        CHECK(s.nWindowMode == c.mode);
        CHECK(s.bMaximized == c.maximized);
        if (c.text[1]) CHECK(s.nFullMonitor == c.monitor);
        CHECK(s.nFullSub == (c.text[1] ? c.sub : 0));
    }
}

TEST_CASE("an unforced [Main] write writes only the groups that changed")
{
    CSettingsFixture ini;
    ini.Write(L"[Main]\r\nVer=90690\r\n");
    ReadMain();
    g_MainWindowState.nRepeat = 4;
    g_MainWindowState.nTimeFlags[1] = 1;
    m_Settings_WriteMain(0, MAIN_GROUP_ALL);
    CHECK(ini.Get(L"Main", L"Rpt") == L"4,1");
    CHECK(ini.Get(L"Main", L"Time") == L"4,2");
    CHECK(ini.Get(L"Main", L"Vol") == L"<none>");
    CHECK(ini.Get(L"Main", L"Top") == L"<none>");
    CHECK(ini.Get(L"Main", L"LnchRt") == L"<none>");
    CHECK(ini.Get(L"Main", L"Pos") == L"<none>");

    // a forced write writes every group and the start-up switches that are set
    g_Settings.Main_ErrLog = 1;
    m_Settings_WriteMain(1, MAIN_GROUP_ALL);
    CHECK(ini.Get(L"Main", L"Vol") == L"30");
    CHECK(ini.Get(L"Main", L"LnchRt") == L"-1");
    CHECK(ini.Get(L"Main", L"ErrLog") == L"1");
    CHECK(ini.Get(L"Main", L"Test") == L"<none>");
}

TEST_CASE("the version is written unless the file already held the current one")
{
    CSettingsFixture ini;
    ini.Write(L"[Main]\r\nVer=90650\r\n");
    ReadMain();
    m_Settings_WriteMain(0, MAIN_GROUP_VERSION);
    CHECK(ini.Get(L"Main", L"Ver") == L"90690");
}

TEST_CASE("window placement")
{
    CSettingsFixture ini;
    ReadMain();
    SMAINWINDOWSTATE& s = g_MainWindowState;
    s.nLeft = 10;
    s.nTop = 20;
    s.nWidth = 300;
    s.nHeight = 200;

    SUBCASE("with HoldPos off only a forced write stores it")
    {
        g_Settings.Common_HoldPos = 0;
        m_Settings_WriteMain(0, MAIN_GROUP_PLACEMENT);
        CHECK(ini.Get(L"Main", L"Pos") == L"<none>");
        m_Settings_WriteMain(1, MAIN_GROUP_PLACEMENT);
        CHECK(ini.Get(L"Main", L"Pos") == L"10,20,300,200");
    }
    SUBCASE("with HoldPos on it is taken from the window without its invisible border")
    {
        g_Settings.Common_HoldPos = 1;
        g_hWndMain = CreateTestMainWindow(100, 120, 400, 300);
        REQUIRE(g_hWndMain);
        m_Settings_WriteMain(0, MAIN_GROUP_PLACEMENT);
        CHECK(ini.Get(L"Main", L"Pos") == L"107,120,386,293");
        // unchanged: not written again
        WritePrivateProfileStringW(L"Main", L"Pos", nullptr, g_IniPath);
        m_Settings_WritePlacement(0, 1);
        CHECK(ini.Get(L"Main", L"Pos") == L"<none>");
        DestroyWindow(g_hWndMain);
        g_hWndMain = nullptr;
    }
}

TEST_CASE("volume changes within 2 seconds end in one save 2 seconds after the last")
{
    CSettingsFixture ini;
    g_hWndMain = CreateTestMainWindow(0, 0, 200, 100);
    REQUIRE(g_hWndMain);
    ReadMain();
    s_TimerFired = 0;

    // before start-up has finished a change is not saved
    m_Volume_ShowText(1000, 0);
    PumpFor(2300);
    CHECK(s_TimerFired == 0);
    CHECK(ini.Get(L"Main", L"Vol") == L"<none>");

    m_Settings_SetStartupDone();
    m_Volume_ShowText(2000, 0);
    PumpFor(500);
    m_Volume_ShowText(2500, 0);
    PumpFor(500);
    m_Volume_ShowText(3050, 0);
    PumpFor(1500);
    CHECK(s_TimerFired == 0);
    CHECK(ini.Get(L"Main", L"Vol") == L"<none>");
    PumpFor(1000);
    CHECK(s_TimerFired == 1);
    CHECK(ini.Get(L"Main", L"Vol") == L"30.5");
    CHECK(g_MainSavePending == 0);
    PumpFor(2300);
    CHECK(s_TimerFired == 1);

    DestroyWindow(g_hWndMain);
    g_hWndMain = nullptr;
}
