// Tiled copies and nine-slice frames: edges and centre repeat, never stretch.
#include <algorithm>
#include <climits>
#include <cstring>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

int CArgbImage::m_DrawTiled(int x, int y, int w, int h, const CArgbImage* src, int sx, int sy,
                            int sw, int sh)
{
    if (!m_IsValid() || !src || !src->m_IsValid()) return 0;
    CArgbImage copy;
    if (src == this) {
        if (!copy.m_CopyFrom(src)) return 0;
        src = &copy;
    }
    if (sw == -1) sw = src->m_Width;
    if (sh == -1) sh = src->m_Height;
    // The source part and the target area are each clipped to their image;
    // the pattern stays anchored at (x, y).
    SBlitRect part = {0, 0, sw, sh, sx, sy};
    if (!m_ClipBlit(&part, sw, sh, src->m_Width, src->m_Height)) return 0;
    if (w < 1 || h < 1) return 0;
    RECT area = {x, y, static_cast<LONG>(std::min<long long>(0LL + x + w, INT_MAX)),
                 static_cast<LONG>(std::min<long long>(0LL + y + h, INT_MAX))};
    RECT c;
    if (!m_ClipToImage(*this, &area, &c)) return 0;
    for (int ty = c.top; ty < c.bottom; ++ty) {
        const uint32_t* s = src->m_Row(part.sy + (ty - y) % part.h) + part.sx;
        uint32_t* d = m_Row(ty);
        int tx = c.left;
        while (tx < c.right) {
            const int phase = (tx - x) % part.w;
            const int n = std::min(part.w - phase, static_cast<int>(c.right) - tx);
            std::memcpy(d + tx, s + phase, static_cast<size_t>(n) * 4);
            tx += n;
        }
    }
    return 1;
}

int CArgbImage::m_Draw9Slice(CArgbImage* dst, int w, int h, const RECT* margins) const
{
    if (!m_hDC || !m_IsValid() || !dst || dst == this) return 0;
    if (!dst->m_Create(m_hDC, w, h, 32)) return 0;
    const RECT none = {0, 0, 0, 0};
    const RECT& m = margins ? *margins : none;
    const int l = m.left, t = m.top, r = m.right, b = m.bottom, sw = m_Width, sh = m_Height;
    dst->m_DrawTiled(l, t, w - l - r, h - t - b, this, l, t, sw - l - r, sh - t - b);
    dst->m_DrawTiled(l, 0, w - l - r, t, this, l, 0, sw - l - r, t);
    dst->m_DrawTiled(l, h - b, w - l - r, b, this, l, sh - b, sw - l - r, b);
    dst->m_DrawTiled(0, t, l, h - t - b, this, 0, t, l, sh - t - b);
    dst->m_DrawTiled(w - r, t, r, h - t - b, this, sw - r, t, r, sh - t - b);
    dst->m_Draw(this, 0, 0, 0, l, t, 0, 0);
    dst->m_Draw(this, 0, w - r, 0, r, t, sw - r, 0);
    dst->m_Draw(this, 0, 0, h - b, l, b, 0, sh - b);
    dst->m_Draw(this, 0, w - r, h - b, r, b, sw - r, sh - b);
    return 1;
}
