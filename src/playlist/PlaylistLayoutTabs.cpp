// The three tabs on the strip between the splitter and the sub-list: their
// widths from the bold captions and counts, shrunk or grown to the strip.
#include <stdio.h>
#include <wchar.h>

#include "app/ToolWindowPlacement.h"
#include "base/Geometry.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistSplit.h"

namespace {

// One memory DC for measuring, kept for the run.
HDC m_MeasureDC()
{
    static HDC s_Dc = CreateCompatibleDC(nullptr);
    return s_Dc;
}

int m_TextWidth(HFONT font, const wchar_t* text)
{
    HDC dc = m_MeasureDC();
    if (!dc || !text[0]) return 0;
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, (int)wcslen(text), &size);
    if (old) SelectObject(dc, old);
    return size.cx;
}

// The count as the tab shows it, empty when it is not shown.
void m_CountText(int tab, int count, wchar_t (&out)[16])
{
    const int magnitude = count < 0 ? -count : count;
    const int shown = tab == 0 ? magnitude > 1 : magnitude >= 1;
    out[0] = 0;
    if (shown) _snwprintf(out, 15, count < 0 ? L"[%d]" : L"(%d)", magnitude);
    out[15] = 0;
}

struct STABMETRICS {
    int Around;     // spacings about the caption
    int CountGap;   // before the count
    int Gap;        // between tabs
    int Allowance;  // kept free on the strip
};

STABMETRICS m_Metrics(const CPlaylist& pl, int stripHeight)
{
    STABMETRICS m;
    int seven = pl.m_U(7);
    m.Allowance = pl.m_U(0);
    if (g_PlaylistView.nDiagTab) {
        // Slanted corners take room beside the caption and at the strip's end.
        const int d = m_RoundByMode(0.333 * stripHeight, 0);
        seven += m_RoundByMode(0.75 * d, 0);
        m.Allowance = m_RoundByMode(0.2 * d, 0);
    }
    m.Around = pl.m_U(5) + seven + pl.m_U(4) + pl.m_U(16);
    m.CountGap = pl.m_U(3);
    m.Gap = pl.m_U(1);
    return m;
}

int m_Natural(HFONT font, const STABMETRICS& m, const wchar_t* caption, const wchar_t* count)
{
    int w = m_TextWidth(font, caption) + m.Around;
    if (count[0]) w += m.CountGap + m_TextWidth(font, count);
    return w;
}

}  // namespace

void CPlaylist::m_LayoutTabs(int redraw)
{
    if (!m_W.Ready || !m_W.Dialog) return;
    const RECT& strip = m_W.TabStrip;
    const STABMETRICS m = m_Metrics(*this, strip.bottom - strip.top);
    int natural[kPlaylistTabCount];
    for (int i = 0; i < kPlaylistTabCount; ++i) {
        wchar_t count[16];
        m_CountText(i, m_W.TabCounts[i], count);
        natural[i] = m_Natural(m_W.TabFont, m, m_W.TabCaptions[i], count);
    }
    const int reference = m_Natural(m_W.TabFont, m, L"CHAPTER", L"(99)");
    const int room = (strip.right - strip.left) - m.Allowance - 2 * m.Gap;
    int widths[kPlaylistTabCount];
    m_Tabs_FitWidths(natural, reference, m_U(120) / 3, room, widths);

    int x = strip.left;
    SetRectEmpty(&m_W.TabUnion);
    for (int i = 0; i < kPlaylistTabCount; ++i) {
        SetRect(&m_W.Tabs[i], x, strip.top, x + widths[i], strip.bottom);
        UnionRect(&m_W.TabUnion, &m_W.TabUnion, &m_W.Tabs[i]);
        x += widths[i] + m.Gap;
    }
    if (redraw) InvalidateRect(m_W.Dialog, &strip, FALSE);
}
