#include "settings/CallTrace.h"

#include <stdarg.h>
#include <strsafe.h>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "settings/Settings.h"

namespace {
constexpr size_t kTraceLineCap = 160;
}  // namespace

void m_TraceLineV(const wchar_t* prefix, const wchar_t* format, va_list args)
{
    if (!g_Settings.Main_Test || !format) return;
    wchar_t line[kTraceLineCap];
    if (FAILED(StringCchCopyW(line, kTraceLineCap, prefix ? prefix : L""))) return;
    const size_t head = wcslen(line);
    (void)StringCchVPrintfW(line + head, kTraceLineCap - head, format, args);
    m_AppendLogLine(line);
}

void m_TraceCall(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_TraceLineV(L"CALL : ", format, args);
    va_end(args);
}
