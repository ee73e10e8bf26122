// The timer commands of the key bindings: arming, lengthening and stopping
// the on- and off-timer, the timer dialog, and running a task. Until the
// timer itself is built each only traces its call ([Main] "Test").
#pragma once
#include <windows.h>

enum { TIMER_ON = 0, TIMER_OFF = 1 };

void m_Timer_Arm(int which, int seconds);
void m_Timer_Lengthen(int which, int seconds);
// 0 cancels both, -1 the on-timer, -2 the off-timer; 1 and 2 fire them now.
void m_Timer_StopCmd(int value);
void m_Timer_ToggleDialog();
// Runs a program with its parameters (ShellExecute "open"); 1 when it
// started, 0 after logging the failure.
int m_RunTask(const wchar_t* text);
