// The trace of calls into operations that are not built yet: with [Main]
// "Test" on, each logs "CALL : " and the call it stands for, so a test can
// see which operation an input reached and with what.
#pragma once
#include <windows.h>

#include <stdarg.h>

// With "Test" on, logs the prefix and the printf-style text; a cut line is
// still logged.
void m_TraceLineV(const wchar_t* prefix, const wchar_t* format, va_list args);

// printf-style (wide %s) text of the call; nothing while "Test" is off.
void m_TraceCall(const wchar_t* format, ...);
