#include "base/NumberList.h"

#include <climits>
#include <cmath>
#include <wchar.h>

#include "app/MainWindow.h"

namespace {

unsigned int Magnitude(int v) { return v < 0 ? 0u - (unsigned int)v : (unsigned int)v; }

// Euclid on magnitudes, so negative inputs end too.
unsigned int GcdMagnitude(int a, int b)
{
    unsigned int x = Magnitude(a);
    unsigned int y = Magnitude(b);
    if (x == 0 || y == 0) return 0;
    while (y != 0) {
        unsigned int r = x % y;
        x = y;
        y = r;
    }
    return x;
}

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The next field of a comma-separated list: its start, and where the list
// goes on (null after the last field).
const wchar_t* NextField(const wchar_t* at)
{
    const wchar_t* comma = wcschr(at, L',');
    return comma ? comma + 1 : nullptr;
}

}  // namespace

int m_Gcd(int a, int b)
{
    unsigned int g = GcdMagnitude(a, b);
    return g > (unsigned int)INT_MAX ? INT_MIN : (int)g;
}

void m_ReduceFraction(int* num, int* den)
{
    if (!num || !den) return;
    unsigned int g = GcdMagnitude(*num, *den);
    if (g == 0) return;
    *num = (int)((long long)*num / (long long)g);
    *den = (int)((long long)*den / (long long)g);
}

int m_CharClass(wchar_t c)
{
    if (c == L' ') return 0;
    if (IsDigit(c)) return 1;
    if (c == L'+' || c == L',' || c == L'-' || c == L'.') return 2;
    if (c < 256) return 3;
    return 4;
}

int m_ParseIntList(const wchar_t* text, int* out, int count, int clear)
{
    if (!out || count < 1) return 0;
    if (clear) {
        for (int i = 0; i < count; ++i) out[i] = 0;
    }
    if (!text) return 0;
    int parsed = 0;
    const wchar_t* field = text;
    for (int i = 0; i < count && field; ++i, field = NextField(field)) {
        if (IsDigit(*field) || *field == L'+' || *field == L'-') {
            out[i] = (int)wcstol(field, nullptr, 10);
            ++parsed;
        }
    }
    return parsed;
}

int m_ParseIntListEx(const wchar_t* text, int* out, int count, int clear)
{
    return m_ParseIntList(text, out, count, clear);
}

int m_ParseDoubleList(const wchar_t* text, double* out, int count)
{
    if (!text || !out || count < 1) return 0;
    int parsed = 0;
    const wchar_t* field = text;
    for (int i = 0; i < count && field; ++i, field = NextField(field)) {
        if (IsDigit(*field) || *field == L'-') {
            out[i] = wcstod(field, nullptr);
            ++parsed;
        }
    }
    return parsed;
}

int m_FontHeightFromPoints(int points)
{
    HWND window = g_hWndMain;
    HDC dc = GetDC(window);
    int dpi = 96;
    if (dc) {
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
    }
    return MulDiv(points, -dpi, 72);
}

int m_FontHeightFromDpi(double points, int dpiPercent)
{
    return (int)std::lround(-(points * dpiPercent / 100.0 * 96.0 / 72.0));
}
