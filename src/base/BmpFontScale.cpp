#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/BmpFont.h"

namespace {

// One glyph block of a coverage buffer.
struct SBlock {
    const BYTE* p;
    int stride;
    int x;
    int w;
    int h;
};

int m_RoundHalfAway(double v) { return int(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5)); }

// Area average of the source box [x0, x1) x [y0, y1) of a glyph block.
int m_AverageBox(const SBlock& src, double x0, double x1, double y0, double y1)
{
    const int c0 = int(x0 + 0.001), c1 = int(std::ceil(x1));
    const int r0 = int(y0 + 0.001), r1 = int(std::ceil(y1));
    double sum = 0, weight = 0;
    for (int r = r0; r < r1 && r < src.h; ++r) {
        const double wy = std::fmin(y1, r + 1.0) - std::fmax(y0, double(r));
        if (wy <= 0) continue;
        const BYTE* row = src.p + size_t(r) * src.stride + src.x;
        for (int c = c0; c < c1 && c < src.w; ++c) {
            const double wx = std::fmin(x1, c + 1.0) - std::fmax(x0, double(c));
            if (wx <= 0) continue;
            sum += wx * wy * row[c];
            weight += wx * wy;
        }
    }
    if (weight <= 0) return 0;
    const int v = int(std::floor(sum / weight + 0.5));
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

void m_ScaleGlyph(const SBlock& src, BYTE* dst, int dstStride, int dstX, int newW, int newH,
                  double s)
{
    const double rx = double(src.w) / newW;
    for (int j = 0; j < newH; ++j) {
        BYTE* row = dst + size_t(j) * dstStride + dstX;
        for (int i = 0; i < newW; ++i)
            row[i] = BYTE(m_AverageBox(src, i * rx, (i + 1) * rx, j / s, (j + 1) / s));
    }
}

// Raises the (2o + 1) square at every face pixel of the glyph to at least
// its coverage: a square dilation by o.
void m_DilateGlyph(const SBlock& face, BYTE* dst, int dstStride, int dstX, int o)
{
    for (int r = 0; r < face.h; ++r) {
        const BYTE* row = face.p + size_t(r) * face.stride + face.x;
        for (int c = 0; c < face.w; ++c) {
            const BYTE k = row[c];
            if (!k) continue;
            for (int dy = 0; dy <= 2 * o; ++dy) {
                BYTE* out = dst + size_t(r + dy) * dstStride + dstX + c;
                for (int dx = 0; dx <= 2 * o; ++dx)
                    if (out[dx] < k) out[dx] = k;
            }
        }
    }
}

}  // namespace

void CBmpFont::m_ScaleToHeight(int h)
{
    if (!m_Loaded || m_State != 2 || !m_Coverage || h < 1 || m_GlyphHeight < 1) return;
    const double s = double(h) / m_GlyphHeight;
    int newWidth[128] = {};
    int total = 0;
    for (int c = 0; c < 128; ++c) {
        const int w = m_RoundHalfAway(m_Glyphs[c].width * s);
        newWidth[c] = w < 255 ? w : 255;
        total += newWidth[c];
    }
    const int stride = (total + 3) & ~3;
    BYTE* buffer = static_cast<BYTE*>(std::calloc(size_t(stride) * (h + 1), 1));
    if (!buffer) return;
    int x = 0;
    for (int c = 0; c < 128; ++c) {
        const SBmpGlyph old = m_Glyphs[c];
        if (newWidth[c] > 0) {
            const SBlock src = {m_Coverage, m_Stride, old.x, old.width, m_GlyphHeight};
            m_ScaleGlyph(src, buffer, stride, x, newWidth[c], h, s);
        }
        m_Glyphs[c].x = uint16_t(x);
        m_Glyphs[c].width = uint8_t(newWidth[c]);
        x += newWidth[c];
    }
    std::free(m_Coverage);
    m_Coverage = buffer;
    m_GlyphHeight = h;
    m_AtlasWidth = total;
    m_AtlasHeight = h + 1;
    m_Stride = stride;
    std::free(m_OutlineCoverage);
    m_OutlineCoverage = nullptr;
    m_OutlineBuilt = 0;
}

bool CBmpFont::m_BuildOutline()
{
    if (m_OutlineBuilt && m_OutlineCoverage) return true;
    if (!m_Coverage) return false;
    const int o = m_OutlineWidth;
    int total = 0;
    for (int c = 0; c < 128; ++c)
        if (m_Glyphs[c].width) total += m_Glyphs[c].width + 2 * o;
    const int height = m_GlyphHeight + 2 * o;
    const int stride = (total + 3) & ~3;
    std::free(m_OutlineCoverage);
    m_OutlineCoverage = static_cast<BYTE*>(std::calloc(size_t(stride) * height + 1, 1));
    if (!m_OutlineCoverage) return false;
    int x = 0;
    for (int c = 0; c < 128; ++c) {
        m_OutlineGlyphs[c] = SBmpGlyph{uint16_t(x), 0, 0};
        const int w = m_Glyphs[c].width;
        if (!w) continue;
        // Drawing takes the width from the face glyph (+ 2o): the table's
        // byte could not hold it for the widest glyphs.
        const int ow = w + 2 * o;
        m_OutlineGlyphs[c].width = uint8_t(ow < 255 ? ow : 255);
        const SBlock face = {m_Coverage, m_Stride, m_Glyphs[c].x, w, m_GlyphHeight};
        m_DilateGlyph(face, m_OutlineCoverage, stride, x, o);
        x += w + 2 * o;
    }
    m_OutlineAtlasWidth = total;
    m_OutlineAtlasHeight = height;
    m_OutlineStride = stride;
    m_OutlineBuilt = 1;
    return true;
}
