// Composing the seek bar's marks: selection and play-range spans in the
// channel, chapter marks and their highlight, play ranges and markers
// fading with their highlight switches.
#include <algorithm>
#include <cmath>

#include "base/Color.h"
#include "controls/SliderPlus.h"

namespace {

enum { kChapter = 0, kMarker = 1, kRange = 2 };

// The colour with its alpha moved from a0 toward a1 by t (0..255), both
// taken relative to the colour's own alpha.
ARGB m_LerpAlpha(ARGB colour, int t, int a0, int a1)
{
    const double a = colour >> 24;
    const double b0 = std::round(a * a0 / 255.0), b1 = std::round(a * a1 / 255.0);
    const int out = std::clamp(static_cast<int>(std::lround(b0 + (b1 - b0) * t / 255.0)), 0, 255);
    return (colour & 0xFFFFFF) | static_cast<ARGB>(out) << 24;
}

// One span look: a fill with a rim of the same colour darkened a little.
struct SSpanLook {
    ARGB fill;
    ARGB rim;
};

SSpanLook MakeLook(ARGB accent, ARGB over)
{
    const ARGB fill = m_BlendPixel(accent, over, 255) | 0xFF000000;
    return {fill, m_BlendPixel(fill, 0x1E000000, 255) | 0xFF000000};
}

RECT ClipTo(RECT r, const RECT& bounds)
{
    r.left = std::max(r.left, bounds.left);
    r.right = std::min(r.right, bounds.right);
    r.top = bounds.top;
    r.bottom = bounds.bottom;
    return r;
}

}  // namespace

void CSliderPlus::m_DrawSpans(const RECT& inner, double radius)
{
    const ARGB accent = m_ColorRefToArgb(m_AccentColor);
    const SSpanLook sel = MakeLook(accent, 0xC0C0A0A0);
    const SSpanLook light = MakeLook(accent, 0x64FFFFFF);
    const int rim = m_Scaled(1);
    auto span = [&](const SSpanLook& look, RECT r) {
        r = ClipTo(r, inner);
        if (r.right <= r.left) return;
        const int corners =
            (r.left <= inner.left ? 1 | 4 : 0) | (r.right >= inner.right ? 2 | 8 : 0);
        m_FillInner(look.fill, r, radius, corners);
        if (rim > 0 && r.right - r.left > 2 * rim) m_Image.m_FrameRect(look.rim, 0, &r, rim);
    };
    if (m_LevelMark >= 0) {
        const int w = m_Range > 0
                          ? static_cast<int>(std::lround(static_cast<double>(m_LevelMark) /
                                                         m_Range * (inner.right - inner.left)))
                          : 0;
        if (w >= 1) span(sel, {inner.left, inner.top, inner.left + w, inner.bottom});
        return;
    }
    const int current = m_CurrentRange >= 0 && m_CurrentRange < m_RangeCount ? m_CurrentRange : -1;
    if (current < 0) {
        span(sel, m_SelRect);
        return;
    }
    if (m_MarkerStyle == 0) return;
    if (m_MarkerStyle >= 2) {
        for (int i = 0; i < m_RangeCount; ++i)
            if (i != current) span(m_MarkerStyle >= 3 ? sel : light, m_RangeRects[i]);
    }
    span(sel, m_RangeRects[current]);
}

void CSliderPlus::m_DrawChapters()
{
    if (!m_ChapterMarksShown || m_ChapterCount < 2) return;
    const ARGB frame = m_ColorRefToArgb(m_GetPartColor(m_DrawStyle, 3, 1));
    const RECT inner = m_InnerChannel(m_FrameWidth);
    if (m_AnyChapterFlag && !m_SelectionSet) {
        const COLORREF dark = m_MixColor(m_GetPartColor(m_DrawStyle, 5, 1), 0, 32);
        const ARGB shade = (m_ColorRefToArgb(dark) & 0xFFFFFF) | 0x7F000000;
        for (int i = 0; i < m_ChapterCount; ++i) {
            if (!m_ChapterFlags[i]) continue;
            const int left = i == 0 ? inner.left : m_ChapterRects[i].right;
            const int right = i + 1 < m_ChapterCount && m_ChapterRects[i + 1].right > 0
                                  ? m_ChapterRects[i + 1].left
                                  : inner.right;
            m_Image.m_FillRectXY(shade, 1, left, inner.top, right, inner.bottom);
        }
    }
    for (int i = 1; i < m_ChapterCount; ++i) m_Image.m_FillRect(frame, 0, &m_ChapterRects[i]);
    const int hl = m_LastHlChapter;
    if (hl > 0 && hl < m_ChapterCount && m_Alpha[kChapter] > 0) {
        const int s1 = m_Scaled(1), s2 = m_Scaled(2);
        const RECT& c = m_ChapterRects[hl];
        const RECT box = {c.left - s1, s2, c.right + s1, m_Height - s2};
        const ARGB colour =
            m_LerpAlpha(0x90C07878, m_Alpha[kChapter], m_FadeOff[kChapter], m_FadeOn[kChapter]);
        m_Image.m_FillRoundRectEx(colour, 1, &box, 1.0, 15);
    }
}

void CSliderPlus::m_DrawRanges()
{
    const bool show =
        (m_RangeMarksShown && m_RangeCount > 0) || m_HlRange != -1 || m_Alpha[kRange] > 0;
    if (!show || m_Alpha[kRange] <= 0) return;
    const int emph = m_HlRange != -1 ? m_HlRange : m_HitPart == SLIDER_PART_RANGE ? m_HitIndex : -1;
    const double radius = m_Scaled(1);
    const int t = m_Alpha[kRange], a0 = m_FadeOff[kRange], a1 = m_FadeOn[kRange];
    if (m_MarkerStyle == 0) {
        const ARGB other = m_LerpAlpha(0x32000000, t, a0, a1);
        for (int i = 0; i < m_RangeCount; ++i)
            if (i != emph) m_Image.m_FillRoundRectEx(other, 1, &m_RangeRects[i], radius, 15);
    }
    if (emph >= 0 && emph < m_RangeCount)
        m_Image.m_FillRoundRectEx(m_LerpAlpha(0xC8C89696, t, a0, a1), 1, &m_RangeRects[emph],
                                  radius, 15);
}

void CSliderPlus::m_DrawMarkers()
{
    const bool show =
        (m_MarkerMarksShown && m_MarkerCount > 0) || m_HlMarker != -1 || m_Alpha[kMarker] > 0;
    if (!show || m_Alpha[kMarker] <= 0) return;
    const int emph = m_HlMarker != -1                  ? m_HlMarker
                     : m_HitPart == SLIDER_PART_MARKER ? m_HitIndex
                                                       : -1;
    const double radius = m_Scaled(1);
    const int t = m_Alpha[kMarker], a0 = m_FadeOff[kMarker], a1 = m_FadeOn[kMarker];
    const ARGB other =
        m_LerpAlpha(m_LerpRGB(m_ColorRefToArgb(m_BaseColor), 0xFF000000, 50), t, a0, a1);
    for (int i = 0; i < m_MarkerCount; ++i) {
        const ARGB c = i == emph ? m_LerpAlpha(0xFFD28C8C, t, a0, a1) : other;
        m_Image.m_FillRoundRectEx(c, 1, &m_MarkerRects[i], radius, 15);
    }
}
