// Soft outline or glow around an image's shape.
#include <algorithm>
#include <cmath>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

int CArgbImage::m_OutlineEx(CArgbImage* dst, ARGB colour, double radius, double exponent) const
{
    if (!m_IsValid() || !dst || dst == this) return 0;
    if (!(radius >= 0.0) || radius > kArgbMaxSide) return 0;
    const int c = static_cast<int>(std::ceil(radius)), side = 2 * c;
    if (!dst->m_Create(m_hDC, m_Width + side, m_Height + side, 32)) return 0;
    if (c == 0) return 1;
    // The falloff of the (2c) x (2c) square, -1 outside the radius.
    SScratch<double> falloff(static_cast<size_t>(side) * side);
    if (!falloff.data) return 0;
    for (int dy = 0; dy < side; ++dy)
        for (int dx = 0; dx < side; ++dx) {
            const double d = std::sqrt(double(c - dx) * (c - dx) + double(c - dy) * (c - dy));
            falloff.data[dy * side + dx] =
                d < radius ? std::pow((radius - d) / radius, exponent) : -1;
        }
    const uint32_t rgb = colour & 0xFFFFFF, ca = colour >> 24;
    for (int y = 0; y < m_Height; ++y) {
        const uint32_t* s = m_Row(y);
        for (int x = 0; x < m_Width; ++x) {
            const uint32_t a = s[x] >> 24;
            if (a == 0) continue;
            const uint32_t peak = (a * ca * 2 + 255) / 510;
            for (int dy = 0; dy < side; ++dy) {
                uint32_t* d = dst->m_Row(y + dy) + x;
                const double* f = falloff.data + dy * side;
                for (int dx = 0; dx < side; ++dx) {
                    if ((d[dx] >> 24) >= peak || f[dx] < 0) continue;
                    const uint32_t v = static_cast<uint32_t>(std::floor(f[dx] * peak + 0.5));
                    if (v > (d[dx] >> 24)) d[dx] = rgb | v << 24;
                }
            }
        }
    }
    return 1;
}

int CArgbImage::m_Outline(CArgbImage* dst, BYTE alpha, double radius, double exponent) const
{
    return m_OutlineEx(dst, static_cast<ARGB>(alpha) << 24, radius, exponent);
}
