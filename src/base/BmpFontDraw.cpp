#include "base/BmpFont.h"

namespace {

// A coverage block (one glyph) to paint at a place in the target.
struct SGlyphBlock {
    const BYTE* p;
    int stride;
    int x;
    int w;
    int h;
};

// Hands every covered target pixel of the block placed at (x, y) to put,
// clipped to the target.
template <class FPut>
void m_PaintBlock(CArgbImage* dst, const SGlyphBlock& b, int x, int y, FPut put)
{
    const int c0 = x < 0 ? -x : 0, r0 = y < 0 ? -y : 0;
    const int c1 = b.w < dst->m_Width - x ? b.w : dst->m_Width - x;
    const int r1 = b.h < dst->m_Height - y ? b.h : dst->m_Height - y;
    for (int r = r0; r < r1; ++r) {
        const BYTE* src = b.p + size_t(r) * b.stride + b.x;
        uint32_t* row = dst->m_Row(y + r) + x;
        for (int c = c0; c < c1; ++c)
            if (src[c]) put(&row[c], src[c]);
    }
}

}  // namespace

void CBmpFont::m_DrawFace(CArgbImage* dst, int x, int y, const wchar_t* text, ARGB colour,
                          int blend, unsigned flags) const
{
    const bool opaque = m_Alpha(colour) == 255;
    auto put = [&](uint32_t* px, int k) {
        if (!blend)
            *px = k == 255 ? colour : m_LerpARGBRound(*px, colour, k);
        else
            *px = k == 255 && opaque ? colour : m_BlendOver(*px, colour, k);
    };
    int pen = x;
    for (const wchar_t* c = text; *c; ++c) {
        const int advance = m_Advance(*c, flags);
        if (*c != m_NarrowBlank && *c != m_BackStep && advance > 0) {
            const SGlyphBlock b = {m_Coverage, m_Stride, m_Glyphs[*c].x, m_Glyphs[*c].width,
                                   m_GlyphHeight};
            m_PaintBlock(dst, b, pen, y, put);
        }
        pen += advance;
    }
}

void CBmpFont::m_DrawOutline(CArgbImage* dst, int x, int y, const wchar_t* text,
                             unsigned flags) const
{
    const ARGB colour = m_OutlineColor;
    auto put = [&](uint32_t* px, int k) { *px = m_MixARGB(*px, colour, k / 255.0); };
    const int o = m_OutlineWidth;
    int pen = x;
    for (const wchar_t* c = text; *c; ++c) {
        const int advance = m_Advance(*c, flags);
        if (*c != m_NarrowBlank && *c != m_BackStep && advance > 0) {
            const SGlyphBlock b = {m_OutlineCoverage, m_OutlineStride, m_OutlineGlyphs[*c].x,
                                   m_Glyphs[*c].width + 2 * o, m_OutlineAtlasHeight};
            m_PaintBlock(dst, b, pen - o, y - o, put);
        }
        pen += advance;
    }
}

void CBmpFont::m_DrawOutlined(CArgbImage* dst, int x, int y, const wchar_t* text, int viaWork,
                              unsigned flags)
{
    if (!m_BuildOutline()) return;
    if (!viaWork) {
        m_DrawOutline(dst, x, y, text, flags);
        m_DrawFace(dst, x, y, text, m_FaceColor, 0, flags);
        return;
    }
    int w = 0, h = 0;
    m_MeasureText(text, &w, &h, flags);
    CArgbImage work;
    if (w < 1 || h < 1 || !work.m_Create(dst->m_hDC, w, h, 32)) return;
    const int o = m_OutlineWidth;
    m_DrawOutline(&work, o, o, text, flags);
    m_DrawFace(&work, o, o, text, m_FaceColor, 1, flags);
    dst->m_Draw(&work, viaWork, x, y);
}

void CBmpFont::m_DrawShadowed(CArgbImage* dst, int x, int y, const wchar_t* text, int viaWork,
                              unsigned flags)
{
    if (!viaWork) {
        m_DrawFace(dst, x + m_ShadowDx, y + m_ShadowDy, text, m_ShadowColor, 0, flags);
        m_DrawFace(dst, x, y, text, m_FaceColor, 0, flags);
        return;
    }
    int w = 0, h = 0;
    m_MeasureText(text, &w, &h, flags);
    CArgbImage work;
    if (w < 1 || h < 1 || !work.m_Create(dst->m_hDC, w, h, 32)) return;
    m_DrawFace(&work, m_ShadowDx, m_ShadowDy, text, m_ShadowColor, 0, flags);
    m_DrawFace(&work, 0, 0, text, m_FaceColor, 0, flags);
    dst->m_Draw(&work, viaWork, x, y);
}

void CBmpFont::m_DrawText(CArgbImage* dst, int x, int y, const wchar_t* text, ARGB face,
                          int viaWork, unsigned flags, ARGB effect)
{
    if (!m_Loaded || !m_Coverage || !dst || !dst->m_IsValid() || !text || !*text) return;
    flags = m_ResolveFlags(flags);
    if (face) m_FaceColor = face;
    if (effect && (flags & BMPFONT_OUTLINE))
        m_OutlineColor = effect;
    else if (effect && (flags & BMPFONT_SHADOW))
        m_ShadowColor = effect;
    if (flags & BMPFONT_OUTLINE)
        m_DrawOutlined(dst, x, y, text, viaWork, flags);
    else if (flags & BMPFONT_SHADOW)
        m_DrawShadowed(dst, x, y, text, viaWork, flags);
    else
        m_DrawFace(dst, x, y, text, m_FaceColor, viaWork, flags);
}
