// The refresh of the time display and seek bar while playing (the
// multimedia-timer relay runs only while a file plays) and the format of
// the time display.
#pragma once
#include <windows.h>

// What the refresh period depends on. followSeekBar: the seek bar is to
// move by single pixels; durationMs and barWidth 0 when unknown.
struct SREFRESHFACTS {
    int nRate;  // percent
    int bFollowSeekBar;
    int nDurationMs;
    int nBarWidth;
};

// The relay's period in ms: 1000 at 100 %, else 100000 / rate to the
// nearest ms; following the seek bar, the first of that divided by 10, 8,
// 5, 4, 2, 1 that is not below the time one pixel stands for (never above
// the base period); at least 100.
int m_TimeDisplay_PeriodMs(const SREFRESHFACTS& facts);
// While playing re-arms the relay, otherwise stops it; then redraws the
// time display and the play-state colours.
void m_TimeDisplay_Update(int force);
// Starts the relay with the period for the current rate.
void m_TimeDisplay_ArmTimer();
// Sets the time display's format (0..4; other values are refused) and
// redraws it at once. Returns 1 when taken.
int m_SetTimeDisplayMode(int mode);
