#include <doctest/doctest.h>

#include "ArgbFixture.h"
#include "ImageFileFixture.h"
#include "base/BmpFont.h"

#include <initializer_list>
#include <string>

namespace {

struct SGlyphSpec {
    int code;
    int width;
    BYTE coverage;  // every pixel of the glyph
};

// An atlas of glyph height gh: the glyphs side by side after lead empty
// columns, coverage in the blue byte, codes in the bottom row.
bool MakeAtlas(CArgbImage& atlas, int gh, std::initializer_list<SGlyphSpec> glyphs, int lead = 0)
{
    int w = lead;
    for (const SGlyphSpec& g : glyphs) w += g.width;
    if (!atlas.m_Create(nullptr, w, gh + 1, 32)) return false;
    int x = lead;
    for (const SGlyphSpec& g : glyphs) {
        for (int c = 0; c < g.width; ++c, ++x) {
            for (int r = 0; r < gh; ++r) SetPx(atlas, x, r, 0xFF000000u | g.coverage);
            SetPx(atlas, x, gh, 0xFF000000u | g.code);
        }
    }
    return true;
}

// A: 5 wide, B: 4 wide, both full; narrow blank 2, blank 3; glyphs 6 tall.
void MakeTestFont(CBmpFont& font)
{
    CArgbImage atlas;
    MakeAtlas(atlas, 6, {{'A', 5, 255}, {'B', 4, 255}, {'`', 2, 0}, {' ', 3, 0}, {'C', 3, 128}}, 2);
    font.m_Build(&atlas);
}

int Measure(const CBmpFont& font, const wchar_t* text, unsigned flags = unsigned(-1),
            int* h = nullptr)
{
    int w = -1;
    font.m_MeasureText(text, &w, h, flags);
    return w;
}

}  // namespace

TEST_CASE("the code row gives each glyph its place and width")
{
    CArgbImage atlas;
    REQUIRE(MakeAtlas(atlas, 4, {{'A', 5, 255}, {'B', 5, 255}}, 10));
    CBmpFont font;
    font.m_Build(&atlas);
    CHECK(font.m_Glyphs['A'].x == 10);
    CHECK(font.m_Glyphs['A'].width == 5);
    // B's run ends at the atlas's right edge.
    CHECK(font.m_Glyphs['B'].x == 15);
    CHECK(font.m_Glyphs['B'].width == 5);
    CHECK(font.m_Glyphs['C'].width == 0);
    CHECK(font.m_GlyphHeight == 4);
    CHECK(font.m_State == 2);
    CHECK(font.m_Loaded == 1);
    CHECK(font.m_AntiAliased == 0);
    CBmpFont grey;
    MakeTestFont(grey);
    CHECK(grey.m_AntiAliased == 1);
    // An empty atlas gives an empty font that measures and draws nothing.
    CArgbImage none;
    grey.m_Build(&none);
    CHECK(grey.m_Loaded == 0);
    CHECK(Measure(grey, L"AB") == 0);
}

TEST_CASE("measuring: narrow blank, back-step, flags and characters without glyphs")
{
    CBmpFont font;
    MakeTestFont(font);
    const int ab = Measure(font, L"AB");
    CHECK(ab == 5 + 1 + 4);
    CHECK(Measure(font, L"A`B") == ab + 2 + 1);
    CHECK(Measure(font, L"A@B") == ab - 1);
    CHECK(Measure(font,
                  L"AZ\u00E9\x7F"
                  L"B") == ab);
    int h = -1;
    CHECK(Measure(font, L"", unsigned(-1), &h) == 0);
    CHECK(h == 0);
    font.m_SetOutlineShadow(2, 3, 4);
    CHECK(Measure(font, L"AB", BMPFONT_SHADOW, &h) == ab + 3);
    CHECK(h == 6 + 4);
    CHECK(Measure(font, L"AB", BMPFONT_OUTLINE, &h) == ab + 4);
    CHECK(h == 6 + 4);
    CHECK(Measure(font, L"AB", BMPFONT_WIDE) == ab + 2);
    CHECK(Measure(font, L"@@") == 0);  // never negative
    font.m_Flags = BMPFONT_OUTLINE;
    CHECK(Measure(font, L"AB", unsigned(-2)) == ab + 4);
    CHECK(font.m_GetHeight() == 10);
}

