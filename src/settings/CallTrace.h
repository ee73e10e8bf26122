// The trace of calls into operations that are not built yet: with [Main]
// "Test" on, each logs "CALL : " and the call it stands for, so a test can
// see which operation an input reached and with what.
#pragma once
#include <windows.h>

// printf-style (wide %s) text of the call; nothing while "Test" is off.
void m_TraceCall(const wchar_t* format, ...);
