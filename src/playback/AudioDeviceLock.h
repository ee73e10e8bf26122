// Keeping a locked output device awake while nothing plays, the test tone's
// end, and the main-window timers of the output devices.
#pragma once
#include <windows.h>
#include <mmsystem.h>

// Applies the lock of the device in use (by name; empty: the default's).
void m_AudDev_SelectCurrent();
// A locked record gets the silent keep-alive on its device; -1 or unlocked
// closes it.
void m_AudDev_SetLock(int locked, int index);

// The test tone the device menu starts: its waveOut device and buffer.
struct STESTTONE {
    HWAVEOUT Device;
    WAVEHDR Header;
};
extern STESTTONE g_TestTone;
// Closes the test tone's device and stops timer 62.
void m_TestTone_Stop();

// Timers 61 (offset learning), 62 (test tone end), 64 (keep-alive); 1 when
// the id was one of them.
int m_AudioDevice_OnTimer(UINT id);
