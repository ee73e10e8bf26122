// The timer dialog is not built yet: nothing arms these timers.
#include "timer/TimerTicks.h"

void m_Timer_OnTimer(UINT) {}
void m_TimerDlg_Refresh() {}
