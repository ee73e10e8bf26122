#include "playlist/NameElision.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace {

constexpr int kNameLimit = kTrackElidedCap - 2;  // 128 characters

int m_IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000; }

wchar_t m_Closer(wchar_t c)
{
    switch (c) {
        case L'[':
            return L']';
        case L'(':
            return L')';
        case 0x300C:
            return 0x300D;  // 「」
    }
    return 0;
}

int m_StartsPiece(const wchar_t* name, int i)
{
    const wchar_t c = name[i];
    if (c == L'[' || c == L'(' || c == 0x300C || c == L'.') return 1;
    if ((c == L'#' || c == 0xFF03 || c == 0x7B2C) && name[i + 1] &&
        IsCharAlphaNumericW(name[i + 1]))
        return 1;
    return 0;
}

struct SELIDESTATE {
    const SELIDEREQUEST* request;
    SNAMEPIECES* pieces;  // one per name
    int m;                // smallest piece count
    int widest;
    int pieceWidth[kTrackElidedCap];
    UINT out[kTrackElidedCap];  // left-out positions below m
    int tailOut;                // left-out trailing pieces
    int available;
};

const wchar_t* m_Piece(const SELIDESTATE& s, int track, int i, int* length)
{
    const SNAMEPIECES& p = s.pieces[track];
    *length = p.start[i + 1] - p.start[i];
    return s.request->names[track] + p.start[i];
}

int m_PieceEquals(const SELIDESTATE& s, int track, int i, int i0)
{
    int a, b;
    const wchar_t* x = m_Piece(s, track, i, &a);
    const wchar_t* y = m_Piece(s, 0, i0, &b);
    return a == b && wmemcmp(x, y, a) == 0;
}

int m_IsLeftOut(const SELIDESTATE& s, int track, int i)
{
    if (i >= s.pieces[track].count - s.tailOut) return 1;
    return i < s.m && s.out[i];
}

int m_Fits(const SELIDESTATE& s)
{
    int width = 0;
    for (int i = 0; i < s.pieces[s.widest].count; ++i)
        if (!m_IsLeftOut(s, s.widest, i)) width += s.pieceWidth[i];
    return width <= s.available;
}

// Track 0's piece reads 1 and every later track's reads its number + 1.
int m_FindNumberPosition(const SELIDESTATE& s)
{
    for (int p = 0; p < s.m; ++p) {
        int length;
        const wchar_t* piece = m_Piece(s, 0, p, &length);
        int offset = -1;
        if (iswdigit(piece[0]))
            offset = 0;
        else if (length >= 2 && iswdigit(piece[1]))
            offset = 1;
        if (offset < 0 || _wtoi(piece + offset) != 1) continue;
        int k = 1;
        for (; k < s.request->count; ++k) {
            const wchar_t* other = m_Piece(s, k, p, &length);
            if (offset == 1 && length < 2) break;
            if (!iswdigit(other[offset]) || _wtoi(other + offset) != k + 1) break;
        }
        if (k == s.request->count) return p;
    }
    return -1;
}

int m_ContainsListPiece(const SELIDESTATE& s, int p, const wchar_t* listName,
                        const SNAMEPIECES& listPieces)
{
    int length;
    const wchar_t* piece = m_Piece(s, 0, p, &length);
    wchar_t text[kTrackElidedCap];
    lstrcpynW(text, piece, length + 1);
    for (int i = 0; i < listPieces.count; ++i) {
        wchar_t needle[kTrackElidedCap];
        const int n = listPieces.start[i + 1] - listPieces.start[i];
        lstrcpynW(needle, listName + listPieces.start[i], n + 1);
        if (n > 0 && wcsstr(text, needle)) return 1;
    }
    return 0;
}

void m_Join(const SELIDESTATE& s, int track, wchar_t* out)
{
    int length = 0;
    for (int i = 0; i < s.pieces[track].count; ++i) {
        if (m_IsLeftOut(s, track, i)) continue;
        int n;
        const wchar_t* piece = m_Piece(s, track, i, &n);
        if (length + n > kNameLimit) n = kNameLimit - length;
        wmemcpy(out + length, piece, n);
        length += n;
    }
    out[length] = 0;
}

