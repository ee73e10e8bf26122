#include "playback/PlaybackRate.h"

#include <strsafe.h>

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "base/Geometry.h"
#include "engine/VideoRenderer.h"
#include "playback/DisplayRefresh.h"
#include "playback/PlayState.h"
#include "playback/RatePresets.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

constexpr wchar_t kRateDefaultText[] = L"RATE : *1.00````(DEF)";
constexpr int kRateDefaultMessageMs = 2000;

int g_RatePercent = kRateNormal;
// What the engine was last given; 0 while the open file has been given none.
int g_RateApplied = 0;

void m_ShowRate(int percent)
{
    static int s_Width = -1;
    if (percent == kRateNormal) {
        m_OSD_ShowText(kRateDefaultText, 1, kRateDefaultMessageMs, -1, -1, -1, -1);
        return;
    }
    // Measured once: every rate text is centred as the widest one.
    if (s_Width < 0) s_Width = m_GetBmpFontTextWidth(0, kRateDefaultText);
    wchar_t text[48];
    if (SUCCEEDED(StringCchPrintfW(text, 48, L"RATE : *%.2f", percent / 100.0)))
        m_OSD_ShowText(text, 1, -1, 0, -1, s_Width, -1);
}

void m_HandToEngine(int percent, int force)
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    if (percent == g_RateApplied && !force) return;
    // A refused rate is not remembered, so the next set tries again.
    if (SUCCEEDED(g_VideoRenderer->m_VR_SetRate(percent))) g_RateApplied = percent;
}

void m_KeepPreset(int percent)
{
    if (percent == kRateNormal || percent == g_MainWindowState.nLauncherRate) return;
    g_MainWindowState.nLauncherRate = percent;
    m_Settings_ScheduleSave(MAIN_GROUP_LAUNCHER);
}

}  // namespace

void m_Rate_Limits(const int range[2], int* minimum, int* maximum)
{
    *minimum = range[0];
    *maximum = range[1];
    if (*minimum < 1 || *minimum > *maximum) {
        *minimum = kRateDefaultMin;
        *maximum = kRateDefaultMax;
    }
}

int m_Rate_Clamp(int percent, int minimum, int maximum)
{
    if (percent < minimum) return minimum;
    if (percent > maximum) return maximum;
    return percent;
}

int m_Rate_AdjustValue(int current, int step, int preset, int minimum, int maximum)
{
    if (step == 0) return current == preset ? kRateNormal : preset;
    return m_Rate_Clamp(m_RoundUpToMultiple(current, step), minimum, maximum);
}

int m_Rate_Current() { return g_RatePercent; }

void m_Rate_Set(int percent, int force, int showMessage)
{
    int minimum = 0, maximum = 0;
    m_Rate_Limits(g_Settings.Main_RateRng, &minimum, &maximum);
    percent = m_Rate_Clamp(percent, minimum, maximum);
    m_KeepPreset(percent);
    m_HandToEngine(percent, force);
    g_RatePercent = percent;
    m_TimeDisplay_Update(1);
    if (showMessage) m_ShowRate(percent);
}

void m_Rate_Adjust(int step)
{
    int minimum = 0, maximum = 0;
    m_Rate_Limits(g_Settings.Main_RateRng, &minimum, &maximum);
    const int preset = g_MainWindowState.nLauncherRate;
    m_Rate_Set(m_Rate_AdjustValue(g_RatePercent, step, preset, minimum, maximum), 0, 1);
}

void m_Rate_StepPreset(int direction)
{
    if (direction == 0) {
        m_Rate_Adjust(0);
        return;
    }
    const SRATEPRESET* items = nullptr;
    const int count = m_RatePresets_Get(&items);
    const int next = m_RatePresets_Next(items, count, g_RatePercent, direction);
    if (next > 0) m_Rate_Set(next, 1, 1);
}

void m_Rate_OnClosed()
{
    g_RatePercent = kRateNormal;
    g_RateApplied = 0;
}

void m_Rate_OnOpened()
{
    g_RateApplied = kRateNormal;
    if (g_RatePercent != kRateNormal) m_Rate_Set(g_RatePercent, 1, 0);
}
