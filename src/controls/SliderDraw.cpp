// Composing the slider's picture: background, channel, fills, marks and
// thumb, all into one image that the paint copies with one BitBlt.
#include <windows.h>
#include <uxtheme.h>

#include <algorithm>
#include <cmath>

#include "base/Color.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "controls/SliderPlus.h"

namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

ARGB Opaque(COLORREF c) { return m_ColorRefToArgb(c); }

// Slot of a part colour in the cache; the thumb face has one per state.
int CacheSlot(int part, int thumbState)
{
    if (part == 2) return thumbState == 2 ? 6 : thumbState == 3 ? 7 : 2;
    return part;
}

}  // namespace

COLORREF CSliderPlus::m_GetPartColor(int style, int part, int thumbState)
{
    const int slot = CacheSlot(part, thumbState);
    if (slot < 0 || slot > 15) return 255;
    if (m_PartCached & (1u << slot)) return m_PartColors[slot];
    const bool flat = style == 11 || style == 13;
    const COLORREF base = m_BaseColor, black = 0, white = 0xFFFFFF;
    COLORREF c;
    switch (part) {
        case 1:
            c = m_MixColor(base, black, flat ? 33 : 35);
            break;
        case 2:
            if (thumbState == 2)
                c = m_MixColor(base, white, flat ? 50 : 60);
            else if (thumbState == 3)
                c = flat ? base : m_MixColor(base, white, 30);
            else
                c = m_MixColor(base, white, flat ? 20 : 30);
            break;
        case 3:
            c = m_MixColor(base, black, 33);
            break;
        case 5:
            c = m_MixColor(base, black, 10);
            break;
        case 11:
            c = m_MixColor(m_AccentColor, 0xA0A0C8, 75);
            break;
        default:
            return 255;
    }
    m_PartColors[slot] = c & 0xFFFFFF;
    m_PartCached |= 1u << slot;
    return m_PartColors[slot];
}

void CSliderPlus::m_Compose()
{
    if (m_Width <= 0 || m_Height <= 0) return;
    if (!m_Image.m_IsValid() || m_Image.m_Width != m_Width || m_Image.m_Height != m_Height) {
        if (!m_Image.m_Create(nullptr, m_Width, m_Height, 32)) return;
    }
    int dpi = m_hWnd ? m_GetWindowDpiPercent(m_hWnd) : 100;
    if (dpi <= 0) dpi = 100;
    if (dpi != m_DpiPercent) {
        m_DpiPercent = dpi;
        m_LayoutPending = 1;  // the marks' sizes follow the DPI
    }
    int style = m_DrawStyle;
    HTHEME theme = nullptr;
    if (style >= 1 && style <= 3) {
        theme = m_hWnd ? OpenThemeData(m_hWnd, L"TRACKBAR") : nullptr;
        if (!theme) style = 11;
    }
    if (m_LayoutPending) m_LayoutMarks();
    m_Image.m_FillColorRef(m_BaseColor);
    m_DrawChannel(style);
    m_DrawChannelContents(style);
    m_DrawChapters();
    m_DrawRanges();
    m_DrawMarkers();
    m_DrawThumb(style, theme);
    if (theme) CloseThemeData(theme);
    m_Dirty = 0;
}

void CSliderPlus::m_DrawChannel(int style)
{
    const ARGB frame = Opaque(m_GetPartColor(style, 3, 1));
    RECT r = m_ChannelRect;
    if (style == 0) {
        DrawEdge(m_Image.m_hDC, &r, EDGE_SUNKEN, BF_RECT);
        GdiFlush();
        m_Image.m_SetOpaque();
    } else if (style == 13) {
        const int ch = r.bottom - r.top;
        m_Image.m_FillRoundRectEx(frame, 0, &r, std::max(1, ch / 4), 15);
    } else {
        m_Image.m_FrameRect(frame, 0, &r, std::max(1, m_FrameWidth));
    }
}

// Fills part of the inner channel; with a radius, only the corners that lie
// on the inner channel's own ends are rounded.
void CSliderPlus::m_FillInner(ARGB colour, const RECT& r, double radius, int corners)
{
    if (r.right <= r.left || r.bottom <= r.top) return;
    if (radius > 0.0 && corners)
        m_Image.m_FillRoundRectEx(colour, 1, &r, radius, corners);
    else
        m_Image.m_FillRect(colour, 1, &r);
}

