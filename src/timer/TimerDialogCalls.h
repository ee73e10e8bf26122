// What the timer dialog's notices and the timer button ask of the off/on
// timer. Until the timer is built each call only traces itself ([Main]
// "Test").
#pragma once

// Shows the armed timers on the status bar in the display mode.
void m_SetTimerText(int mode);
// The on-timer's and the off-timer's actions when they are reached.
void m_OnTimer_Fire();
void m_OffTimer_Fire();
// Arms the on-timer (on 1) or the off-timer (on 0) for the seconds (0: the
// configured minutes); the same request within 4 s cancels it.
void m_Timer_CmdSet(int seconds, int on);
