#include "timer/TimerCommands.h"

#include <shellapi.h>

#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "settings/CallTrace.h"

void m_Timer_Arm(int which, int seconds) { m_TraceCall(L"m_Timer_Arm(%d,%d)", which, seconds); }

void m_Timer_Lengthen(int which, int seconds)
{
    m_TraceCall(L"m_Timer_Lengthen(%d,%d)", which, seconds);
}

void m_Timer_StopCmd(int value) { m_TraceCall(L"m_Timer_StopCmd(%d)", value); }

void m_Timer_ToggleDialog() { m_TraceCall(L"m_Timer_ToggleDialog()"); }

int m_RunTask(const wchar_t* text)
{
    m_TraceCall(L"m_RunTask(%s)", text ? text : L"");
    wchar_t program[MAX_PATH] = {}, parameters[1024] = {};
    int started = 0;
    if (text && m_SplitCommandPath(text, program, MAX_PATH, parameters, 1024)) {
        const HINSTANCE result =
            ShellExecuteW(nullptr, L"open", program, parameters[0] ? parameters : nullptr, nullptr,
                          SW_SHOWNORMAL);
        started = reinterpret_cast<INT_PTR>(result) > 32;
    }
    if (!started) m_WriteLog(L"E1039 : タスク実行に失敗しました。(%s)", text ? text : L"");
    return started;
}
