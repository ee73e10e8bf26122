#include "timer/TimerDialogCalls.h"

#include "settings/CallTrace.h"

void m_SetTimerText(int mode) { m_TraceCall(L"m_SetTimerText(%d)", mode); }

void m_OnTimer_Fire() { m_TraceCall(L"m_OnTimer_Fire()"); }

void m_OffTimer_Fire() { m_TraceCall(L"m_OffTimer_Fire()"); }

void m_Timer_CmdSet(int seconds, int on) { m_TraceCall(L"m_Timer_CmdSet(%d,%d)", seconds, on); }
