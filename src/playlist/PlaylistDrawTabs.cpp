// The tab strip between the track list and the sub-list: tab shapes, their
// icons, captions and counts, drawn off-screen and copied to the window.
#include <math.h>
#include <stdio.h>

#include <algorithm>

#include "app/ToolWindowPlacement.h"
#include "base/ArgbImage.h"
#include "base/Color.h"
#include "base/Geometry.h"
#include "base/ImageFile.h"
#include "base/TextFit.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistDrawMath.h"
#include "resources/resource.h"
#include "settings/Settings.h"

namespace {

constexpr int kTabIconFirstCell = 6;
constexpr int kIconCellAt200 = 32;
constexpr ARGB kHoverOverlay = 0x50FFFFFF;
constexpr int kRoundedLook = 3;

struct STabLook {
    ARGB Window;
    ARGB Strip;
    double Radius;  // 0: square corners
    int Diagonal;
    int Slant;  // d: a third of the strip height
    int Collapsed;
    int Hovered;  // tab index or -1
};

// The icon strip at the window's scale; loaded on first use and after a
// DPI change.
int m_EnsureIconStrip(CArgbImage* strip, int dpiPercent)
{
    const int cell = m_ScaleValue(kIconCellAt200, dpiPercent, 200, 0);
    if (!strip || cell < 1) return 0;
    if (strip->m_IsValid() && strip->m_CellHeight == cell) return 1;
    if (!m_LoadPngResource(strip, IDR_PLAYLIST_ICONS)) return 0;
    const int cells = strip->m_Width / kIconCellAt200;
    if (cell != kIconCellAt200 && !strip->m_Resize(cells * cell, cell, 1)) return 0;
    return strip->m_SetCellSize(cell, cell);
}

// The tab's shape: a trapezoid with "DiagTab" (its left side slanting by a
// fifth and its right side by three quarters of d), else a rectangle with
// the given corners rounded.
void m_FillTabShape(CArgbImage* img, const RECT& r, ARGB colour, const STabLook& look,
                    double radius, int corners)
{
    if (look.Diagonal) {
        const int d = look.Slant;
        const POINT pts[4] = {{r.left, r.bottom},
                              {r.left + (int)lround(0.2 * d), r.top},
                              {r.right - (int)lround(0.75 * d), r.top},
                              {r.right, r.bottom}};
        img->m_FillPolygon(pts, 4, colour, 1, 0, 4);
    } else if (radius > 0) {
        img->m_FillRoundRectEx(colour, 1, &r, radius, corners);
    } else {
        img->m_FillRect(colour, 1, &r);
    }
}

// The bottom corners of the shown tab flare outward into the strip.
void m_DrawFlares(CArgbImage* img, const RECT& r, const STabLook& look, double flare)
{
    const int f = (int)ceil(flare);
    const RECT left = {r.left - f, r.bottom - f, r.left, r.bottom};
    const RECT right = {r.right, r.bottom - f, r.right + f, r.bottom};
    img->m_FillRect(look.Window, 0, &left);
    img->m_FillRect(look.Window, 0, &right);
    img->m_FillCircle(look.Strip, 0, r.left - flare, r.bottom - flare, flare);
    img->m_FillCircle(look.Strip, 0, r.right + flare, r.bottom - flare, flare);
}

// Tab texts: translucent black on a light ground, translucent white on a
// dark one.
ARGB m_TextInk(ARGB ground)
{
    return std::max({m_Red(ground), m_Green(ground), m_Blue(ground)}) < 128 ? 0xA0FFFFFF
                                                                            : 0xA0000000;
}

// Synthesised bold reaches past the measured extent by the overhang.
int m_TextWidth(HDC dc, HFONT font, const wchar_t* text)
{
    SIZE size = {0, 0};
    TEXTMETRICW tm = {};
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32W(dc, text, (int)wcslen(text), &size);
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    return size.cx + tm.tmOverhang;
}

int m_TextHeight(HDC dc, HFONT font)
{
    TEXTMETRICW tm = {};
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    return tm.tmHeight;
}

// "(n)" or "[n]" when the tab shows its count: the chapter count from 2,
// the others from 1; an empty text otherwise.
void m_FormatTabCount(int tab, int count, wchar_t* out, int size)
{
    const int magnitude = count < 0 ? -count : count;
    out[0] = L'\0';
    if (magnitude < (tab == 0 ? 2 : 1)) return;
    _snwprintf(out, size, count < 0 ? L"[%d]" : L"(%d)", magnitude);
    out[size - 1] = L'\0';
}

}  // namespace

