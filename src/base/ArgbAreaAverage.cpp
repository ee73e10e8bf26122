// Area averaging. Whole-number ratios take an exact integer path; any other
// ratio sums overlap weights in double precision, separably by columns and
// rows.
#include "base/ArgbAreaAverage.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

namespace {

// Sums that are whole numbers up to rounding noise must not truncate to the
// integer below (a uniform colour would darken by one).
constexpr double kTruncSlack = 1e-6;

uint32_t m_TruncByte(double v)
{
    if (!(v > 0.0)) return 0;
    return static_cast<uint32_t>(std::min(255.0, std::floor(v + kTruncSlack)));
}

// Integer path, kx x ky source pixels per target pixel, no alpha weighting.
// Rows are first summed per column with red/blue and alpha/green in 16-bit
// lanes of one word, then across kx columns.
void m_AverageWhole(const CArgbImage& src, CArgbImage& dst, int kx, int ky)
{
    const int sw = src.m_Width, n = kx * ky;
    SScratch<uint32_t> rb(static_cast<size_t>(sw)), ag(static_cast<size_t>(sw));
    if (!rb.data || !ag.data) return;
    for (int j = 0; j < dst.m_Height; ++j) {
        std::memset(rb.data, 0, static_cast<size_t>(sw) * 4);
        std::memset(ag.data, 0, static_cast<size_t>(sw) * 4);
        for (int r = 0; r < ky; ++r) {
            const uint32_t* s = src.m_Row(j * ky + r);
            uint32_t* prb = rb.data;
            uint32_t* pag = ag.data;
            for (int c = 0; c < sw; ++c) {
                prb[c] += s[c] & 0x00FF00FF;
                pag[c] += (s[c] >> 8) & 0x00FF00FF;
            }
        }
        uint32_t* d = dst.m_Row(j);
        for (int i = 0; i < dst.m_Width; ++i) {
            uint32_t a = 0, red = 0, g = 0, b = 0;
            for (int k = i * kx, end = k + kx; k < end; ++k) {
                a += ag.data[k] >> 16, g += ag.data[k] & 0xFFFF;
                red += rb.data[k] >> 16, b += rb.data[k] & 0xFFFF;
            }
            d[i] = (a / n) << 24 | (red / n) << 16 | (g / n) << 8 | b / n;
        }
    }
}

// One axis of the box weights: target t covers source [t r, (t + 1) r).
struct SSpans {
    SScratch<int> first, count;
    SScratch<double> weight;  // count[t] entries from offset[t]
    SScratch<int> offset;
    double ratio;
    SSpans(int from, int to);
    bool m_Ok() const { return first.data && count.data && weight.data && offset.data; }
};

SSpans::SSpans(int from, int to)
    : first(static_cast<size_t>(to)),
      count(static_cast<size_t>(to)),
      weight(static_cast<size_t>(to) * (static_cast<size_t>(from / to) + 3)),
      offset(static_cast<size_t>(to)),
      ratio(static_cast<double>(from) / to)
{
    if (!m_Ok()) return;
    int used = 0;
    for (int t = 0; t < to; ++t) {
        const double start = t * ratio, end = std::min((t + 1) * ratio, static_cast<double>(from));
        const int c0 = static_cast<int>(std::floor(start));
        const int c1 = std::min(from, static_cast<int>(std::ceil(end)));
        first.data[t] = c0;
        offset.data[t] = used;
        count.data[t] = 0;
        for (int c = c0; c < c1; ++c) {
            const double w = std::min(end, c + 1.0) - std::max(start, static_cast<double>(c));
            if (w <= 0.0) continue;
            if (count.data[t] == 0) first.data[t] = c;
            weight.data[used++] = w;
            ++count.data[t];
        }
    }
}

void m_AverageBoxes(const CArgbImage& src, CArgbImage& dst, bool alphaWeighted)
{
    const SSpans cols(src.m_Width, dst.m_Width), rows(src.m_Height, dst.m_Height);
    const int dw = dst.m_Width;
    SScratch<double> acc(static_cast<size_t>(dw) * 5);
    if (!cols.m_Ok() || !rows.m_Ok() || !acc.data) return;
    const double area = cols.ratio * rows.ratio;
    for (int j = 0; j < dst.m_Height; ++j) {
        std::fill(acc.data, acc.data + static_cast<size_t>(dw) * 5, 0.0);
        for (int rr = 0; rr < rows.count.data[j]; ++rr) {
            const uint32_t* s = src.m_Row(rows.first.data[j] + rr);
            const double wy = rows.weight.data[rows.offset.data[j] + rr];
            for (int i = 0; i < dw; ++i) {
                double* a = acc.data + static_cast<size_t>(i) * 5;
                const double* wx = cols.weight.data + cols.offset.data[i];
                const uint32_t* p = s + cols.first.data[i];
                for (int k = 0; k < cols.count.data[i]; ++k) {
                    const double w = wx[k] * wy, alpha = p[k] >> 24;
                    const double wc = alphaWeighted ? w * alpha / 255.0 : w;
                    a[0] += w * alpha;
                    a[1] += wc * ((p[k] >> 16) & 0xFF);
                    a[2] += wc * ((p[k] >> 8) & 0xFF);
                    a[3] += wc * (p[k] & 0xFF);
                    a[4] += wc;
                }
            }
        }
        uint32_t* d = dst.m_Row(j);
        for (int i = 0; i < dw; ++i) {
            const double* a = acc.data + static_cast<size_t>(i) * 5;
            const double div = a[4];
            uint32_t out = m_TruncByte(a[0] / area) << 24;
            if (div > 0.0)
                out |= m_TruncByte(a[1] / div) << 16 | m_TruncByte(a[2] / div) << 8 |
                       m_TruncByte(a[3] / div);
            d[i] = out;
        }
    }
}

}  // namespace

void m_AreaAverage(const CArgbImage& src, CArgbImage& dst, bool alphaWeighted)
{
    if (!src.m_IsValid() || !dst.m_IsValid()) return;
    const bool whole = src.m_Width % dst.m_Width == 0 && src.m_Height % dst.m_Height == 0;
    const int kx = src.m_Width / dst.m_Width, ky = src.m_Height / dst.m_Height;
    // 16-bit lanes hold sums of up to 257 bytes.
    if (!alphaWeighted && whole && static_cast<long long>(kx) * ky <= 257)
        m_AverageWhole(src, dst, kx, ky);
    else
        m_AverageBoxes(src, dst, alphaWeighted);
}