// The leave-out steps in their order; each stops once the widest fits.
void m_LeaveOut(SELIDESTATE& s, const UINT* common, int lastDiff, const UINT* listPos,
                int tailCommon, int numberPos)
{
    const int numberOn = s.request->numberOn;
    for (int j = 0; j < tailCommon && !m_Fits(s); ++j) s.tailOut = j + 1;
    if (m_Fits(s)) return;
    for (int p = 0; p < s.m; ++p) {
        if (listPos[p])
            s.out[p] = 1;
        else if (m_Fits(s))
            return;
    }
    if (m_Fits(s)) return;
    if (numberOn && numberPos == 0) s.out[0] = 1;
    if (m_Fits(s)) return;
    const int limit = lastDiff >= 0 ? lastDiff : s.m;
    for (int p = 0; p < limit; ++p) {
        if (common[p])
            s.out[p] = 1;
        else if (m_Fits(s))
            return;
    }
    if (!m_Fits(s) && numberOn && numberPos >= 0) s.out[numberPos] = 1;
}

}  // namespace

void m_SplitWords(const wchar_t* name, SNAMEPIECES* out)
{
    out->count = 0;
    int length = 0;
    while (length < kNameLimit && name[length]) ++length;
    wchar_t closer = 0;
    for (int i = 0; i < length; ++i) {
        int starts = i == 0;
        if (!starts && !closer) starts = m_IsBlank(name[i - 1]) || m_StartsPiece(name, i);
        if (starts) out->start[out->count++] = (short)i;
        if (closer) {
            if (name[i] == closer) closer = 0;
        } else {
            closer = m_Closer(name[i]);
        }
    }
    out->start[out->count] = (short)length;
}

int m_ElideNames(const SELIDEREQUEST& request, wchar_t (*out)[kTrackElidedCap])
{
    static SNAMEPIECES s_Pieces[1000];
    if (request.count < 2 || request.count > 1000) return 0;
    SELIDESTATE s = {};
    s.request = &request;
    s.pieces = s_Pieces;
    s.m = kTrackElidedCap;
    int widestWidth = -1;
    for (int k = 0; k < request.count; ++k) {
        m_SplitWords(request.names[k], &s_Pieces[k]);
        if (s_Pieces[k].count < s.m) s.m = s_Pieces[k].count;
        const int w = request.measure(request.names[k], s_Pieces[k].start[s_Pieces[k].count],
                                      request.context);
        if (w > widestWidth) {
            widestWidth = w;
            s.widest = k;
        }
    }
    UINT common[kTrackElidedCap] = {};
    int commonCount = 0, lastDiff = -1;
    for (int p = 0; p < s.m; ++p) {
        int k = 1;
        while (k < request.count && m_PieceEquals(s, k, p, p)) ++k;
        common[p] = k == request.count;
        if (common[p])
            ++commonCount;
        else
            lastDiff = p;
    }
    int tailCommon = 0;
    for (; tailCommon < s.m; ++tailCommon) {
        const int i0 = s_Pieces[0].count - 1 - tailCommon;
        int k = 1;
        while (k < request.count && m_PieceEquals(s, k, s_Pieces[k].count - 1 - tailCommon, i0))
            ++k;
        if (k < request.count) break;
    }
    UINT listPos[kTrackElidedCap] = {};
    if (request.listName && request.listName[0]) {
        SNAMEPIECES listPieces;
        m_SplitWords(request.listName, &listPieces);
        for (int p = 0; p < s.m; ++p)
            listPos[p] = common[p] && m_ContainsListPiece(s, p, request.listName, listPieces);
    }
    const int numberPos = m_FindNumberPosition(s);

    s.available = request.available;
    if (request.numberOn) {
        wchar_t number[16];
        const int n = _snwprintf(number, 15, L"%2d, ", s.widest + 1);
        s.available -= request.measure(number, n > 0 ? n : 0, request.context);
    }
    if (s.available < 0) s.available = 0;
    const SNAMEPIECES& wide = s_Pieces[s.widest];
    for (int i = 0; i < wide.count; ++i)
        s.pieceWidth[i] = request.measure(request.names[s.widest] + wide.start[i],
                                          wide.start[i + 1] - wide.start[i], request.context);
    if (widestWidth > s.available) m_LeaveOut(s, common, lastDiff, listPos, tailCommon, numberPos);

    int leftOut = s.tailOut;
    for (int p = 0; p < s.m; ++p) leftOut += s.out[p] ? 1 : 0;
    if (s.m > 0 && leftOut >= s.m) s.out[numberPos >= 0 ? numberPos : 0] = 0;

    if (!commonCount && !tailCommon) return 0;
    for (int k = 0; k < request.count; ++k) m_Join(s, k, out[k]);
    return 1;
}
