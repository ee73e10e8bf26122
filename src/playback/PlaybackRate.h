// The main player's playback rate in percent: set, stepped, toggled with
// the preset rate, and stepped through the rate menu's presets.
#pragma once
#include <windows.h>

constexpr int kRateNormal = 100;
constexpr int kRateDefaultMin = 10;
constexpr int kRateDefaultMax = 500;

// The limits from [Main] "RateRng"; a minimum below 1 or above the maximum
// takes the defaults, so no rate of 0 or below is ever set.
void m_Rate_Limits(const int range[2], int* minimum, int* maximum);
// The rate held within the limits.
int m_Rate_Clamp(int percent, int minimum, int maximum);
// m_Rate_Adjust's target: step 0 toggles between 100 and the preset rate,
// else the next multiple of step above (below, for a negative step) the
// current rate, held within the limits.
int m_Rate_AdjustValue(int current, int step, int preset, int minimum, int maximum);

// The current rate (100 while nothing plays faster or slower).
int m_Rate_Current();
// Clamps into the limits, keeps a rate other than 100 as the preset, hands
// a changed rate to the engine (always when forced) and redraws the time
// display; with showMessage says the rate on the status bar.
void m_Rate_Set(int percent, int force, int showMessage);
void m_Rate_Adjust(int step);
// +1 the next faster preset, -1 the next slower one, 0 the toggle.
void m_Rate_StepPreset(int direction);
// A closed file: back to 100 without the engine, which has gone.
void m_Rate_OnClosed();
// A file opened: a rate other than 100 is applied again.
void m_Rate_OnOpened();
