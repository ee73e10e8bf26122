// The timer dialog is not built yet: nothing arms these timers.
#include "timer/TimerTicks.h"

void m_Timer_OnTimer(UINT) {}
void m_TimerDlg_Refresh() {}
int m_Timer_GetActive() { return 0; }
void m_StartVolumeFade(int, int, int, int) {}
void m_AutoStop_Fire() {}
