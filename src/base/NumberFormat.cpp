#include "base/NumberFormat.h"

#include <climits>
#include <cmath>
#include <cwchar>
#include <strsafe.h>

namespace {

const wchar_t kRadix64Alphabet[] =
    L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz*#";
const int kRadix64Digits = 11;

// Digit value of one character by its low byte; outside the alphabet 0.
UINT64 Radix64DigitValue(wchar_t c)
{
    const char low = (char)(c & 0xFF);
    for (int i = 0; i < 64; ++i) {
        if ((char)kRadix64Alphabet[i] == low) return (UINT64)i;
    }
    return 0;
}

// Modes 1..5: whole seconds.
void FormatWholeSeconds(wchar_t* buf, int size, INT64 absMs, int mode)
{
    const INT64 s = (absMs + 500) / 1000;
    const int h = (int)(s / 3600), m = (int)((s - 3600 * (INT64)h) / 60);
    const INT64 t = s / 60;
    const int sec = (int)(s - 60 * t);
    switch (mode) {
        case 1:
            StringCchPrintfW(buf, size, L"%d:%02d", (int)t, sec);
            break;
        case 2:
            StringCchPrintfW(buf, size, L"%02d:%02d", (int)t, sec);
            break;
        case 3:
        case 4:
            if (h > 0)
                StringCchPrintfW(buf, size, L"%d:%02d:%02d", h, m, sec);
            else
                StringCchPrintfW(buf, size, mode == 3 ? L"%d:%02d" : L"%02d:%02d", m, sec);
            break;
        case 5:
            StringCchPrintfW(buf, size, L"%02d:%02d:%02d", h, m, sec);
            break;
        default:
            buf[0] = 0;
            break;
    }
}

// Modes 11 and above: seconds within the minute with milliseconds.
void FormatWithMilliseconds(wchar_t* buf, int size, INT64 absMs, int mode)
{
    const INT64 s = absMs / 1000;
    const int h = (int)(s / 3600), m = (int)((s - 3600 * (INT64)h) / 60);
    const int t = (int)(s / 60);
    const double f = (double)(absMs - 60000 * (absMs / 60000)) / 1000.0;
    switch (mode) {
        case 11:
            StringCchPrintfW(buf, size, L"%d:%06.3f", t, f);
            break;
        case 12:
            StringCchPrintfW(buf, size, L"%02d:%06.3f", t, f);
            break;
        case 13:
        case 14:
            if (h > 0)
                StringCchPrintfW(buf, size, L"%d:%02d:%06.3f", h, m, f);
            else
                StringCchPrintfW(buf, size, mode == 13 ? L"%d:%06.3f" : L"%02d:%06.3f", m, f);
            break;
        default:
            StringCchPrintfW(buf, size, L"%02d:%02d:%06.3f", h, m, f);
            break;
    }
}

}  // namespace

int m_ReplaceInIntArray(int* values, int count, int oldValue, int newValue)
{
    if (!values) return -1;
    for (int i = 0; i < count; ++i) {
        if (values[i] == oldValue) {
            values[i] = newValue;
            return i;
        }
    }
    return -1;
}

int m_PositiveModulo(int a, int b)
{
    // b of -1 always divides evenly; INT_MIN % -1 would trap.
    if (b == 0 || b == -1) return 0;
    int r = a % b;
    if (r != 0 && ((r < 0) != (b < 0))) r += b;
    return r;
}

double m_RoundToDecimals(double x, int decimals)
{
    const double scale = m_Pow10(decimals);
    return std::round(x * scale) / scale;
}

double m_RoundToFewestDecimals(double value, double tolerance)
{
    if (!std::isfinite(value)) return value;
    double x = std::fabs(value);
    int e = 0;
    if (x < 1) {
        while (x < 1) {
            if (e == 8) return 0;
            x *= 10;
            ++e;
        }
    } else {
        while (x >= 10) {
            x /= 10;
            --e;
        }
    }
    double r = std::round(x);
    while (std::fabs(x - r) > tolerance) {
        if (e >= 8) return value;
        x *= 10;
        ++e;
        r = std::round(x);
    }
    const double result = e >= 0 ? r / m_Pow10(e) : r * m_Pow10(-e);
    return value < 0 ? -result : result;
}

