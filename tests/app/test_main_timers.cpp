#include <doctest/doctest.h>

#include <windows.h>

#include "app/AppMessages.h"
#include "app/ExitRequest.h"
#include "app/MMTimerRelay.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "commands/CommandHandlers.h"
#include "playback/PlayState.h"
#include "../settings/SettingsFixture.h"
#include "options/OptionDlgState.h"
#include "playback/VolumeControl.h"

namespace {

int g_Ticks[70];

// The main window procedure, counting the timer ticks it is given.
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam < 70) ++g_Ticks[wParam];
    return MainWndProc(hwnd, msg, wParam, lParam);
}

HWND CreateMain()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvTimersTest";
    RegisterClassW(&wc);
    ZeroMemory(g_Ticks, sizeof(g_Ticks));
    g_hWndMain = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                 nullptr, nullptr, wc.hInstance, nullptr);
    return g_hWndMain;
}

void Pump(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT) DispatchMessageW(&msg);
        Sleep(5);
    }
}

int QueuedTicks(UINT id)
{
    int count = 0;
    MSG msg;
    while (PeekMessageW(&msg, g_hWndMain, WM_TIMER, WM_TIMER, PM_REMOVE))
        if (msg.wParam == id) ++count;
    return count;
}

void DestroyMain()
{
    if (IsWindow(g_hWndMain)) DestroyWindow(g_hWndMain);
    g_hWndMain = nullptr;
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace

TEST_CASE("the multimedia relay ticks as timer 45, never floods, and restarts on the UI thread")
{
    REQUIRE(CreateMain());
    g_MMTimerRequestMs = 10;
    m_SetMMTimer(10);
    CHECK(m_MMTimer_GetInterval() == 10);
    Pump(500);
    CHECK(g_Ticks[kTimerMMRelay] > 10);

    // A UI thread that does not pump finds one tick waiting, not a pile.
    Sleep(300);
    CHECK(QueuedTicks(kTimerMMRelay) == 1);

    // Its first tick after the request is handled restarts it on this thread.
    SendMessageW(g_hWndMain, WM_TIMER, kTimerMMRelay, 0);
    g_MMTimerRequestMs = 50;
    Pump(200);
    CHECK(m_MMTimer_GetInterval() == 50);

    g_MMTimerRequestMs = 0;
    Pump(200);
    CHECK(m_MMTimer_GetInterval() == 0);
    g_Ticks[kTimerMMRelay] = 0;
    Pump(200);
    CHECK(g_Ticks[kTimerMMRelay] == 0);

    // The window's end stops a running relay.
    m_SetMMTimer(10);
    DestroyMain();
    CHECK(m_MMTimer_GetInterval() == 0);
}

TEST_CASE("timer 0 takes the period the time display asks for at its next tick")
{
    REQUIRE(CreateMain());
    g_TimeTimerRequestMs = 30;
    m_OnTimer(kTimerTimeDisplay);
    CHECK(m_TimeTimer_GetPeriod() == 30);
    Pump(300);
    CHECK(g_Ticks[kTimerTimeDisplay] >= 4);

    g_TimeTimerRequestMs = 0;
    Pump(100);
    CHECK(m_TimeTimer_GetPeriod() == 0);
    g_Ticks[kTimerTimeDisplay] = 0;
    Pump(150);
    CHECK(g_Ticks[kTimerTimeDisplay] == 0);
    DestroyMain();
}

TEST_CASE("one-shot timers end on their first tick; unknown ids are ignored")
{
    REQUIRE(CreateMain());
    const UINT oneShots[] = {kTimerSeekFirst, kTimerSeekEnd, kTimerSizeMessage, kTimerTrackResume,
                             kTimerAudDevSave};
    for (UINT id : oneShots) SetTimer(g_hWndMain, id, 20, nullptr);
    SetTimer(g_hWndMain, 7, 20, nullptr);
    SetTimer(g_hWndMain, 65, 20, nullptr);
    Pump(300);
    for (UINT id : oneShots) {
        CAPTURE(id);
        CHECK(g_Ticks[id] == 1);
    }
    CHECK(g_Ticks[7] > 1);
    CHECK(g_Ticks[65] > 1);
    CHECK(IsWindow(g_hWndMain));
    DestroyMain();
}

TEST_CASE("a continuous seek whose key-up was lost ends at the next repeat tick")
{
    CSettingsFixture ini;
    REQUIRE(CreateMain());
    g_Settings.Common_SeekCnt = 30;
    g_MediaOpen = 1;
    g_MediaKind = MEDIA_KIND_VIDEO;
    // F13 is never held here: as if its release had gone astray.
    m_StartContinuousSeek(1000, VK_F13, 0, 20, 20, 0);
    g_MediaOpen = 0;
    g_MediaKind = MEDIA_KIND_NONE;
    CHECK(m_ContinuousSeek_HoldKey() == VK_F13);
    Pump(300);
    CHECK(g_Ticks[kTimerSeekRepeat] == 1);
    CHECK(m_ContinuousSeek_HoldKey() == 0);
    CHECK(g_Ticks[kTimerSeekEnd] == 1);
    DestroyMain();
}

TEST_CASE("an exit asked for while the options dialog fills runs, and saves, once it is done")
{
    CSettingsFixture ini;
    ini.Write(L"[Main]\r\nVol=30\r\n");
    REQUIRE(CreateMain());
    m_Settings_ReadMain();
    m_Settings_SnapshotMain();
    m_Volume_ShowText(4200, 0);

    g_OptionDlgFilling = 1;
    SendMessageW(g_hWndMain, WM_CLOSE, 0, 0);
    CHECK(IsWindow(g_hWndMain));
    CHECK(g_ExitPending == 1);
    CHECK(ini.Get(L"Main", L"Vol") == L"30");

    g_OptionDlgFilling = 0;
    HWND main = g_hWndMain;
    SendMessageW(main, WM_APP_OPTDLGCLOSED, 0, 0);
    CHECK_FALSE(IsWindow(main));
    CHECK(g_ExitPending == 0);
    CHECK(ini.Get(L"Main", L"Vol") == L"42");
    DestroyMain();
}

TEST_CASE("a popup menu's close runs only an exit chosen from it")
{
    CSettingsFixture ini;
    REQUIRE(CreateMain());
    HWND main = g_hWndMain;
    SendMessageW(main, WM_APP_MENUCLOSED, 0, 0);
    CHECK(IsWindow(main));
    g_ExitAfterMenu = 1;
    SendMessageW(main, WM_APP_MENUCLOSED, 0, 0);
    CHECK_FALSE(IsWindow(main));
    CHECK(g_ExitAfterMenu == 0);
    DestroyMain();
}
