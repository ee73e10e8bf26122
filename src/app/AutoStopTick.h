// The tick of the idle auto-stop check (main-window timer 32): once the
// user has left the computer alone for the set minutes, playback fades out
// and stops.
#pragma once
#include <windows.h>

struct SAUTOSTOPFACTS {
    int bOn;       // [Common] "AtStop" on flag
    int nMinutes;  // its minutes
    int bFileOpen;
    int bStarted;     // playback has started
    int bTimerArmed;  // an on/off timer is armed
    DWORD nIdleMs;    // since the last user input
    int bPlaying;     // started and not held
    int nVolume;
    int bFading;  // a volume fade runs
};

enum {
    AUTOSTOP_WAIT = 0,  // keep checking
    AUTOSTOP_END,       // nothing to watch: the check ends
    AUTOSTOP_FADE,      // the check ends; "AUTO STOP" and a fade that stops
    AUTOSTOP_STOP,      // the check ends; stop at once
};

int m_AutoStopDecision(const SAUTOSTOPFACTS& f);
// Timer 32's tick.
void m_AutoStop_OnTimer();
