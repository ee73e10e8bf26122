// Scaled drawing by area sampling with tolerances, and the choice between it
// and GDI stretching.
#include <algorithm>
#include <cmath>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

namespace {

struct SSample {
    double a = 0, r = 0, g = 0, b = 0, w = 0;  // w: the colour divisor
};

// Sums the source pixels under the box [x0, x1) x [y0, y1), skipping pixels
// outside the source and slivers below 0.01 of a pixel.
SSample m_SampleBox(const CArgbImage& src, double x0, double x1, double y0, double y1,
                    bool alphaWeighted)
{
    SSample s;
    const int c0 = std::max(0, static_cast<int>(std::floor(x0 + 0.01)));
    const int c1 = std::min(src.m_Width, static_cast<int>(std::floor(x1 + 0.99)));
    const int r0 = std::max(0, static_cast<int>(std::floor(y0 + 0.01)));
    const int r1 = std::min(src.m_Height, static_cast<int>(std::floor(y1 + 0.99)));
    for (int row = r0; row < r1; ++row) {
        const double oy = std::min(y1, row + 1.0) - std::max(y0, static_cast<double>(row));
        const uint32_t* p = src.m_Row(row);
        for (int col = c0; col < c1; ++col) {
            const double w =
                (std::min(x1, col + 1.0) - std::max(x0, static_cast<double>(col))) * oy;
            if (w < 0.01) continue;
            const double alpha = p[col] >> 24;
            const double wc = alphaWeighted ? w * alpha / 255.0 : w;
            s.a += w * alpha;
            s.r += wc * ((p[col] >> 16) & 0xFF);
            s.g += wc * ((p[col] >> 8) & 0xFF);
            s.b += wc * (p[col] & 0xFF);
            s.w += wc;
        }
    }
    return s;
}

uint32_t m_RoundByte(double v)
{
    if (!(v > 0.0)) return 0;
    return static_cast<uint32_t>(std::min(255.0, std::floor(v + 0.5)));
}

// Colour of a sample, alpha from the covered area; 0 when nothing was sampled.
uint32_t m_SamplePixel(const SSample& s, double area)
{
    if (!(s.w > 0.0)) return 0;
    return m_RoundByte(s.a / area) << 24 | m_RoundByte(s.r / s.w) << 16 |
           m_RoundByte(s.g / s.w) << 8 | m_RoundByte(s.b / s.w);
}

// Samples src (which may be dst itself) over a w x h grid placed at (x, y)
// and hands each destination pixel inside dst, with its sample, to put.
template <class Put>
int m_ForEachScaledPixel(CArgbImage& dst, int x, int y, int w, int h, const CArgbImage* src, int sx,
                         int sy, int sw, int sh, bool alphaWeighted, Put put)
{
    CArgbImage copy;
    if (src == &dst) {
        if (!copy.m_CopyFrom(src)) return 0;
        src = &copy;
    }
    const double rx = static_cast<double>(sw) / w, ry = static_cast<double>(sh) / h;
    const int i0 = std::max(0, -x),
              i1 = static_cast<int>(std::min<long long>(w, 0LL + dst.m_Width - x));
    const int j0 = std::max(0, -y),
              j1 = static_cast<int>(std::min<long long>(h, 0LL + dst.m_Height - y));
    for (int j = j0; j < j1; ++j) {
        uint32_t* d = dst.m_Row(y + j);
        for (int i = i0; i < i1; ++i) {
            const SSample s = m_SampleBox(*src, sx + i * rx, sx + (i + 1) * rx, sy + j * ry,
                                          sy + (j + 1) * ry, alphaWeighted);
            put(d[x + i], s, rx * ry);
        }
    }
    return 1;
}

}  // namespace

int CArgbImage::m_DrawScaled(int x, int y, int w, int h, const CArgbImage* src, int sx, int sy,
                             int sw, int sh)
{
    if (!m_IsValid() || !src || !src->m_IsValid() || w < 1 || h < 1 || sw < 1 || sh < 1) return 0;
    return m_ForEachScaledPixel(*this, x, y, w, h, src, sx, sy, sw, sh, false,
                                [](uint32_t& d, const SSample& s, double area) {
                                    if (s.w > 0.0) d = m_SamplePixel(s, area);
                                });
}

int CArgbImage::m_DrawScaledAlpha(const CArgbImage* src, int alpha, int x, int y, int w, int h, int,
                                  int, int sw, int sh)
{
    if (!m_IsValid() || !src || !src->m_IsValid() || alpha < 1) return 0;
    if (w == sw && h == sh) return m_DrawAlpha(src, alpha, x, y, w, h, 0, 0);
    if (w < 1 || h < 1 || sw < 1 || sh < 1) return 0;
    return m_ForEachScaledPixel(*this, x, y, w, h, src, 0, 0, sw, sh, true,
                                [alpha](uint32_t& d, const SSample& s, double area) {
                                    const uint32_t avg = m_SamplePixel(s, area);
                                    if (avg >> 24) d = m_BlendOver(d, avg, alpha);
                                });
}

int CArgbImage::m_StretchToDC(int x, int y, int w, int h, const CArgbImage* src, int sx, int sy,
                              int sw, int sh, int mode)
{
    if (!m_IsValid() || !src || !src->m_IsValid()) return 0;
    if (mode <= 0 && static_cast<long long>(sw) * sh < 16385 && w >= sw / 1.5 && h >= sh / 1.5)
        return m_DrawScaled(x, y, w, h, src, sx, sy, sw, sh);
    const int oldMode = SetStretchBltMode(m_hDC, mode > 0 ? COLORONCOLOR : HALFTONE);
    POINT oldOrigin;
    SetBrushOrgEx(m_hDC, 0, 0, &oldOrigin);
    const BOOL ok = StretchBlt(m_hDC, x, y, w, h, src->m_hDC, sx, sy, sw, sh, SRCCOPY);
    SetBrushOrgEx(m_hDC, oldOrigin.x, oldOrigin.y, nullptr);
    if (oldMode) SetStretchBltMode(m_hDC, oldMode);
    return ok ? 1 : 0;
}
