// The off/on timer's main-window timers: the status text (30), the idle
// auto-stop check (32) and the volume fade (43).
#pragma once
#include <windows.h>

void m_Timer_OnTimer(UINT id);
// Another instance changed the timer settings: refresh the dialog.
void m_TimerDlg_Refresh();