int m_CountDecimals(double value)
{
    for (int n = 0; n <= 7; ++n) {
        const double x = value * m_Pow10(n);
        if (std::fabs(x - std::round(x)) <= 0.001) return n;
    }
    return 8;
}

const wchar_t* m_GetDecimalsFormat(double value)
{
    switch (m_CountDecimals(value)) {
        case 0:
            return L"%0.0f";
        case 1:
            return L"%0.1f";
        case 2:
            return L"%0.2f";
        default:
            return L"%0.3f";
    }
}

int m_FormatThousands(INT64 value, wchar_t* out, int size)
{
    if (!out || size < 1) return 0;
    // Unsigned magnitude, so that the most negative value works too.
    UINT64 mag = value < 0 ? (UINT64)0 - (UINT64)value : (UINT64)value;
    wchar_t rev[32];
    int n = 0, digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) rev[n++] = L',';
        rev[n++] = (wchar_t)(L'0' + mag % 10);
        mag /= 10;
        ++digits;
    } while (mag != 0);
    if (value < 0) rev[n++] = L'-';
    if (n + 1 > size) {
        out[0] = 0;
        return 0;
    }
    for (int i = 0; i < n; ++i) out[i] = rev[n - 1 - i];
    out[n] = 0;
    return n;
}

int m_Int64ToRadix64(UINT64 value, wchar_t* out, int size)
{
    if (!out || size < 1) return 0;
    wchar_t digits[kRadix64Digits];
    for (int i = 0; i < kRadix64Digits; ++i) {
        const int shift = 6 * (kRadix64Digits - 1 - i);
        digits[i] = kRadix64Alphabet[(value >> shift) & 63];
    }
    int first = 0;
    while (first < 3 && digits[first] == L'0') ++first;
    const int len = kRadix64Digits - first;
    if (len + 1 > size) {
        out[0] = 0;
        return 0;
    }
    for (int i = 0; i < len; ++i) out[i] = digits[first + i];
    out[len] = 0;
    return len;
}

UINT64 m_Radix64ToInt64(const wchar_t* text)
{
    if (!text) return 0;
    int len = 0;
    while (len < kRadix64Digits && text[len]) ++len;
    UINT64 value = 0;
    for (int i = len - 1, shift = 0; i >= 0; --i, shift += 6) {
        value |= Radix64DigitValue(text[i]) << shift;
    }
    return value;
}

double m_Pow(double base, int n)
{
    double result = 1;
    const bool invert = n < 0;
    // Widened so that the negation of INT_MIN stays defined.
    long long k = invert ? -(long long)n : n;
    for (double b = base; k != 0; k >>= 1, b *= b) {
        if (k & 1) result *= b;
    }
    return invert ? 1 / result : result;
}

double m_Pow10(int n) { return m_Pow(10.0, n); }

int m_FormatTime(wchar_t* out, int size, int ms, int mode)
{
    if (!out || size < 1) return 0;
    const INT64 absMs = ms < 0 ? -(INT64)ms : (INT64)ms;
    wchar_t buf[64] = L"";
    if (mode >= 11)
        FormatWithMilliseconds(buf + 1, 63, absMs, mode);
    else
        FormatWholeSeconds(buf + 1, 63, absMs, mode);
    const wchar_t* text = buf + 1;
    if (ms < 0 && text[0] && (int)wcslen(text) + 2 <= size) {
        buf[0] = L'-';
        text = buf;
    }
    StringCchCopyW(out, size, text);
    return (int)wcslen(out);
}

int m_ParseTimeText(const wchar_t* text)
{
    if (!text) return 0;
    // Up to three fields: hours and minutes are whole numbers, the last
    // field (the seconds) may have decimals.
    const wchar_t* fields[3] = {text, nullptr, nullptr};
    int count = 1;
    for (const wchar_t* p = text; count < 3 && (p = wcschr(p, L':')) != nullptr;) {
        fields[count++] = ++p;
    }
    double seconds = wcstod(fields[count - 1], nullptr);
    if (count >= 2) seconds += 60.0 * _wtoi(fields[count - 2]);
    if (count == 3) seconds += 3600.0 * _wtoi(fields[0]);
    const double ms = std::round(seconds * 1000);
    if (std::isnan(ms)) return 0;
    if (ms <= (double)INT_MIN) return INT_MIN;
    if (ms >= (double)INT_MAX) return INT_MAX;
    return (int)ms;
}
