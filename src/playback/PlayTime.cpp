#include "playback/PlayTime.h"

#include "playback/PlayPause.h"

namespace {

SRUNCOUNTER g_PlayTime;
SRUNCOUNTER g_PositionSave;

// 0 marks "not running", so a run that begins at tick 0 starts at 1.
DWORD m_RunStart(DWORD now) { return now ? now : 1; }

}  // namespace

DWORD m_RunCounter_Step(SRUNCOUNTER* c, int running, int reset, DWORD now)
{
    if (c->startTick) {
        const LONG elapsed = static_cast<LONG>(now - c->startTick);
        if (elapsed > 0) c->totalMs += static_cast<DWORD>(elapsed);
    }
    c->startTick = running ? m_RunStart(now) : 0;
    const DWORD total = c->totalMs;
    if (reset) c->totalMs = 0;
    return total;
}

DWORD m_PlayTime_Account(int running)
{
    return m_RunCounter_Step(&g_PlayTime, running, 0, GetTickCount());
}

DWORD m_Tick_PositionSave(int reset)
{
    return m_RunCounter_Step(&g_PositionSave, m_IsPlaying(), reset, GetTickCount());
}
