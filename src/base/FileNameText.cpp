#include "base/FileNameText.h"

#include <new>
#include <wchar.h>
#include <wctype.h>

namespace {

bool IsInvalidNameChar(wchar_t c, int withBackslash)
{
    switch (c) {
        case L'"':
        case L'*':
        case L'/':
        case L':':
        case L'<':
        case L'>':
        case L'?':
        case L'|':
            return true;
        case L'\\':
            return withBackslash != 0;
        default:
            return false;
    }
}

// Whether text[i] (with its low surrogate when it starts a pair) comes
// back unchanged from the ANSI code page.
bool SurvivesAnsi(const wchar_t* text, int i, int end, int* units)
{
    int n = 1;
    if (IS_HIGH_SURROGATE(text[i]) && i + 1 < end && IS_LOW_SURROGATE(text[i + 1])) n = 2;
    *units = n;
    char bytes[16];
    int got = WideCharToMultiByte(CP_ACP, 0, text + i, n, bytes, sizeof bytes, nullptr, nullptr);
    if (got <= 0) return false;
    wchar_t back[4];
    int back_n = MultiByteToWideChar(CP_ACP, 0, bytes, got, back, 4);
    return back_n == n && wmemcmp(back, text + i, n) == 0;
}

// First index in [from, to) that fails the round trip; -1 when none.
int ScanNonAnsi(const wchar_t* text, int from, int to, int end)
{
    int units = 1;
    for (int i = from; i < to; i += units) {
        if (!SurvivesAnsi(text, i, end, &units)) return i;
    }
    return -1;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }

wchar_t ClosingOf(wchar_t c)
{
    switch (c) {
        case L'[':
            return L']';
        case L'(':
            return L')';
        case 0x300C:
            return 0x300D;  // 「 」
        default:
            return 0;
    }
}

// A character that starts a new piece when it is not the first of one.
bool StartsPiece(const wchar_t* at)
{
    if (ClosingOf(*at) || *at == L'.') return true;
    bool mark = *at == L'#' || *at == 0xFF03 || *at == 0x7B2C;  // ＃ 第
    return mark && at[1] && iswalnum(at[1]);
}

// Length of the piece that begins at text.
int PieceLength(const wchar_t* text)
{
    int i = 0;
    while (text[i]) {
        if (i > 0 && StartsPiece(text + i)) break;
        wchar_t close = ClosingOf(text[i]);
        ++i;
        if (close) {
            while (text[i] && text[i] != close) ++i;
            if (text[i]) ++i;
            continue;
        }
        if (IsBlank(text[i - 1])) break;
    }
    return i;
}

}  // namespace

int m_FindInvalidFileNameChar(const wchar_t* text, int start, int withBackslash, int wrap)
{
    if (!text) return -1;
    int len = (int)wcslen(text);
    if (start < 0 || start > len) {
        start = 0;
        wrap = 0;
    }
    for (int i = start; i < len; ++i) {
        if (IsInvalidNameChar(text[i], withBackslash)) return i;
    }
    if (!wrap) return -1;
    for (int i = 0; i < start; ++i) {
        if (IsInvalidNameChar(text[i], withBackslash)) return i;
    }
    return -1;
}

int m_FindNonAnsiChar(const wchar_t* text, int size, int start)
{
    if (!text || size < 1) return -1;
    int end = (int)wcsnlen(text, (size_t)size);
    if (start < 0 || start > end) start = 0;
    int hit = ScanNonAnsi(text, start, end, end);
    if (hit < 0) hit = ScanNonAnsi(text, 0, start, end);
    return hit;
}

int m_SplitTitleWords(const wchar_t* text, wchar_t** out, int capacity)
{
    if (!text || !out || capacity < 1) return 0;
    int count = 0;
    while (*text) {
        int len = count + 1 < capacity ? PieceLength(text) : (int)wcslen(text);
        wchar_t* piece = new (std::nothrow) wchar_t[len + 1];
        if (!piece) {
            m_FreeTitleWords(out, count);
            return 0;
        }
        wmemcpy(piece, text, len);
        piece[len] = 0;
        out[count++] = piece;
        text += len;
    }
    return count;
}

void m_FreeTitleWords(wchar_t** words, int count)
{
    if (!words) return;
    for (int i = 0; i < count; ++i) {
        delete[] words[i];
        words[i] = nullptr;
    }
}
