#include "base/StringEdit.h"

#include <wchar.h>
#include <wctype.h>

namespace {

// Characters of the lower-cased copies m_ReplaceStringNoCase compares.
constexpr int kNoCaseCap = 257;
// Longest text m_ReplaceStringNoCase lets a replacement grow to.
constexpr int kNoCaseMaxLen = 255;

bool IsTrimBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\v' || c == L'\r' || c == L'\n';
}

// Copies text lower-cased into out; false when it does not fit.
bool LowerCopy(wchar_t* out, int size, const wchar_t* text)
{
    int len = (int)wcslen(text);
    if (len >= size) return false;
    wmemcpy(out, text, len + 1);
    m_ToLowerInPlaceInvariant(out);
    return true;
}

}  // namespace

wchar_t* m_ShiftString(wchar_t* text, int n)
{
    if (!text) return text;
    wmemmove(text + n, text, wcslen(text) + 1);
    return text + n;
}

int m_ReplaceString(wchar_t* text, int size, const wchar_t* find, const wchar_t* repl, int max)
{
    if (!text || !find || !repl || !*find || size < 1) return 0;
    int findLen = (int)wcslen(find);
    int replLen = (int)wcslen(repl);
    int len = (int)wcslen(text);
    int count = 0;
    wchar_t* at = text;
    while ((max < 1 || count < max) && (at = wcsstr(at, find)) != nullptr) {
        if (len - findLen + replLen >= size) break;
        m_ShiftString(at + findLen, replLen - findLen);
        wmemcpy(at, repl, replLen);
        len += replLen - findLen;
        at += replLen;
        ++count;
    }
    return count;
}

int m_ReplaceStringNoCase(wchar_t* text, const wchar_t* find, const wchar_t* repl)
{
    if (!text || !find || !repl || !*find) return 0;
    wchar_t lowText[kNoCaseCap];
    wchar_t lowFind[kNoCaseCap];
    if (!LowerCopy(lowText, kNoCaseCap, text) || !LowerCopy(lowFind, kNoCaseCap, find)) return 0;
    const wchar_t* hit = wcsstr(lowText, lowFind);
    if (!hit) return 0;
    int findLen = (int)wcslen(find);
    int replLen = (int)wcslen(repl);
    int len = (int)wcslen(text);
    if (replLen > findLen && len - findLen + replLen > kNoCaseMaxLen) return 0;
    wchar_t* at = text + (hit - lowText);
    m_ShiftString(at + findLen, replLen - findLen);
    wmemcpy(at, repl, replLen);
    return 1;
}

int m_CollapseDoubleCommas(wchar_t* text)
{
    if (!text) return 0;
    // Each replacement drops one comma of a run, so one pass keeping the
    // first comma of every run gives the same text and count.
    int count = 0;
    wchar_t* out = text;
    for (const wchar_t* in = text; *in; ++in) {
        if (*in == L',' && out > text && out[-1] == L',') {
            ++count;
            continue;
        }
        *out++ = *in;
    }
    *out = 0;
    return count;
}

int m_DropFirstChars(wchar_t* text)
{
    if (!text) return 0;
    int len = (int)wcslen(text);
    int n = len < 3 ? len : 3;
    wmemmove(text, text + n, len - n + 1);
    return n;
}

int m_PrependString(wchar_t* buffer, int size, const wchar_t* text)
{
    if (!buffer || !text) return 0;
    long long len = (long long)wcslen(buffer);
    long long add = (long long)wcslen(text);
    if (len + add + 1 > size) return 0;
    wmemmove(buffer + add, buffer, (size_t)len + 1);
    wmemcpy(buffer, text, (size_t)add);
    return 1;
}

int m_TrimRightChar(wchar_t* text, wchar_t ch)
{
    if (!text || !ch) return 0;
    int len = (int)wcslen(text);
    int end = len;
    while (end > 0 && text[end - 1] == ch) --end;
    text[end] = 0;
    return len - end;
}

int m_TrimRightNewlines(wchar_t* text)
{
    if (!text) return 0;
    int len = (int)wcslen(text);
    int end = len;
    while (end > 0 && (text[end - 1] == L'\r' || text[end - 1] == L'\n')) --end;
    text[end] = 0;
    return len - end;
}

int m_TrimBlanks(wchar_t* text)
{
    if (!text) return 0;
    int len = (int)wcslen(text);
    int end = len;
    while (end > 0 && IsTrimBlank(text[end - 1])) --end;
    text[end] = 0;
    int start = 0;
    while (start < end && IsTrimBlank(text[start])) ++start;
    if (start > 0) wmemmove(text, text + start, end - start + 1);
    return len - (end - start);
}

void m_ToLowerInPlace(wchar_t* text)
{
    if (!text) return;
    for (; *text; ++text) *text = (wchar_t)towlower(*text);
}

void m_ToLowerInPlaceInvariant(wchar_t* text)
{
    if (!text) return;
    // Mapped through a small buffer piece by piece; lower-casing keeps the
    // number of UTF-16 units, and no piece splits a surrogate pair.
    constexpr int kPiece = 256;
    wchar_t mapped[kPiece];
    for (;;) {
        int n = 0;
        while (n < kPiece && text[n]) ++n;
        if (n == 0) return;
        if (n == kPiece && IS_HIGH_SURROGATE(text[n - 1])) --n;
        int got = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, text, n, mapped, kPiece,
                                nullptr, nullptr, 0);
        if (got == n) {
            wmemcpy(text, mapped, n);
        } else {
            for (int i = 0; i < n; ++i) text[i] = (wchar_t)towlower(text[i]);
        }
        text += n;
    }
}
