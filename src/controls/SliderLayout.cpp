// The slider's geometry: size, thumb placement, value and pixel conversion,
// and the rectangles of chapter marks, markers and play ranges. A zero range
// or a zero travel maps everything to the channel's left end.
#include "controls/SliderPlus.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Widens r to at least w around its middle, kept within [lo, hi].
void WidenTo(RECT* r, int w, int lo, int hi)
{
    if (r->right - r->left >= w) return;
    const int mid = (r->left + r->right) / 2;
    r->left = mid - w / 2;
    r->right = r->left + w;
    if (r->right > hi) {
        r->right = hi;
        r->left = hi - w;
    }
    if (r->left < lo) {
        r->left = lo;
        r->right = std::min(hi, lo + w);
    }
}

}  // namespace

int CSliderPlus::m_Scaled(int n) const { return Round(n * m_DpiPercent / 100.0); }

RECT CSliderPlus::m_InnerChannel(int by) const
{
    RECT r = m_ChannelRect;
    InflateRect(&r, -by, -by);
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

int CSliderPlus::m_ValueToX(double v, const RECT& inner) const
{
    if (m_Range <= 0) return inner.left;
    return Round(v / m_Range * (inner.right - inner.left) + inner.left);
}

// The value under a pointer x: the thumb's centre follows the pointer.
int CSliderPlus::m_ValueAtX(int x) const
{
    if (m_Travel <= 0) return 0;
    const int t = std::clamp(x - m_ThumbWidth / 2, 0, m_Travel);
    return Round(static_cast<double>(t) / m_Travel * m_Range);
}

void CSliderPlus::m_OnSize(int width, int height)
{
    m_Width = width;
    m_Height = height;
    m_ClientRect = {0, 0, width, height};
    if (!m_Image.m_IsValid() || m_Image.m_Width != width || m_Image.m_Height != height) m_Dirty = 1;
    m_Travel = std::max(0, width - m_ThumbWidth);
    const int ch = std::max(4, std::min(m_ChannelHeight, height));
    const int top = (height - ch) / 2;
    m_ChannelRect = {m_ChannelInset, top, std::max(m_ChannelInset, width - m_ChannelInset),
                     top + ch};
    m_SyncThumb(1);
    m_LayoutMarks();
}

int CSliderPlus::m_SyncThumb(int fromPosition)
{
    double fraction = 0.0;
    if (fromPosition) {
        if (m_Range > 0) fraction = static_cast<double>(m_Pos - m_Min) / m_Range;
        m_ThumbX = std::clamp(Round(fraction * m_Travel), 0, m_Travel);
        m_ThumbRect = {m_ThumbX, m_ThumbInset, m_ThumbX + m_ThumbWidth, m_Height - m_ThumbInset};
    } else {
        if (m_Travel > 0) fraction = static_cast<double>(m_ThumbX) / m_Travel;
        m_Pos = m_ReportPos = Round(fraction * m_Range) + m_Min;
    }
    const RECT inner = m_InnerChannel(1);
    m_FillEnd = Round(fraction * (inner.right - inner.left) + inner.left);
    if (m_ThumbX == m_LastThumbX) return 0;
    m_LastThumbX = m_ThumbX;
    m_Dirty = 1;
    return 1;
}

int CSliderPlus::m_MoveThumb(int x)
{
    x = std::clamp(x, 0, m_Travel);
    if (x == m_ThumbX) return 0;
    m_ThumbX = x;
    m_ThumbRect = {x, m_ThumbInset, x + m_ThumbWidth, m_Height - m_ThumbInset};
    m_Dirty = 1;
    m_Repaint();
    return 1;
}

void CSliderPlus::m_LayoutMarks()
{
    m_LayoutPending = 0;
    const RECT inner = m_InnerChannel(m_FrameWidth);
    m_SelRect = {m_ValueToX(m_SelStart, inner), inner.top, m_ValueToX(m_SelEnd, inner),
                 inner.bottom};
    WidenTo(&m_SelRect, m_Scaled(5), inner.left, inner.right);
    m_LayoutChapters(inner);
    m_LayoutMarkers(inner);
    m_LayoutRanges(inner);
    m_Dirty = 1;
}

void CSliderPlus::m_LayoutChapters(const RECT& inner)
{
    if (m_ChapterCount < 1) return;
    const int fw = m_FrameWidth;
    m_ChapterRects[0] = {inner.left, m_ChannelRect.top, inner.left + fw, m_ChannelRect.bottom};
    int lo = inner.left + m_Scaled(1);
    const int hi = inner.right - fw - 1;
    for (int i = 1; i < m_ChapterCount; ++i) {
        const int v = m_ChapterPos[i];
        if (v < m_Min || v > m_Max) {
            m_ChapterRects[i] = {};
            continue;
        }
        // Crowded marks pile up at the right end rather than leave the channel.
        const int left = std::min(std::max(lo, m_ValueToX(v, inner) - fw / 2), hi);
        m_ChapterRects[i] = {left, m_ChannelRect.top, left + fw, m_ChannelRect.bottom};
        lo = left + fw + 1;
    }
}

void CSliderPlus::m_LayoutMarkers(const RECT& inner)
{
    const int w = m_Scaled(4);
    int lo = inner.left;
    const int hi = inner.right - w;
    for (int i = 0; i < m_MarkerCount; ++i) {
        const int left =
            std::min(std::max(lo, m_ValueToX(m_Markers[i].position, inner) - w / 2), hi);
        m_MarkerRects[i] = {left, m_Scaled(2), left + w, m_ChannelRect.top - m_Scaled(2)};
        lo = left + w + 1;
    }
}

void CSliderPlus::m_LayoutRanges(const RECT& inner)
{
    for (int i = 0; i < m_RangeCount; ++i) {
        const SPLAYRANGEITEM& r = m_Ranges[i];
        RECT& out = m_RangeRects[i];
        out.left = r.start == -1 ? inner.left : m_ValueToX(r.start, inner);
        out.right = r.end == -1 ? inner.right : m_ValueToX(r.end, inner);
        if (out.right < out.left) out.right = out.left;
        out.top = m_ChannelRect.bottom + m_Scaled(3);
        out.bottom = m_Height - m_Scaled(3);
        WidenTo(&out, m_Scaled(5), inner.left, inner.right);
    }
}

const RECT* CSliderPlus::m_GetChapterRect(int i) const
{
    return i >= 0 && i < m_ChapterCount ? &m_ChapterRects[i] : nullptr;
}

const RECT* CSliderPlus::m_GetMarkerRect(int i) const
{
    return i >= 0 && i < m_MarkerCount ? &m_MarkerRects[i] : nullptr;
}

const RECT* CSliderPlus::m_GetRangeRect(int i) const
{
    return i >= 0 && i < m_RangeCount ? &m_RangeRects[i] : nullptr;
}
