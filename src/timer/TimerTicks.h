// The off/on timer's main-window timers: the status text (30) and the
// volume fade (43); and what the idle auto-stop check (32) asks of it.
#pragma once
#include <windows.h>

void m_Timer_OnTimer(UINT id);
// Another instance changed the timer settings: refresh the dialog.
void m_TimerDlg_Refresh();

// Bit 0 while the on-timer is armed, bit 1 while the off-timer is.
int m_Timer_GetActive();
int m_VolumeFade_IsRunning();
// Fades the volume to the target over the time; mode 1 stops playback at
// the end (by timer 43).
void m_StartVolumeFade(int mode, int target, int durationMs, int flag);
// The auto-stop: stops playback at once.
void m_AutoStop_Fire();
