// Keeping the display awake while playing ([Main] "Mon"), with an inversion
// of the option for this run of the program that lapses a minute after
// playback stops.
#pragma once
#include <windows.h>

// Makes the keep-awake state follow the effective option and the play state.
void m_PowerSaving_Apply();
// Sets the option ([Main] "Mon") and ends an inversion.
void m_PowerSaving_Set(int on, int showMessage);
// Inverts the option for this run (invert 1) or ends the inversion (0).
void m_PowerSaving_SetTemp(int invert, int fadeButton, int showMessage);
// start 1 with the inversion on arms timer 46; otherwise kills it.
void m_PowerSaving_TempTimer(int start);
// The display is being kept awake now.
int m_PowerSaving_IsKeepingAwake();
// The option is inverted for this run.
int m_PowerSaving_IsTempOn();
// Timer 46 fired (or the display was off long enough): the inversion ends
// silently.
void m_PowerSaving_EndTemp();
// Tick of timer 40 while keeping awake.
void m_PowerSaving_OnTimer();

// The option in effect: [Main] "Mon", inverted while the inversion is on.
int m_PowerSaving_Effective(int option, int inverted);
// The power-saving button's frame: 3 inverted with the option on, 2
// inverted with it off, 1 option on, 0 off.
int m_PowerSaving_ButtonFrame(int option, int inverted);