TEST_CASE("face glyphs: full coverage takes the colour, partial mixes, edges clip")
{
    CBmpFont font;
    MakeTestFont(font);
    CArgbImage img;
    REQUIRE(MakeFilled(img, 12, 8, 0xFF000000));
    font.m_DrawText(&img, 1, 1, L"AC", 0xFFFFFFFF, 0, 0, 0);
    CHECK(Px(img, 1, 1) == 0xFFFFFFFF);
    CHECK(Px(img, 5, 6) == 0xFFFFFFFF);
    CHECK(Px(img, 6, 1) == 0xFF000000);  // the spacing column
    CHECK(Px(img, 7, 3) == m_LerpARGBRound(0xFF000000, 0xFFFFFFFF, 128));
    CHECK(Px(img, 0, 0) == 0xFF000000);
    CHECK(CountPx(img, 0xFFFFFFFF) == 5 * 6);

    // Placed across every edge, only the inside is written.
    const POINT places[] = {{-3, -2}, {9, 5}, {-20, 0}, {0, 30}, {11, -5}};
    for (POINT p : places) {
        CAPTURE(p.x);
        CAPTURE(p.y);
        CArgbImage small;
        REQUIRE(MakeFilled(small, 12, 8, 0));
        font.m_DrawText(&small, p.x, p.y, L"AAB", 0xFFFF0000, 1, 0, 0);
        int expected = 0;
        const int xs[] = {0, 6, 12}, ws[] = {5, 5, 4};
        for (int g = 0; g < 3; ++g)
            for (int c = 0; c < ws[g]; ++c)
                for (int r = 0; r < 6; ++r) {
                    const int x = p.x + xs[g] + c, y = p.y + r;
                    expected += x >= 0 && x < 12 && y >= 0 && y < 8;
                }
        CHECK(CountPx(small, 0xFFFF0000) == expected);
    }
}

TEST_CASE("outline surrounds the face and wins over the shadow; shadow is offset")
{
    CBmpFont font;
    MakeTestFont(font);
    font.m_SetOutlineShadow(1, 2, 2);
    for (int viaWork = 0; viaWork <= 1; ++viaWork) {
        CAPTURE(viaWork);
        CArgbImage img;
        REQUIRE(MakeFilled(img, 16, 12, 0xFF808080));
        font.m_DrawText(&img, 3, 3, L"A", 0xFFFFFFFF, viaWork, 3, 0xFF0000FF);
        // Face at (3,3) with the pen there directly, at (4,4) through the
        // work image whose corner takes the outline.
        const int fx = viaWork ? 4 : 3, fy = fx;
        CHECK(Px(img, fx, fy) == 0xFFFFFFFF);
        CHECK(Px(img, fx - 1, fy + 2) == 0xFF0000FF);
        CHECK(Px(img, fx + 5, fy + 5) == 0xFF0000FF);
        CHECK(Px(img, fx + 6, fy + 7) == 0xFF808080);
        CHECK(CountPx(img, 0xFFFFFFFF) == 5 * 6);
        CHECK(CountPx(img, 0xFF0000FF) == 7 * 8 - 5 * 6);
    }
    CArgbImage shadowed;
    REQUIRE(MakeFilled(shadowed, 16, 12, 0xFF808080));
    font.m_DrawText(&shadowed, 3, 3, L"A", 0xFFFFFFFF, 0, BMPFONT_SHADOW, 0xFF00FF00);
    CHECK(Px(shadowed, 3, 3) == 0xFFFFFFFF);
    CHECK(Px(shadowed, 9, 10) == 0xFF00FF00);
    CHECK(Px(shadowed, 4, 9) == 0xFF808080);
    CHECK(CountPx(shadowed, 0xFF00FF00) == 5 * 6 - 3 * 4);
    CHECK(font.m_OutlineColor == 0xFF0000FF);
    CHECK(font.m_ShadowColor == 0xFF00FF00);
}