void CSliderPlus::m_DrawChannelContents(int style)
{
    const RECT inner = m_InnerChannel(m_FrameWidth);
    const int iw = inner.right - inner.left, ih = inner.bottom - inner.top;
    if (iw <= 0 || ih <= 0) return;
    double radius = 0.0;
    if (style == 13) {
        const int ch = m_ChannelRect.bottom - m_ChannelRect.top;
        radius = m_InsetRadius(m_ChannelRect.right - m_ChannelRect.left, ch, m_FrameWidth,
                               std::max(1, ch / 4));
    }
    const ARGB fill = Opaque(m_GetPartColor(style, 5, 1));
    const ARGB accent = Opaque(m_AccentColor);
    if (!m_Enabled) {
        m_FillInner(fill, inner, radius, 15);
    } else if (m_LevelMark < 0 && !m_SelectionSet) {
        const int split =
            std::clamp(m_FillEnd, static_cast<int>(inner.left), static_cast<int>(inner.right));
        m_FillInner(accent, {inner.left, inner.top, split, inner.bottom}, radius, 1 | 4);
        m_FillInner(fill, {split, inner.top, inner.right, inner.bottom}, radius, 2 | 8);
    } else {
        m_FillInner(accent, inner, radius, 15);
        m_DrawSpans(inner, radius);
    }
    if (m_SubPos > 0 && m_Range > 0) {
        const int w = Round(static_cast<double>(m_SubPos) / m_Range * iw);
        const ARGB sub = (Opaque(m_GetPartColor(style, 11, 1)) & 0xFFFFFF) | 0x70000000;
        m_FillInner(sub, {inner.left, inner.top, inner.left + w, inner.bottom}, radius, 1 | 4);
    }
}

void CSliderPlus::m_DrawThumb(int style, HANDLE theme)
{
    if (!m_Enabled || m_PositionHidden || (!m_ThumbShown && m_ThumbAlpha <= 0)) return;
    const int alpha = m_ThumbShown && m_ThumbAlpha <= 0 ? 255 : m_ThumbAlpha;
    RECT r = m_ThumbRect;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    const ARGB face = Opaque(m_GetPartColor(style, 2, m_ThumbState));
    const ARGB frame = Opaque(m_GetPartColor(style, 1, m_ThumbState));
    if (style == 0) {
        m_Image.m_FillColorRef(GetSysColor(COLOR_3DFACE), &r);
        DrawEdge(m_Image.m_hDC, &r, EDGE_RAISED, BF_RECT);
        GdiFlush();
        m_Image.m_SetOpaque();
    } else if ((style == 1 || style == 3) && theme) {
        RECT t = {r.left, r.top, r.right + 1, r.bottom + 1};
        DrawThemeBackground(static_cast<HTHEME>(theme), m_Image.m_hDC, 3, m_ThumbState, &t,
                            nullptr);
        GdiFlush();
        m_Image.m_SetOpaque();
    } else if (style == 2 || style == 13) {
        const double radius = style == 13 ? w / 4.0 : std::max(2, w / 3);
        CArgbImage thumb, inside;
        if (!thumb.m_CreateRoundRectFill(m_Image.m_hDC, w, h, frame, radius)) return;
        const int fw = std::max(1, m_FrameWidth);
        if (w > 2 * fw && h > 2 * fw) {
            const double inner = m_InsetRadius(w, h, fw, radius);
            if (style == 2)
                inside.m_CreateRoundRect(m_Image.m_hDC, w - 2 * fw, h - 2 * fw, face,
                                         static_cast<int>(inner), 2);
            else
                inside.m_CreateRoundRectFill(m_Image.m_hDC, w - 2 * fw, h - 2 * fw, face, inner);
            thumb.m_Draw(&inside, 0, fw, fw);
        }
        m_Image.m_DrawAlpha(&thumb, alpha, r.left, r.top);
    } else {
        const ARGB a = static_cast<ARGB>(alpha) << 24;
        m_Image.m_FillRect((face & 0xFFFFFF) | a, 1, &r);
        m_Image.m_FrameRect((frame & 0xFFFFFF) | a, 1, &r, std::max(1, m_FrameWidth));
    }
}
