#include "settings/CallTrace.h"

#include <stdarg.h>
#include <strsafe.h>

#include "base/ErrorLog.h"
#include "settings/Settings.h"

void m_TraceCall(const wchar_t* format, ...)
{
    if (!g_Settings.Main_Test || !format) return;
    wchar_t line[160] = L"CALL : ";
    const size_t head = 7;
    va_list args;
    va_start(args, format);
    // A cut line still names the call.
    (void)StringCchVPrintfW(line + head, 160 - head, format, args);
    va_end(args);
    m_AppendLogLine(line);
}
