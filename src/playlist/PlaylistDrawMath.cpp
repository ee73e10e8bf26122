#include "playlist/PlaylistDrawMath.h"

#include <math.h>

#include <algorithm>
#include <stdio.h>

#include "playlist/TrackInfo.h"

SROWCOLORS m_PlaylistDraw_RowColors(COLORREF window, COLORREF text, int selected, int focused,
                                    int dimmed)
{
    SROWCOLORS c = {window, text, 0};
    if (!selected) {
        c.TextKept = !dimmed;
        if (dimmed) c.Text = kRowDimmedText;
    } else if (focused) {
        c.Back = kRowSelectedBack;
        c.Text = dimmed ? m_MixColor(text, kRowSelectedBack, 33) : text;
    } else {
        c.Back = m_MixColor(window, text, 8);
        c.TextKept = !dimmed;
        if (dimmed) c.Text = kRowDimmedText;
    }
    return c;
}

static int m_IsDark(COLORREF back)
{
    const int r = GetRValue(back), g = GetGValue(back), b = GetBValue(back);
    return std::max(r, std::max(g, b)) < 128;
}

ARGB m_PlaylistDraw_StatusText(COLORREF back) { return m_IsDark(back) ? 0xAAFFFFFF : 0xBE000000; }

ARGB m_PlaylistDraw_StatusDimText(COLORREF back)
{
    const ARGB c = m_PlaylistDraw_StatusText(back);
    const int alpha = (int)lround(m_Alpha(c) * 0.45);
    return (c & 0x00FFFFFF) | ((ARGB)alpha << 24);
}

int m_PlaylistDraw_LoadingBars(int tracks, int scanned)
{
    if (tracks <= 0) return 1;
    const int bars = (tracks - scanned) * 6 / tracks + 1;
    return bars < 1 ? 1 : bars > 7 ? 7 : bars;
}

// What the track's unchecked chapters take off its duration; 0 unless some
// but not all of its chapters are checked.
static INT64 m_UncheckedChapterTime(const STRACKINFO& t)
{
    const int n = t.ChapterCount < kFileInfoItemCap ? t.ChapterCount : kFileInfoItemCap;
    if (n <= 0 || !t.Chapters) return 0;
    int checked = 0;
    for (int k = 0; k < n; ++k) checked += !t.ChapterUnchecked[k];
    if (checked == 0 || checked == n) return 0;
    INT64 off = 0;
    for (int k = 0; k < n; ++k) {
        if (!t.ChapterUnchecked[k]) continue;
        const INT64 start = llround(t.Chapters[k].Start * 1000.0);
        const INT64 end = k + 1 < n ? llround(t.Chapters[k + 1].Start * 1000.0) : t.Milliseconds;
        // Chapters out of order or past the end take nothing off.
        if (end > start) off += end - start;
    }
    return off < t.Milliseconds ? off : t.Milliseconds;
}

SPLAYLISTTOTAL m_PlaylistDraw_Total(const STRACKINFO* tracks, int count, int checkMode)
{
    SPLAYLISTTOTAL total = {0, 0, 0};
    for (int i = 0; tracks && i < count; ++i) {
        const STRACKINFO& t = tracks[i];
        if (checkMode && t.Unchecked) continue;
        ++total.Counted;
        if (t.Milliseconds <= 0) {
            total.Unknown = 1;
            continue;
        }
        total.Milliseconds += t.Milliseconds - (checkMode ? m_UncheckedChapterTime(t) : 0);
    }
    return total;
}

void m_PlaylistDraw_FormatTotal(const SPLAYLISTTOTAL& total, int trackCount, wchar_t* out, int size)
{
    if (!out || size <= 0) return;
    const INT64 seconds = (total.Milliseconds + 500) / 1000;
    int n = _snwprintf(out, size, L"%s%d:%02d:%02d", L"", (int)(seconds / 3600),
                       (int)(seconds / 60 % 60), (int)(seconds % 60));
    if (n >= 0 && n < size && trackCount > 1)
        _snwprintf(out + n, size - n, L"%s`/`%d", L"", total.Counted);
    out[size - 1] = L'\0';
}

STABTEXTS m_PlaylistDraw_PlaceTabTexts(int left, int right, int captionWidth, int countWidth,
                                       int gap, int minCaption)
{
    STABTEXTS p = {};
    const int room = right - left;
    const int countPart = countWidth > 0 ? gap + countWidth : 0;
    if (captionWidth + countPart <= room) {
        const int x = left + (room - captionWidth - countPart) / 2;
        p.Caption = {x, 0, x + captionWidth, 0};
        if (countWidth > 0) p.Count = {x + captionWidth + gap, 0, x + captionWidth + countPart, 0};
    } else if (countWidth <= room) {
        p.Count = {right - countWidth, 0, right, 0};
        const int end = countWidth > 0 ? right - countPart : right;
        p.Caption = {left, 0, end > left ? end : left, 0};
    } else {
        return p;
    }
    p.ShowCount = countWidth > 0;
    p.ShowCaption = p.Caption.right - p.Caption.left >= minCaption && captionWidth > 0;
    if (!p.ShowCaption) p.Caption = {};
    return p;
}
