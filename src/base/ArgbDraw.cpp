// Fills, axis-parallel lines, frames and gradients. Everything is clipped to
// the image.
#include <algorithm>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

namespace {

// Blends one colour over a row through the row kernel, a chunk at a time.
void m_BlendColorRow(uint32_t* d, int n, uint32_t colour)
{
    uint32_t chunk[256];
    std::fill(chunk, chunk + 256, colour);
    for (int i = 0; i < n; i += 256) m_BlendRowOver(d + i, chunk, std::min(256, n - i));
}

}  // namespace

int CArgbImage::m_FillRect(ARGB colour, int blend, const RECT* r)
{
    RECT c;
    if (!m_ClipToImage(*this, r, &c)) return 0;
    const int n = c.right - c.left;
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* d = m_Row(y) + c.left;
        if (blend && (colour >> 24) < 255)
            m_BlendColorRow(d, n, colour);
        else
            std::fill(d, d + n, static_cast<uint32_t>(colour));
    }
    return 1;
}

int CArgbImage::m_FillRectXY(ARGB colour, int blend, int left, int top, int right, int bottom)
{
    const RECT r = {left, top, right, bottom};
    return m_FillRect(colour, blend, &r);
}

int CArgbImage::m_FillColorRef(COLORREF colour, const RECT* r)
{
    return m_FillRect(m_ColorRefToArgb(colour), 0, r);
}

int CArgbImage::m_DrawLine(ARGB colour, int, int x1, int y1, int x2, int y2)
{
    // Only axis-parallel lines going right or down; clipped to the image.
    RECT r;
    if (y1 == y2 && x1 < x2)
        r = {x1, y1, x2, y1 + 1};
    else if (x1 == x2 && y1 < y2)
        r = {x1, y1, x1 + 1, y2};
    else
        return 0;
    return m_FillRect(colour, 0, &r);
}

int CArgbImage::m_FrameRect(ARGB colour, int blend, const RECT* r, int thickness)
{
    RECT c;
    if (thickness < 1 || !m_ClipToImage(*this, r, &c)) return 0;
    const RECT f = r ? *r : c;  // the frame's own edges, before clipping
    const bool mix = blend && (colour >> 24) < 255;
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* d = m_Row(y);
        const bool band = y - f.top < thickness || f.bottom - 1 - y < thickness;
        for (int x = c.left; x < c.right; ++x) {
            if (!band && x - f.left >= thickness && f.right - 1 - x >= thickness) {
                x = std::max(x, static_cast<int>(f.right) - thickness) - 1;  // skip the inside
                continue;
            }
            d[x] = mix ? m_BlendPixel(d[x], colour, 255) : colour;
        }
    }
    return 1;
}

int CArgbImage::m_FrameRectBlend(ARGB colour, const RECT* r, int thickness)
{
    return m_FrameRect(colour, 1, r, thickness);
}

int CArgbImage::m_FrameColorRef(COLORREF colour, const RECT* r, int thickness)
{
    return m_FrameRect(m_ColorRefToArgb(colour), 0, r, thickness);
}

int CArgbImage::m_FillGradient(int direction, ARGB colour, int, int blend, const RECT* r)
{
    RECT c;
    if (direction < 1 || direction > 4 || !m_ClipToImage(*this, r, &c)) return 0;
    const int w = c.right - c.left, h = c.bottom - c.top;
    for (int y = c.top; y < c.bottom; ++y) {
        uint32_t* d = m_Row(y);
        for (int x = c.left; x < c.right; ++x) {
            int t;
            if (direction == 1)
                t = (x - c.left) * 255 / w;
            else if (direction == 2)
                t = 255 - (x - c.left) * 255 / w;
            else if (direction == 3)
                t = (y - c.top) * 255 / h;
            else
                t = 255 - (y - c.top) * 255 / h;
            const ARGB value = m_LerpARGB(colour, 0, t);
            d[x] = blend ? m_BlendPixel(d[x], value, 255) : value;
        }
    }
    return 1;
}
