#include "playback/DisplayRefresh.h"

#include "app/MMTimerRelay.h"
#include "app/TimeDisplay.h"
#include "playback/PlayPause.h"

namespace {
constexpr int kMinPeriodMs = 100;
}

int m_TimeDisplay_PeriodMs(int ratePercent)
{
    if (ratePercent <= 0 || ratePercent == 100) return 1000;
    const int period = (100000 + ratePercent / 2) / ratePercent;
    return period < kMinPeriodMs ? kMinPeriodMs : period;
}

void m_TimeDisplay_Update(int force)
{
    const int period = m_IsPlaying() ? m_TimeDisplay_PeriodMs(100) : 0;
    // The relay's own tick restarts it with the request, so both agree.
    InterlockedExchange(&g_MMTimerRequestMs, period);
    if (period != m_MMTimer_GetInterval()) m_SetMMTimer(period);
    m_UpdateTimeDisplay(force);
}
