#include "base/BmpFont.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "base/Geometry.h"
#include "base/ImageFile.h"
#include "base/PathUtil.h"
#include "resources/resource.h"
#include "settings/IniPath.h"

CBmpFont g_BmpFont;
CBmpFont g_BmpFontFullScreen;

CBmpFont::CBmpFont()
    : m_Glyphs(),
      m_Spacing(1),
      m_State(0),
      m_Coverage(nullptr),
      m_OutlineCoverage(nullptr),
      m_OutlineGlyphs(),
      m_GlyphHeight(0),
      m_AtlasWidth(0),
      m_AtlasHeight(0),
      m_Stride(0),
      m_OutlineAtlasWidth(0),
      m_OutlineAtlasHeight(0),
      m_OutlineStride(0),
      m_AntiAliased(1),
      m_NarrowBlank(0x60),
      m_BackStep(0x40),
      m_FaceColor(0xFF000000),
      m_OutlineColor(0),
      m_ShadowColor(0xFF000000),
      m_Loaded(0),
      m_OutlineBuilt(0),
      m_OutlineWidth(2),
      m_Flags(0),
      m_ShadowDx(1),
      m_ShadowDy(1)
{
}

CBmpFont::~CBmpFont()
{
    if (m_Loaded) m_Release();
}

void CBmpFont::m_Release()
{
    if (!m_Loaded) return;
    std::free(m_Coverage);
    std::free(m_OutlineCoverage);
    m_Coverage = nullptr;
    m_OutlineCoverage = nullptr;
    m_GlyphHeight = m_AtlasWidth = m_AtlasHeight = m_Stride = 0;
    m_OutlineAtlasHeight = 0;
    m_State = m_Flags = m_Loaded = m_OutlineBuilt = 0;
}

void CBmpFont::m_Build(const CArgbImage* atlas)
{
    m_Release();
    std::memset(m_Glyphs, 0, sizeof m_Glyphs);
    std::memset(m_OutlineGlyphs, 0, sizeof m_OutlineGlyphs);
    if (!atlas || !atlas->m_IsValid() || !atlas->m_Bits) return;
    const int w = atlas->m_Width, h = atlas->m_Height;
    const int stride = (w + 3) & ~3;
    m_Coverage = static_cast<BYTE*>(std::calloc(size_t(stride) * h, 1));
    if (!m_Coverage) return;
    m_AtlasWidth = w;
    m_AtlasHeight = h;
    m_Stride = stride;
    for (int y = 0; y < h; ++y) {
        const uint32_t* src = atlas->m_Row(y);
        BYTE* dst = m_Coverage + size_t(y) * stride;
        for (int x = 0; x < w; ++x) dst[x] = BYTE(src[x] & 0xFF);
    }
    m_ScanGlyphs();
}

void CBmpFont::m_ScanGlyphs()
{
    if (!m_Coverage || m_AtlasHeight < 1) return;
    const BYTE* codes = m_Coverage + size_t(m_AtlasHeight - 1) * m_Stride;
    int current = 0, run = 0;
    // A run's width is kept within the table's byte; longer runs are cut.
    auto close = [&] {
        if (current > 0 && current < 128) m_Glyphs[current].width = BYTE(run < 255 ? run : 255);
    };
    for (int x = 0; x < m_AtlasWidth; ++x) {
        const int code = codes[x];
        if (code == current) {
            ++run;
            continue;
        }
        close();
        current = code;
        run = 1;
        if (code > 0 && code < 128) m_Glyphs[code].x = uint16_t(x);
    }
    close();
    m_GlyphHeight = m_AtlasHeight - 1;
    m_AntiAliased = 0;
    for (int i = 0; i < m_GlyphHeight * m_Stride && !m_AntiAliased; ++i)
        m_AntiAliased = m_Coverage[i] > 0 && m_Coverage[i] < 255;
    m_State = 2;
    m_Loaded = 1;
}

