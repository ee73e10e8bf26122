#include <doctest/doctest.h>

#include <cstdlib>
#include <initializer_list>

#include "base/Color.h"

TEST_CASE("hue, saturation, value and luminance of primaries, greys and black")
{
    struct {
        ARGB c;
        double hue, sat;
        int hueInt, sat255, value, luminance;
    } cases[] = {
        {0xFFFF0000, 0, 100, 0, 255, 255, 76},
        {0xFF00FF00, 120, 100, 120, 255, 255, 150},
        {0xFF0000FF, 240, 100, 240, 255, 255, 29},
        {0xFFFFFF00, 60, 100, 60, 255, 255, 226},
        {0xFFFF00FF, 300, 100, 300, 255, 255, 105},
        {0xFF808080, 0, 0, 0, 0, 128, 128},
        {0xFF000000, 0, 0, 0, 0, 0, 0},  // no division by zero
        {0xFFFFFFFF, 0, 0, 0, 0, 255, 255},
        {0x00C86464, 0, 50, 0, 128, 200, 130},  // alpha ignored
    };
    for (const auto& c : cases) {
        CAPTURE(c.c);
        CHECK(m_GetColorHue(c.c) == doctest::Approx(c.hue));
        CHECK(m_GetColorHueInt(c.c) == c.hueInt);
        CHECK(m_GetColorSat(c.c) == doctest::Approx(c.sat));
        CHECK(m_GetColorSat255(c.c) == c.sat255);
        CHECK(m_GetColorValue(c.c) == c.value);
        CHECK(m_GetLuminance(c.c) == c.luminance);
    }
    CHECK(m_GetColorValuePercent(0xFF000033) == doctest::Approx(20.0));
    // Just below 360 rounds to 0, not 360.
    CHECK(m_GetColorHueInt(0xFFFF0001) == 0);
}

TEST_CASE("mixing and interpolating colours")
{
    CHECK(m_MixColor(0xFFFFFFFF, 0xFF000000, 25) == 0x00BFBFBFu);
    CHECK(m_MixColor(0xFF0000FF, 0xFFFF0000, 50) == 0x007F007Fu);

    // Truncating and rounding variants part where the fraction is above one half.
    CHECK(m_LerpARGB(0, 0x01010101, 200) == 0u);
    CHECK(m_LerpARGBRound(0, 0x01010101, 200) == 0x01010101u);
    CHECK(m_LerpARGB(0x11223344, 0xFFFFFFFF, 0) == 0x11223344u);
    CHECK(m_LerpARGB(0x11223344, 0xFFFFFFFF, 255) == 0xFFFFFFFFu);
    CHECK(m_LerpARGB(0xFF000000, 0x00FFFFFF, 128) == 0x7F808080u);

    CHECK(m_LerpRGB(0x00000000, 0x00FFFFFF, 128) == 0xFF808080u);
    CHECK(m_LerpRGB(0x12345678, 0x00FFFFFF, 0) == 0x12345678u);  // ends unchanged
    CHECK(m_LerpRGB(0x12345678, 0x00FFFFFF, 255) == 0x00FFFFFFu);

    CHECK(m_SetColorAlpha(0x80FFFFFF, 0.5) == 0x40FFFFFFu);
    CHECK(m_SetColorAlpha(0x80FFFFFF, 3.0) == 0x80FFFFFFu);
    CHECK(m_SetColorAlpha(0x80FFFFFF, -1.0) == 0x00FFFFFFu);
}

TEST_CASE("mixing by alpha share, including two transparent pixels")
{
    CHECK(m_MixARGB(0xFF102030, 0xFFFFFFFF, 0.0005) == 0xFF102030u);
    CHECK(m_MixARGB(0xFF102030, 0xFFFFFFFF, 0.9995) == 0xFFFFFFFFu);
    // Equal alphas: the source gets half of f.
    CHECK(m_MixARGB(0xFF000000, 0xFFFFFFFF, 0.5) == 0xFF404040u);
    // Two transparent pixels share no alpha: mixed by f alone, no NaN.
    CHECK(m_MixARGB(0x00FF0000, 0x000000FF, 0.5) == 0x00800080u);
    CHECK(m_MixARGB(0x00000000, 0x00FFFFFF, 0.25) == 0x00404040u);
}

