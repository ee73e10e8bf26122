// Anti-aliased polygons: GDI fills a supersampled work image, area averaging
// brings it back to size and its coverage is laid onto this image.
#include <algorithm>
#include <climits>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

namespace {

struct SBounds {
    long long minX, minY, maxX, maxY;
};

SBounds m_Bounds(const POINT* pts, int count)
{
    SBounds b = {LLONG_MAX, LLONG_MAX, LLONG_MIN, LLONG_MIN};
    for (int i = 0; i < count; ++i) {
        b.minX = std::min<long long>(b.minX, pts[i].x),
        b.maxX = std::max<long long>(b.maxX, pts[i].x);
        b.minY = std::min<long long>(b.minY, pts[i].y),
        b.maxY = std::max<long long>(b.maxY, pts[i].y);
    }
    return b;
}

// Draws the polygon in white on the transparent work image.
bool m_DrawWorkPolygon(CArgbImage& work, const POINT* pts, int count, const SBounds& b, int margin,
                       int factor)
{
    SScratch<POINT> scaled(static_cast<size_t>(count));
    if (!scaled.data) return false;
    const int penWidth = margin > 0 ? 2 * margin * factor : factor;
    const int o = margin > 0 ? 0 : penWidth / 2;
    for (int i = 0; i < count; ++i) {
        scaled.data[i].x = static_cast<LONG>((pts[i].x - b.minX + margin) * factor + o);
        scaled.data[i].y = static_cast<LONG>((pts[i].y - b.minY + margin) * factor + o);
    }
    HPEN pen = CreatePen(PS_SOLID, penWidth, RGB(255, 255, 255));
    HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
    bool ok = false;
    if (pen && brush) {
        HGDIOBJ oldPen = SelectObject(work.m_hDC, pen);
        HGDIOBJ oldBrush = SelectObject(work.m_hDC, brush);
        ok = Polygon(work.m_hDC, scaled.data, count) != FALSE;
        SelectObject(work.m_hDC, oldPen);
        SelectObject(work.m_hDC, oldBrush);
    }
    if (pen) DeleteObject(pen);
    if (brush) DeleteObject(brush);
    GdiFlush();
    return ok;
}

}  // namespace

int CArgbImage::m_FillPolygon(const POINT* pts, int count, ARGB colour, int blend, int margin,
                              int factor)
{
    if (!m_IsValid() || !pts || count < 2) return 0;
    factor = std::max(factor, 1);
    margin = std::max(margin, 0);
    const SBounds b = m_Bounds(pts, count);
    const long long w = b.maxX - b.minX + 1 + 2LL * margin, h = b.maxY - b.minY + 1 + 2LL * margin;
    if (w > kArgbMaxSide || h > kArgbMaxSide || w * factor > kArgbMaxSide ||
        h * factor > kArgbMaxSide)
        return 0;
    CArgbImage work;
    if (!work.m_Create(m_hDC, static_cast<int>(w * factor), static_cast<int>(h * factor), 32))
        return 0;
    if (!m_DrawWorkPolygon(work, pts, count, b, margin, factor)) return 0;
    if (factor > 1) work.m_Resize(static_cast<int>(w), static_cast<int>(h), 0);
    const long long left = b.minX - margin, top = b.minY - margin;
    for (int j = 0; j < work.m_Height; ++j) {
        const long long y = top + j;
        if (y < 0 || y >= m_Height) continue;
        const uint32_t* s = work.m_Row(j);
        uint32_t* d = m_Row(static_cast<int>(y));
        for (int i = 0; i < work.m_Width; ++i) {
            const long long x = left + i;
            if (x < 0 || x >= m_Width) continue;
            const int c = static_cast<int>((s[i] >> 8) & 0xFF);
            d[x] = blend ? m_BlendOver(d[x], colour, c) : m_LerpARGBRound(d[x], colour, c);
        }
    }
    return 1;
}
