#include "base/TextFit.h"

#include <cmath>
#include <cwchar>

namespace {

int m_TextWidth(HDC dc, const wchar_t* text, int len)
{
    if (len <= 0) return 0;
    RECT rc = {0, 0, 0, 0};
    DrawTextW(dc, text, len, &rc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return rc.right - rc.left;
}

// Copies as much of src after text[at] as the buffer holds.
void m_PutBounded(wchar_t* text, int size, int at, const wchar_t* src, int len)
{
    int room = size - 1 - at;
    if (len > room) len = room;
    if (len > 0) wmemcpy(text + at, src, len);
    text[at + (len > 0 ? len : 0)] = L'\0';
}

// Characters of text that fit width together with a suffix sw pixels wide,
// starting from a proportional guess.
int m_FittingCount(HDC dc, int width, const wchar_t* text, int len, int textWidth, int sw)
{
    int n = static_cast<int>(std::lround(double(width - sw) / textWidth * len));
    if (n < 0) n = 0;
    if (n > len) n = len;
    while (n > 0 && m_TextWidth(dc, text, n) + sw > width) --n;
    while (n + 1 < len && m_TextWidth(dc, text, n + 1) + sw <= width) ++n;
    return n;
}

}  // namespace

int m_FitTextToWidth(HDC dc, int width, wchar_t* text, int size, const wchar_t* suffix)
{
    if (!text || size < 1) return 0;
    int len = static_cast<int>(wcsnlen(text, size));
    if (len == size) text[--len] = L'\0';
    if (width < 1) {
        text[0] = L'\0';
        return 0;
    }
    int textWidth = m_TextWidth(dc, text, len);
    if (textWidth <= width) return textWidth;
    int slen = suffix ? static_cast<int>(wcslen(suffix)) : 0;
    int sw = m_TextWidth(dc, suffix, slen);
    if (sw > width) {
        text[0] = L'\0';
        return 0;
    }
    int n = 0;
    if (sw < width) n = m_FittingCount(dc, width, text, len, textWidth, sw);
    if (n > size - 1 - slen) n = size - 1 - slen > 0 ? size - 1 - slen : 0;
    // Never keep half of a surrogate pair.
    if (n > 0 && IS_HIGH_SURROGATE(text[n - 1])) --n;
    m_PutBounded(text, size, n, suffix, slen);
    return m_TextWidth(dc, text, static_cast<int>(wcslen(text)));
}