TEST_CASE("blending over: the double and the integer variants")
{
    struct {
        ARGB d, s;
        int f;
        ARGB over, pixel;
    } cases[] = {
        // Half-transparent red over opaque blue.
        {0xFF0000FF, 0x80FF0000, 255, 0xFF80007F, 0xFF80007F},
        // Anything over a transparent pixel stays as it is at full opacity.
        {0x00000000, 0x80123456, 255, 0x80123456, 0x80123456},
        {0x00FFFFFF, 0x80123456, 255, 0x80123456, 0x80123456},
        // ... and takes the reduced alpha otherwise (the integer variant keeps s).
        {0x00000000, 0x80FF0000, 128, 0x40FF0000, 0x80FF0000},
        // Half over half.
        {0x80000000, 0x80FFFFFF, 255, 0xC0AAAAAA, 0xBF808080},
        // Transparent source and zero factor leave d.
        {0xFF112233, 0x00FFFFFF, 255, 0xFF112233, 0xFF112233},
        {0xFF112233, 0xFFFFFFFF, 0, 0xFF112233, 0xFF112233},
        // Opaque source at full factor replaces.
        {0x80112233, 0xFFABCDEF, 255, 0xFFABCDEF, 0xFFABCDEF},
    };
    for (const auto& c : cases) {
        CAPTURE(c.d);
        CAPTURE(c.s);
        CAPTURE(c.f);
        CHECK(m_BlendOver(c.d, c.s, c.f) == c.over);
        CHECK(m_BlendPixel(c.d, c.s, c.f) == c.pixel);
    }
}

TEST_CASE("building colours from HSV and HSL")
{
    CHECK(m_HsvToArgb(0, 255, 255) == 0xFFFF0000u);
    CHECK(m_HsvToArgb(120, 255, 255) == 0xFF00FF00u);
    CHECK(m_HsvToArgb(30, 255, 255) == 0xFFFF8000u);  // 127.5 rounds up
    CHECK(m_HsvToArgb(360, 255, 255) == 0xFFFF0000u);
    for (int h : {0, 90, 200, 359}) CHECK(m_HsvToArgb(h, 0, 77) == 0xFF4D4D4Du);
    CHECK(m_HsvToArgb(-50, 999, 999) == 0xFFFF0000u);  // inputs clamped

    CHECK(m_HsvToColor(0, 100, 100, 0) == 0xFFFF0000u);
    CHECK(m_HsvToColor(30, 100, 100, 0) == 0xFFFF8000u);
    CHECK(m_HsvToColor(30, 100, 100, -1) == 0xFFFF7F00u);
    CHECK(m_HsvToColor(30, 100, 100, 1) == 0xFFFF8000u);

    CHECK(m_HslToArgb(0, 255, 128) == 0xFFFF0101u);
    CHECK(m_HslToArgb(0, 0, 100) == 0xFF646464u);
    CHECK(m_HslToArgb(120, 255, 255) == 0xFFFFFFFFu);
    CHECK(m_HslToArgb(240, 255, 0) == 0xFF000000u);
}

TEST_CASE("a colour of a given luminance")
{
    // The search ends at the lightness limit.
    CHECK(m_ColorForLuminance(240, 255, 255) == 0xFFFFFFFFu);
    CHECK(m_ColorForLuminance(0, 255, 0) == 0xFF000000u);
    for (int target : {40, 100, 180}) {
        CAPTURE(target);
        const ARGB c = m_ColorForLuminance(240, 200, target);
        CHECK(m_GetLuminance(c) >= target - 4);
        CHECK(m_GetLuminance(c) <= target + 4);
        CHECK(m_GetColorHueInt(c) == 240);
    }
}

TEST_CASE("shifting hue, saturation, value and alpha")
{
    // No change returns the colour as rebuilt from its integer parts.
    for (ARGB c : {0xFF336699u, 0xFFFF0000u, 0xFF808080u, 0xFF0A141Eu}) {
        const ARGB back = m_AdjustColorHSV(c, 0, 0, 0, 0);
        CAPTURE(c);
        CHECK(std::abs(m_Red(back) - m_Red(c)) <= 1);
        CHECK(std::abs(m_Green(back) - m_Green(c)) <= 1);
        CHECK(std::abs(m_Blue(back) - m_Blue(c)) <= 1);
        CHECK(m_Alpha(back) == 255);
    }
    CHECK(m_AdjustColorHSV(0xFFFF0000, 120, 0, 0, 0) == 0xFF00FF00u);
    // Backward shifts wrap round the circle.
    CHECK(m_AdjustColorHSV(0xFFFF0000, -30, 0, 0, 0) == 0xFFFF0080u);
    CHECK(m_AdjustColorHSV(0xFF00FF00, -240, 0, 0, 0) == 0xFF0000FFu);
    // Saturation toward 255 or 0; a grey has none to change.
    CHECK(m_AdjustColorHSV(0xFFFF8080, 0, 100, 0, 0) == 0xFFFF0000u);
    CHECK(m_AdjustColorHSV(0xFFFF8080, 0, -100, 0, 0) == 0xFFFFFFFFu);
    CHECK(m_AdjustColorHSV(0xFF808080, 0, 100, 0, 0) == 0xFF808080u);
    // Value and alpha.
    CHECK(m_AdjustColorHSV(0xFF800000, 0, 0, 100, 0) == 0xFFFF0000u);
    CHECK(m_AdjustColorHSV(0xFF800000, 0, 0, -100, 0) == 0xFF000000u);
    CHECK(m_AdjustColorHSV(0xFF0000FF, 0, 0, 0, -50) == 0x800000FFu);
    CHECK(m_AdjustColorHSV(0xFF0000FF, 0, 0, 0, -100) == 0x000000FFu);
}
