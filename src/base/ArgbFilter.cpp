// Whole-image filters: alpha scaling, premultiplying, tinting, cone blur and
// mosaic.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

int CArgbImage::m_ScaleAlpha(double factor)
{
    if (!m_IsValid()) return 0;
    for (int i = 0; i < m_Count; ++i) {
        const double a = std::floor((m_Bits[i] >> 24) * factor + 0.5);
        // Factors above 1 or below 0 saturate instead of wrapping.
        const uint32_t v = a > 255.0 ? 255 : a > 0.0 ? static_cast<uint32_t>(a) : 0;
        m_Bits[i] = (m_Bits[i] & 0xFFFFFF) | v << 24;
    }
    return 1;
}

int CArgbImage::m_Premultiply()
{
    if (!m_IsValid()) return 0;
    for (int i = 0; i < m_Count; ++i) {
        const uint32_t p = m_Bits[i], a = p >> 24;
        m_Bits[i] = (p & 0xFF000000) | (((p >> 16) & 0xFF) * a / 255) << 16 |
                    (((p >> 8) & 0xFF) * a / 255) << 8 | (p & 0xFF) * a / 255;
    }
    return 1;
}

int CArgbImage::m_TintAlpha(ARGB colour)
{
    if (!m_IsValid()) return 0;
    const uint32_t rgb = colour & 0xFFFFFF, ca = colour >> 24;
    for (int i = 0; i < m_Count; ++i) {
        const uint32_t a = ((m_Bits[i] >> 24) * ca * 2 + 255) / 510;
        m_Bits[i] = m_BlendOver(m_Bits[i], rgb | a << 24, 255);
    }
    return 1;
}

namespace {

// One output pixel of the cone blur: inputs within radius r weighted by
// (r - d) / r, d from the distance table.
uint32_t m_ConePixel(const CArgbImage& img, int x, int y, int r, const double* weights)
{
    double sum[4] = {0, 0, 0, 0}, total = 0;
    const int y0 = std::max(0, y - r), y1 = std::min(img.m_Height - 1, y + r);
    const int x0 = std::max(0, x - r), x1 = std::min(img.m_Width - 1, x + r);
    for (int sy = y0; sy <= y1; ++sy) {
        const uint32_t* row = img.m_Row(sy);
        const double* wrow = weights + static_cast<size_t>(std::abs(sy - y)) * (r + 1);
        for (int sx = x0; sx <= x1; ++sx) {
            const double w = wrow[std::abs(sx - x)];
            if (w <= 0.0) continue;
            const uint32_t p = row[sx];
            sum[0] += w * (p >> 24), sum[1] += w * ((p >> 16) & 0xFF);
            sum[2] += w * ((p >> 8) & 0xFF), sum[3] += w * (p & 0xFF);
            total += w;
        }
    }
    uint32_t out = 0;
    for (int k = 0; k < 4; ++k)
        out = out << 8 | static_cast<uint32_t>(std::min(255.0, sum[k] / total + 0.5));
    return out;
}

}  // namespace

int CArgbImage::m_DiscFilter(int r)
{
    // Radius 0 has no cone (and would divide by zero); larger than the image
    // reaches nothing further.
    if (!m_IsValid() || r < 1) return 0;
    r = std::min(r, std::max(m_Width, m_Height));
    SScratch<double> weights(static_cast<size_t>(r + 1) * (r + 1));
    SScratch<uint32_t> out(static_cast<size_t>(m_Count));
    if (!weights.data || !out.data) return 0;
    for (int j = 0; j <= r; ++j)
        for (int i = 0; i <= r; ++i) {
            const double d = std::sqrt(double(i) * i + double(j) * j);
            weights.data[j * (r + 1) + i] = d < r ? (r - d) / r : 0.0;
        }
    for (int y = 0; y < m_Height; ++y)
        for (int x = 0; x < m_Width; ++x)
            out.data[static_cast<size_t>(m_Height - 1 - y) * m_Width + x] =
                m_ConePixel(*this, x, y, r, weights.data);
    std::memcpy(m_Bits, out.data, static_cast<size_t>(m_Count) * 4);
    return 1;
}

int CArgbImage::m_BoxFilter(int n)
{
    if (!m_IsValid() || n < 1) return 0;
    n = std::min(n, m_Width);  // blocks narrower than a pixel change nothing
    const double bw = static_cast<double>(m_Width) / n;
    const int m = static_cast<int>(std::floor(m_Height / bw + 0.5));
    if (m < 1) return 0;
    const double bh = static_cast<double>(m_Height) / m;
    for (int j = 0; j < m; ++j) {
        const int y0 = static_cast<int>(std::floor(j * bh));
        const int y1 = std::min(m_Height, static_cast<int>(std::floor((j + 1) * bh + 0.5)));
        for (int i = 0; i < n; ++i) {
            const int x0 = static_cast<int>(std::floor(i * bw));
            const int x1 = std::min(m_Width, static_cast<int>(std::floor((i + 1) * bw + 0.5)));
            if (x1 <= x0 || y1 <= y0) continue;
            unsigned long long sum[4] = {0, 0, 0, 0};
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    for (int k = 0; k < 4; ++k) sum[k] += (m_Row(y)[x] >> (8 * k)) & 0xFF;
            const unsigned long long count = static_cast<unsigned long long>(x1 - x0) * (y1 - y0);
            uint32_t avg = 0;
            for (int k = 0; k < 4; ++k) avg |= static_cast<uint32_t>(sum[k] / count) << (8 * k);
            for (int y = y0; y < y1; ++y) std::fill(m_Row(y) + x0, m_Row(y) + x1, avg);
        }
    }
    return 1;
}