TEST_CASE("rescaling: widths round half away, coverage is area-averaged")
{
    CBmpFont font;
    MakeTestFont(font);
    font.m_ScaleToHeight(3);
    CHECK(font.m_GlyphHeight == 3);
    CHECK(font.m_AtlasHeight == 4);
    CHECK(font.m_Glyphs['A'].width == 3);  // 2.5
    CHECK(font.m_Glyphs['B'].width == 2);
    CHECK(font.m_Glyphs['`'].width == 1);
    CHECK(font.m_Glyphs['C'].width == 2);  // 1.5
    CHECK(font.m_Stride % 4 == 0);
    CArgbImage img;
    REQUIRE(MakeFilled(img, 10, 4, 0xFF000000));
    font.m_DrawText(&img, 0, 0, L"C", 0xFFFFFFFF, 0, 0, 0);
    CHECK(Px(img, 1, 2) == m_LerpARGBRound(0xFF000000, 0xFFFFFFFF, 128));
    CHECK(Px(img, 2, 2) == 0xFF000000);
    font.m_ScaleToHeight(0);
    CHECK(font.m_GlyphHeight == 3);
}

TEST_CASE("loading the built-in atlases at a display scale")
{
    CGdiplusScope gdiplus;
    struct {
        int scale, dpi, height, spacing, outline;
    } cases[] = {{1, 200, 12, 1, 2}, {1, 100, 6, 1, 1}, {2, 200, 24, 2, 2},
                 {3, 150, 27, 2, 2}, {7, 200, 12, 1, 2}, {2, 100, 12, 1, 1}};
    for (auto& c : cases) {
        CAPTURE(c.scale);
        CAPTURE(c.dpi);
        CBmpFont font;
        font.m_Load(c.scale, c.dpi);
        CHECK(font.m_Loaded == 1);
        CHECK(font.m_GlyphHeight == c.height);
        CHECK(font.m_GetSpacing() == c.spacing);
        CHECK(font.m_OutlineWidth == c.outline);
        for (wchar_t ch : std::wstring(L"0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ` ")) {
            CAPTURE(char(ch));
            CHECK(font.m_Glyphs[ch].width > 0);
        }
    }
    // No "BmpFont.png" beside the test program: an empty font.
    CBmpFont file;
    file.m_Load(0, 100);
    CHECK(file.m_Loaded == 0);
    CHECK(Measure(file, L"ABC") == 0);
}

TEST_CASE("pixel pads: blanks for whole advances, narrow blanks for the rest")
{
    CArgbImage atlas;
    REQUIRE(MakeAtlas(atlas, 4, {{' ', 2, 0}, {'`', 1, 0}}));
    g_BmpFont.m_Build(&atlas);
    g_BmpFont.m_SetSpacing(1);
    wchar_t out[16];
    CHECK(m_MakePixelPad(0, out, 0, 7) == 3);
    CHECK(std::wstring(out) == L"  `");
    CHECK(m_MakePixelPad(0, out, 0, 6) == 2);
    CHECK(std::wstring(out) == L"  ");
    CHECK(m_MakePixelPad(0, out, 0, 50) == -1);  // 16 blanks needed
    CHECK(std::wstring(out) == std::wstring(15, L' '));
    CHECK(m_MakePixelPad(0, out, 0, 44) == -1);  // 14 blanks and 2 narrow
    CHECK(std::wstring(out) == std::wstring(14, L' ') + L"`");
    CHECK(m_GetBmpFontTextWidth(0, L"  `") == 7);
    g_BmpFont.m_SetSpacing(0);
    REQUIRE(MakeAtlas(atlas, 4, {{'`', 1, 0}}));
    g_BmpFont.m_Build(&atlas);
    CHECK(m_MakePixelPad(0, out, 0, 7) == 0);
    CHECK(out[0] == L'\0');
    g_BmpFont.m_Release();
}
