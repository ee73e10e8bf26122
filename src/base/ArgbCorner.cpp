// Anti-aliased quarter discs for rounded corners, and whole discs.
#include <algorithm>
#include <cmath>

#include "base/ArgbImage.h"

namespace {

uint32_t m_WithAlpha(ARGB colour, int alpha)
{
    return (colour & 0xFFFFFF) | static_cast<uint32_t>(alpha) << 24;
}

}  // namespace

int CArgbImage::m_CreateCircle(HDC dc, int r, ARGB colour)
{
    if (r < 1 || !m_Create(dc, r, r, 32)) return 0;
    const int ca = static_cast<int>(colour >> 24);
    for (int y = 0; y < r; ++y) {
        uint32_t* row = m_Row(y);
        for (int x = 0; x < r; ++x) {
            const double d = std::sqrt(double(r - x) * (r - x) + double(r - y) * (r - y));
            if (d > r + 1.001) {
                row[x] = 0;
            } else if (d < r + 0.001) {
                row[x] = colour;
            } else {
                const double k = std::clamp(r - d + 1.0, 0.0, 1.0);
                const int a = static_cast<int>(std::floor(k * ca + 0.5));
                row[x] = a == 0 ? 0 : a == 255 ? colour : m_WithAlpha(colour, a);
            }
        }
    }
    return 1;
}

int CArgbImage::m_CreateCornerPiece(HDC dc, double r, ARGB colour)
{
    if (!(r > 0.0) || r > kArgbMaxSide) return 0;
    const int n = static_cast<int>(std::ceil(r));
    if (!m_Create(dc, n, n, 32)) return 0;
    const int ca = static_cast<int>(colour >> 24);
    const int farCorner = static_cast<int>(std::floor((2.0 - std::sqrt(2.0)) * r)) - 1;
    // Symmetric about the diagonal: compute x >= y and mirror.
    for (int y = 0; y < n; ++y) {
        for (int x = y; x < n; ++x) {
            const int s = x + y;
            uint32_t v;
            if (s < farCorner) {
                v = 0;
            } else if (s > n) {
                v = colour;
            } else {
                const double d = std::hypot(x + 0.5 - r, y + 0.5 - r);
                if (d >= r + 0.5)
                    v = 0;
                else if (d <= r - 0.5)
                    v = colour;
                else {
                    const double k = std::min(1.0, std::max(0.0, r - d + 0.5));
                    v = m_WithAlpha(colour, static_cast<int>(std::floor(k * ca + 0.5)));
                }
            }
            m_Row(y)[x] = v;
            m_Row(x)[y] = v;
        }
    }
    return 1;
}

int CArgbImage::m_CreateCornerPieceEx(HDC dc, double r, double second, ARGB colour)
{
    // A piece as large as the second size whose own rounding keeps radius r at
    // its outer corner: the plain piece laid into a square of the colour.
    CArgbImage piece;
    if (!piece.m_CreateCornerPiece(dc, r, colour)) return 0;
    const int n =
        std::max(piece.m_Width, static_cast<int>(std::ceil(std::min(second, 1.0 * kArgbMaxSide))));
    if (!m_Create(dc, n, n, 32)) return 0;
    m_FillRect(colour, 0, nullptr);
    return m_Draw(&piece, 0, 0, 0);
}

int CArgbImage::m_FillCircle(ARGB colour, int blend, double cx, double cy, double r)
{
    if (!m_IsValid() || !(r > 0.0) || !std::isfinite(cx) || !std::isfinite(cy)) return 0;
    const double big = 4.0 * kArgbMaxSide;
    if (std::fabs(cx) > big || std::fabs(cy) > big || r > big) return 0;
    const int R = static_cast<int>(std::ceil(r));
    const int y0 = std::max(0, static_cast<int>(std::floor(cy)) - R);
    const int y1 = std::min(m_Height, static_cast<int>(std::ceil(cy)) + R + 1);
    const int x0 = std::max(0, static_cast<int>(std::floor(cx)) - R);
    const int x1 = std::min(m_Width, static_cast<int>(std::ceil(cx)) + R + 1);
    for (int y = y0; y < y1; ++y) {
        uint32_t* row = m_Row(y);
        for (int x = x0; x < x1; ++x) {
            const double dx = std::fabs(x + 0.5 - cx), dy = std::fabs(y + 0.5 - cy);
            const double d = std::sqrt(dx * dx + dy * dy);
            const double lo = std::min(dx, dy), hi = std::max(dx, dy);
            // Width of the anti-aliased band: 1 on the axes, up to sqrt 2.
            const double b = lo > 0.0 ? 1.0 / std::sin(std::atan(hi / lo)) : 1.0;
            if (d > r + b / 2) continue;
            int coverage = 255;
            if (d >= r - b / 2) {
                coverage = 255 - static_cast<int>(std::floor(
                                     std::clamp((d - r + b / 2) / b, 0.0, 1.0) * 255 + 0.5));
                if (coverage < 1) continue;
            }
            row[x] = blend ? m_BlendOver(row[x], colour, coverage)
                           : m_MixARGB(row[x], colour, coverage / 255.0);
        }
    }
    return 1;
}