void CPlaylist::m_DrawTabs(HDC dc)
{
    const RECT& strip = m_W.TabStrip;
    const int w = strip.right - strip.left, h = strip.bottom - strip.top;
    if (!dc || !m_W.Ready || w <= 0 || h <= 0) return;
    CArgbImage img;
    if (!img.m_Create(dc, w, h)) return;

    STabLook look = {};
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    look.Window = m_ColorRefToArgb(window);
    look.Strip = m_ColorRefToArgb(m_W.SplitterColor);
    const int rounded = g_Settings.Ctrl_Style[0] == kRoundedLook;
    look.Radius = rounded ? 3.5 * m_W.DpiPercent / 100.0 : 0.0;
    look.Diagonal = g_PlaylistView.nDiagTab != 0;
    look.Slant = (int)lround(0.333 * h);
    look.Collapsed = m_W.SubCollapsed;
    look.Hovered = m_W.Hover >= PLHOVER_TAB0 && m_W.Hover < PLHOVER_TAB0 + kPlaylistTabCount
                       ? m_W.Hover - PLHOVER_TAB0
                       : -1;
    img.m_FillRect(look.Strip | 0xFF000000, 0);

    const int iconsReady = m_EnsureIconStrip(m_W.IconStrip, m_W.DpiPercent);
    HFONT font = m_W.TabFont ? m_W.TabFont : (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    const int textH = m_TextHeight(img.m_hDC, font);
    for (int i = 0; i < kPlaylistTabCount; ++i) {
        RECT r = m_W.Tabs[i];
        OffsetRect(&r, -strip.left, -strip.top);
        if (r.right <= r.left || r.bottom <= r.top) continue;
        const int shown = i == m_W.Tab;
        if (look.Collapsed) {
            if (shown)
                m_FillTabShape(&img, r, (look.Window & 0xFFFFFF) | 0xC0000000, look, look.Radius,
                               15);
            if (i == look.Hovered) m_FillTabShape(&img, r, kHoverOverlay, look, look.Radius, 15);
        } else if (shown) {
            m_FillTabShape(&img, r, look.Window, look, look.Radius, 3);
            if (rounded && !look.Diagonal)
                m_DrawFlares(&img, r, look, 3.0 * m_W.DpiPercent / 100.0);
        } else if (i == look.Hovered) {
            m_FillTabShape(&img, r, kHoverOverlay, look, 0.8 * look.Radius, 3);
        }

        int x = r.left + m_U(5);
        const int iconTop = r.top + m_U(3);
        int iconH = textH;
        if (iconsReady) {
            m_W.IconStrip->m_DrawCellAlpha(&img, kTabIconFirstCell + i, shown ? 205 : 175, x,
                                           iconTop);
            x += m_W.IconStrip->m_CellWidth;
            iconH = m_W.IconStrip->m_CellHeight;
        }
        wchar_t count[16];
        m_FormatTabCount(i, m_W.TabCounts[i], count, 16);
        wchar_t caption[kPlaylistTabCaptionCap];
        wcsncpy(caption, m_W.TabCaptions[i], kPlaylistTabCaptionCap - 1);
        caption[kPlaylistTabCaptionCap - 1] = L'\0';
        const int right = r.right - m_U(7) - (look.Diagonal ? (int)lround(0.75 * look.Slant) : 0);
        const STABTEXTS place = m_PlaylistDraw_PlaceTabTexts(
            x + m_U(4), right, m_TextWidth(img.m_hDC, font, caption),
            count[0] ? m_TextWidth(img.m_hDC, font, count) : 0, m_U(3), m_U(8));
        const int y = iconTop + (iconH - textH) / 2;
        const ARGB ink = m_TextInk(shown ? look.Window : look.Strip);
        if (place.ShowCaption) {
            // A caption cut short ends in ".." rather than half a letter.
            HGDIOBJ old = SelectObject(img.m_hDC, font);
            m_FitTextToWidth(img.m_hDC, place.Caption.right - place.Caption.left, caption,
                             kPlaylistTabCaptionCap, L"..");
            SelectObject(img.m_hDC, old);
            img.m_DrawTextEx(caption, font, ink, 1, place.Caption.left, y, 0, 0, 0);
        }
        if (place.ShowCount) img.m_DrawTextEx(count, font, ink, 1, place.Count.left, y, 0, 0, 0);
    }

    // Only the part above the sub-list's bottom shows.
    int visible = h;
    if (m_W.SubRect.bottom > strip.top && m_W.SubRect.bottom - strip.top < h)
        visible = m_W.SubRect.bottom - strip.top;
    BitBlt(dc, strip.left, strip.top, w, visible, img.m_hDC, 0, 0, SRCCOPY);
}
