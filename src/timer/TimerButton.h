// What the control bar's timer button arms on its second gesture: the kind
// (TIMER_ON, TIMER_OFF) and the minutes of the timer a command armed last.
#pragma once

// Until the timer keeps its last command, the off-timer at its configured
// time (0 minutes).
void m_Timer_LastArmed(int* kind, int* minutes);
