#include "base/UiLook.h"

#include <stdarg.h>
#include <stdio.h>
#include <time.h>

namespace {

int m_LocalField(const __time64_t* t, int tm::*field)
{
    tm local = {};
    if (!t || _localtime64_s(&local, t) != 0) return -1;
    return local.*field;
}

}  // namespace

int m_GetLocalHour(const __time64_t* t) { return m_LocalField(t, &tm::tm_hour); }

int m_GetLocalMinute(const __time64_t* t) { return m_LocalField(t, &tm::tm_min); }

int m_GetLocalSecond(const __time64_t* t) { return m_LocalField(t, &tm::tm_sec); }

int m_FormatW64(wchar_t out[64], size_t count, const wchar_t* format, ...)
{
    if (!out || count == 0) return -1;
    if (count > 64) count = 64;
    out[0] = 0;
    if (!format) return -1;
    va_list args;
    va_start(args, format);
    // One place is kept for the terminator, which this call may leave out.
    int written = _vsnwprintf(out, count - 1, format, args);
    va_end(args);
    out[count - 1] = 0;
    if (written >= 0) out[written] = 0;
    return written;
}
