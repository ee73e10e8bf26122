// The playback rate's limits, steps and presets, the display refresh
// period it gives, the repeat mode's cycle and the play-state colour.
#include <doctest/doctest.h>
#include <windows.h>

#include "app/MMTimerRelay.h"
#include "playback/DisplayRefresh.h"
#include "playback/PlayStateColours.h"
#include "playback/PlaybackRate.h"
#include "playback/RatePresets.h"
#include "playback/RepeatMode.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

TEST_CASE("[Main] \"RateRng\": a minimum below 1 or above the maximum takes the defaults")
{
    const struct {
        int range[2];
        int minimum, maximum;
    } rows[] = {
        {{10, 500}, 10, 500}, {{25, 200}, 25, 200}, {{1, 1}, 1, 1},      {{0, 0}, 10, 500},
        {{500, 10}, 10, 500}, {{-5, 300}, 10, 500}, {{0, 300}, 10, 500},
    };
    for (const auto& r : rows) {
        CAPTURE(r.range[0]);
        CAPTURE(r.range[1]);
        int minimum = -1, maximum = -1;
        m_Rate_Limits(r.range, &minimum, &maximum);
        CHECK(minimum == r.minimum);
        CHECK(maximum == r.maximum);
    }
}

TEST_CASE("m_Rate_Adjust's target: multiples of the step, the toggle, the limits")
{
    const struct {
        const char* what;
        int current, step, preset, want;
    } rows[] = {
        {"up from 100", 100, 10, 150, 110},
        {"up from between multiples", 105, 10, 150, 110},
        {"down from between multiples", 105, -10, 150, 100},
        {"down from a multiple", 100, -10, 150, 90},
        {"down stops at the minimum", 15, -10, 150, 10},
        {"up stops at the maximum", 495, 25, 150, 500},
        {"toggle from 100 to the preset", 100, 0, 150, 150},
        {"toggle from the preset to 100", 150, 0, 150, 100},
        {"toggle from another rate to the preset", 120, 0, 150, 150},
    };
    for (const auto& r : rows) {
        CAPTURE(r.what);
        CHECK(m_Rate_AdjustValue(r.current, r.step, r.preset, 10, 500) == r.want);
    }
}

TEST_CASE("no rate of 0 or below is ever set, whatever \"RateRng\" and \"LtRate\" hold")
{
    g_Settings.Main_RateRng[0] = 0;
    g_Settings.Main_RateRng[1] = 0;
    m_Rate_Set(0, 0, 0);
    CHECK(m_Rate_Current() == 10);
    m_Rate_Set(100, 0, 0);
    g_MainWindowState.nLauncherRate = 0;
    m_Rate_Adjust(0);  // the toggle towards a preset of 0
    CHECK(m_Rate_Current() == 10);

    g_Settings.Main_RateRng[0] = 50;
    g_Settings.Main_RateRng[1] = 200;
    m_Rate_Set(1000, 0, 0);
    CHECK(m_Rate_Current() == 200);
    CHECK(g_MainWindowState.nLauncherRate == 200);
    m_Rate_Set(100, 0, 0);
    CHECK(g_MainWindowState.nLauncherRate == 200);  // 100 is never the preset
    m_Rate_OnClosed();
    CHECK(m_Rate_Current() == 100);
}

TEST_CASE("stepping through the rate presets")
{
    SRATEPRESET items[kRatePresetCap];
    const int count = m_RatePresets_Parse(
        L"D,200|D,175|-D,150|D,125|D,100|D|D,75|FF|F,1|D,50|junk|", items, kRatePresetCap);
    REQUIRE(count == 8);
    CHECK(items[2].Enabled == 0);
    CHECK(items[5].Rate == -1);
    const struct {
        const char* what;
        int current, direction, want;
    } rows[] = {
        {"faster from a preset: the one before it", 125, 1, 175},
        {"slower from a preset: the one after it", 125, -1, 100},
        {"slower onto an item of no rate leaves the rate", 100, -1, -1},
        {"from the first item there is nothing faster", 200, 1, -1},
        {"not a preset, faster: the smallest above", 110, 1, 125},
        {"not a preset, slower: the largest below", 110, -1, 100},
        {"a disabled preset counts as no preset", 150, 1, 175},
        {"nothing below the slowest", 40, -1, -1},
        {"above the fastest", 300, 1, -1},
    };
    for (const auto& r : rows) {
        CAPTURE(r.what);
        CHECK(m_RatePresets_Next(items, count, r.current, r.direction) == r.want);
    }
    CHECK(m_RatePresets_Parse(L"", items, kRatePresetCap) == 0);
    CHECK(m_RatePresets_Parse(L"D,1|D,2|D,3", items, 2) == 2);
}

