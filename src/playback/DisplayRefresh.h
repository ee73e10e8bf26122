// The refresh of the time display and seek bar while playing: the
// multimedia-timer relay runs only while a file plays.
#pragma once
#include <windows.h>

// The relay's period in ms at a rate in percent: 1000 at 100 %, else
// 100000 / rate to the nearest ms, never below 100.
int m_TimeDisplay_PeriodMs(int ratePercent);
// While playing re-arms the relay, otherwise stops it; then redraws the
// time display.
void m_TimeDisplay_Update(int force);
