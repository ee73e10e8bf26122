// Two counters of running playback: the play-time total and the
// position-save counter, both in milliseconds from tick differences.
#pragma once
#include <windows.h>

// A counter fed by runs: the total and the tick its current run began
// (0 = not running).
struct SRUNCOUNTER {
    DWORD totalMs;
    DWORD startTick;
};

// Adds the run so far (a tick that went back adds nothing); running 1
// starts a new run now, 0 ends it. Returns the total, then zeroes it when
// reset is set. Tick differences are taken modulo 2^32, so a tick counter
// that wrapped still counts.
DWORD m_RunCounter_Step(SRUNCOUNTER* c, int running, int reset, DWORD now);

// The play-time total of the main player.
DWORD m_PlayTime_Account(int running);
// The position-save counter of the main player.
DWORD m_Tick_PositionSave(int reset);
