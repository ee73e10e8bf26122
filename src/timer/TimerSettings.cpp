// The timer dialog is not built yet: nothing is written.
#include "timer/TimerSettings.h"

void m_SaveTimerDlg(int) {}