TEST_CASE("the display refresh period by rate and by the seek bar's pixels")
{
    const struct {
        const char* what;
        SREFRESHFACTS facts;
        int want;
    } rows[] = {
        {"100 %", {100, 0, 0, 0}, 1000},
        {"200 %", {200, 0, 0, 0}, 500},
        {"25 %", {25, 0, 0, 0}, 4000},
        {"300 %: to the nearest ms", {300, 0, 0, 0}, 333},
        {"1000 %: never below 100 ms", {1000, 0, 0, 0}, 100},
        {"a rate of 0 takes the normal period", {0, 0, 0, 0}, 1000},
        {"1 min on 600 px: 100 ms a pixel", {100, 1, 60000, 600}, 100},
        {"60 min on 600 px keeps the base", {100, 1, 3600000, 600}, 1000},
        {"5 min on 600 px: 500 ms a pixel", {100, 1, 300000, 600}, 500},
        {"4 min on 600 px: 400 ms a pixel takes 500", {100, 1, 240000, 600}, 500},
        {"following, unknown duration keeps the base", {200, 1, 0, 600}, 500},
        {"following, at 200 %: 1 min on 600 px", {200, 1, 60000, 600}, 100},
    };
    for (const auto& r : rows) {
        CAPTURE(r.what);
        CHECK(m_TimeDisplay_PeriodMs(r.facts) == r.want);
    }
}

TEST_CASE("the time display format takes 0..4 only, and nothing playing stops the relay")
{
    g_MainWindowState.nTimeMode = 4;
    CHECK(m_SetTimeDisplayMode(3) == 1);
    CHECK(g_MainWindowState.nTimeMode == 3);
    CHECK(m_MMTimer_GetInterval() == 0);
    const int bads[] = {5, -1, 100};
    for (int bad : bads) {
        CAPTURE(bad);
        CHECK(m_SetTimeDisplayMode(bad) == 0);
        CHECK(g_MainWindowState.nTimeMode == 3);
    }
}

TEST_CASE("the repeat mode cycles OFF ... SHUFFLE both ways")
{
    const struct {
        int mode, want;
        const wchar_t* text;
    } rows[] = {
        {0, 0, L"REPEAT : OFF"},      {1, 1, L"REPEAT : ON"},      {2, 2, L"REPEAT : FILE"},
        {3, 3, L"REPEAT : CHAPTER"},  {4, 4, L"REPEAT : SHUFFLE"}, {5, 0, L"REPEAT : OFF"},
        {-1, 4, L"REPEAT : SHUFFLE"},
    };
    for (const auto& r : rows) {
        CAPTURE(r.mode);
        CHECK(m_Repeat_Normalise(r.mode) == r.want);
        CHECK(wcscmp(m_Repeat_Text(r.mode), r.text) == 0);
    }
    m_Repeat_SetMode(4, 0);
    m_Repeat_SetMode(g_RepeatMode + 1, 0);
    CHECK(g_RepeatMode == REPEAT_OFF);
    CHECK(g_MainWindowState.nRepeat == REPEAT_OFF);
}

TEST_CASE("the pause colour shows only paused or held, and only with the option")
{
    const COLORREF normal = m_PlayStateColour(0, 4, 0);
    const COLORREF paused = m_PlayStateColour(1, 4, 0);
    CHECK(paused != normal);
    CHECK(m_PlayStateColour(1, 5, 1) == paused);  // held
    CHECK(m_PlayStateColour(1, 5, 0) == normal);  // playing
    CHECK(m_PlayStateColour(1, 3, 0) == normal);  // stopped
    CHECK(m_PlayStateColour(0, 5, 1) == normal);
}
