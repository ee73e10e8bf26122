// The timer dialog's settings in [Timer].
#pragma once
#include <windows.h>

// Writes the timer settings when changed (all with force).
void m_SaveTimerDlg(int force);