void CBmpFont::m_Load(int scale, int dpiPercent)
{
    CArgbImage atlas;
    int factor = 1;
    if (scale == 0) {
        wchar_t path[kPathCap];
        _snwprintf(path, kPathCap - 1, L"%lsBmpFont.png", g_ExeFolder);
        path[kPathCap - 1] = L'\0';
        if (m_PathExistsKind(path) == 1) m_LoadImageFile(&atlas, path);
    } else {
        WORD id = IDR_BMPFONT_1X;
        if (scale == 2) id = IDR_BMPFONT_2X;
        if (scale == 3) id = IDR_BMPFONT_3X;
        if (scale == 2 || scale == 3) factor = scale;
        m_LoadPngResource(&atlas, id);
    }
    m_Build(&atlas);
    m_Spacing = int(std::floor(factor + 0.5));
    const int one = m_ScaleValue(1.0, dpiPercent, 100, 0);
    m_SetOutlineShadow(one, one, one);
    if (dpiPercent != 200) {
        m_ScaleToHeight(m_ScaleValue(m_GetHeight(), dpiPercent, 200, 0));
        m_Spacing = m_ScaleValue(factor, dpiPercent, 200, 0);
    }
}

void CBmpFont::m_SetOutlineShadow(int outlineWidth, int dx, int dy)
{
    if (outlineWidth < 0) outlineWidth = 0;
    if (outlineWidth != m_OutlineWidth) {
        std::free(m_OutlineCoverage);
        m_OutlineCoverage = nullptr;
        m_OutlineBuilt = 0;
    }
    m_OutlineWidth = outlineWidth;
    m_ShadowDx = dx;
    m_ShadowDy = dy;
}

int CBmpFont::m_GetHeight() const
{
    int h = m_GlyphHeight;
    if (m_Flags & BMPFONT_SHADOW) h += m_ShadowDy;
    if (m_Flags & BMPFONT_OUTLINE) h += 2 * m_OutlineWidth;
    return h;
}

unsigned CBmpFont::m_ResolveFlags(unsigned flags) const
{
    return flags == unsigned(-1) || flags == unsigned(-2) ? unsigned(m_Flags) : flags;
}

int CBmpFont::m_Advance(wchar_t c, unsigned flags) const
{
    if (c < 32 || c > 126) return 0;
    if (c == m_NarrowBlank) return m_Glyphs[c].width + m_Spacing;
    if (c == m_BackStep) return -m_Spacing;
    const int w = m_Glyphs[c].width;
    if (w == 0) return 0;
    return w + m_Spacing + ((flags & BMPFONT_WIDE) ? 1 : 0);
}

void CBmpFont::m_MeasureText(const wchar_t* text, int* w, int* h, unsigned flags) const
{
    flags = m_ResolveFlags(flags);
    int width = 0, height = 0;
    if (text && *text) {
        int total = 0;
        for (const wchar_t* c = text; *c; ++c) total += m_Advance(*c, flags);
        width = total - m_Spacing;
        height = m_GlyphHeight;
        if (flags & BMPFONT_SHADOW) {
            width += m_ShadowDx;
            height += m_ShadowDy;
        }
        if (flags & BMPFONT_OUTLINE) {
            width += 2 * m_OutlineWidth;
            height += 2 * m_OutlineWidth;
        }
        // Back-steps or characters without glyphs never make a negative size.
        if (width < 0) width = 0;
    }
    if (w) *w = width;
    if (h) *h = height;
}

int m_IsBmpFontLoaded() { return g_BmpFont.m_Loaded; }

int m_GetBmpFontTextWidth(int, const wchar_t* text)
{
    int w = 0;
    g_BmpFont.m_MeasureText(text, &w, nullptr, unsigned(-1));
    return w;
}

int m_GetBmpFontByte() { return g_BmpFont.m_Glyphs['|'].width; }

int m_MakePixelPad(int, wchar_t out[16], int, int pixels)
{
    out[0] = L'\0';
    const int advance = g_BmpFont.m_Glyphs[' '].width + g_BmpFont.m_GetSpacing();
    if (advance <= 0 || pixels <= 0) return 0;
    const int blanks = pixels / advance, narrow = pixels % advance;
    int n = 0;
    while (n < blanks && n < 15) out[n++] = L' ';
    while (n < blanks + narrow && n < 15) out[n++] = L'`';
    out[n] = L'\0';
    return blanks + narrow > 15 ? -1 : n;
}
