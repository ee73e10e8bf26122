#include "playback/DisplayRefresh.h"

#include "app/MMTimerRelay.h"
#include "app/TimeDisplay.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/PlayStateColours.h"
#include "playback/PlaybackRate.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kMinPeriodMs = 100;
constexpr int kNormalPeriodMs = 1000;
// Unknown duration or bar width: no pixel step to follow.
constexpr int kUnknownMsPerPixel = 9999;
constexpr int kTimeModeLast = 4;

int m_BasePeriod(int rate)
{
    if (rate <= 0 || rate == kRateNormal) return kNormalPeriodMs;
    return (100000 + rate / 2) / rate;
}

int m_MsPerPixel(const SREFRESHFACTS& f)
{
    if (f.nDurationMs <= 0 || f.nBarWidth <= 0 || f.nRate <= 0) return kUnknownMsPerPixel;
    return static_cast<int>(static_cast<long long>(f.nDurationMs) * 100 / f.nRate / f.nBarWidth);
}

void m_SetRelay(int period)
{
    // The relay's own tick restarts it with the request, so both agree.
    InterlockedExchange(&g_MMTimerRequestMs, period);
    if (period != m_MMTimer_GetInterval()) m_SetMMTimer(period);
}

}  // namespace

int m_TimeDisplay_PeriodMs(const SREFRESHFACTS& f)
{
    const int base = m_BasePeriod(f.nRate);
    int period = base;
    if (f.bFollowSeekBar) {
        static const int kDivisors[] = {10, 8, 5, 4, 2, 1};
        const int perPixel = m_MsPerPixel(f);
        int chosen = perPixel;
        for (int d : kDivisors) {
            if (base / d >= perPixel) {
                chosen = base / d;
                break;
            }
        }
        if (chosen < period) period = chosen;
    }
    return period < kMinPeriodMs ? kMinPeriodMs : period;
}

void m_TimeDisplay_ArmTimer()
{
    // No setting asks the display to follow the seek bar pixel by pixel yet.
    const SREFRESHFACTS facts = {m_Rate_Current(), 0, g_DurationMs, 0};
    m_SetRelay(m_TimeDisplay_PeriodMs(facts));
}

void m_TimeDisplay_Update(int force)
{
    if (m_IsPlaying())
        m_TimeDisplay_ArmTimer();
    else if (m_MMTimer_GetInterval() != 0)
        m_SetRelay(0);
    else
        InterlockedExchange(&g_MMTimerRequestMs, 0);
    m_UpdateTimeDisplay(force);
    m_UpdatePlayStateColours(0, 1);
}

int m_SetTimeDisplayMode(int mode)
{
    // The format indexes the time texts: anything else would show garbage.
    if (mode < 0 || mode > kTimeModeLast) return 0;
    g_MainWindowState.nTimeMode = mode;
    m_TimeDisplay_Update(1);
    return 1;
}
