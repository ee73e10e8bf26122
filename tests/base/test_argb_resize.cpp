#include <doctest/doctest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "ArgbFixture.h"
#include "base/ArgbImage.h"

namespace {

void MakeRandom(CArgbImage& img, int w, int h, uint32_t seed)
{
    REQUIRE(img.m_Create(nullptr, w, h, 32));
    for (int i = 0; i < img.m_Count; ++i) {
        seed = seed * 1664525u + 1013904223u;
        img.m_Bits[i] = seed;
    }
}

// The area average of one target pixel the plain way, in double.
uint32_t ReferencePixel(const CArgbImage& src, int w, int h, int i, int j, bool weighted)
{
    const double rx = double(src.m_Width) / w, ry = double(src.m_Height) / h;
    double a = 0, c[3] = {0, 0, 0}, div = 0;
    for (int y = 0; y < src.m_Height; ++y)
        for (int x = 0; x < src.m_Width; ++x) {
            const double ox = std::min((i + 1) * rx, x + 1.0) - std::max(i * rx, double(x));
            const double oy = std::min((j + 1) * ry, y + 1.0) - std::max(j * ry, double(y));
            if (ox <= 0 || oy <= 0) continue;
            const uint32_t p = Px(src, x, y);
            const double wt = ox * oy, wc = weighted ? wt * (p >> 24) / 255.0 : wt;
            a += wt * (p >> 24);
            for (int k = 0; k < 3; ++k) c[k] += wc * ((p >> (16 - 8 * k)) & 0xFF);
            div += wc;
        }
    auto trunc = [](double v) { return static_cast<uint32_t>(std::floor(v + 1e-6)); };
    uint32_t out = trunc(a / (rx * ry)) << 24;
    if (div > 0)
        for (int k = 0; k < 3; ++k) out |= trunc(c[k] / div) << (16 - 8 * k);
    return out;
}

}  // namespace

TEST_CASE("area averaging matches the plain average for whole and fractional ratios")
{
    struct {
        int sw, sh, w, h, weighted;
    } cases[] = {
        {12, 12, 4, 4, 0}, {12, 6, 2, 3, 0}, {12, 12, 4, 4, 1}, {7, 5, 3, 2, 0},
        {7, 5, 3, 2, 1},   {5, 4, 9, 7, 0},  {10, 3, 4, 3, 1},  {40, 2, 1, 1, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.sw);
        CAPTURE(c.sh);
        CAPTURE(c.w);
        CAPTURE(c.h);
        CAPTURE(c.weighted);
        CArgbImage src, img;
        MakeRandom(src, c.sw, c.sh, 99);
        img = src;
        REQUIRE(img.m_Resize(c.w, c.h, c.weighted) == 1);
        REQUIRE(img.m_Width == c.w);
        int wrong = 0;
        for (int j = 0; j < c.h; ++j)
            for (int i = 0; i < c.w; ++i)
                wrong += Px(img, i, j) != ReferencePixel(src, c.w, c.h, i, j, c.weighted != 0);
        CHECK(wrong == 0);
    }
}

TEST_CASE("a uniform colour stays the same colour at any ratio")
{
    for (int w : {1, 2, 3, 5, 6, 11, 13}) {
        CAPTURE(w);
        CArgbImage img;
        REQUIRE(MakeFilled(img, 17, 13, 0xC8C8C8C8));
        img.m_Resize(w, w, 0);
        CHECK(CountPx(img, 0xC8C8C8C8) == w * w);
        REQUIRE(MakeFilled(img, 17, 13, 0xC8C8C8C8));
        img.m_Resize(w, w, 1);
        CHECK(CountPx(img, 0xC8C8C8C8) == w * w);
    }
}

TEST_CASE("alpha weighting keeps colour out of transparent pixels")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 2, 1, 0xFFFF0000));
    SetPx(img, 1, 0, 0x000000FF);
    CArgbImage plain = img;
    img.m_Resize(1, 1, 1);
    CHECK(Px(img, 0, 0) == 0x7FFF0000u);
    plain.m_Resize(1, 1, 0);
    CHECK(Px(plain, 0, 0) == 0x7F7F007Fu);

    REQUIRE(MakeFilled(img, 3, 3, 0x00FFFFFF));
    img.m_Resize(1, 1, 1);
    CHECK(Px(img, 0, 0) == 0u);  // only transparent pixels: colour 0
}

TEST_CASE("resize sizes: aspect from -1, refusals, scale and shrink to fit")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 400, 100, 0xFF000000));
    CHECK(img.m_Resize(-1, 50, 0) == 1);
    CHECK((img.m_Width == 200 && img.m_Height == 50));
    CHECK(img.m_Resize(20, -1, 0) == 1);
    CHECK((img.m_Width == 20 && img.m_Height == 5));
    for (auto size : {std::pair{20, 5}, {0, 5}, {5, 0}, {-1, -1}, {20000, 20000}, {-2, 3}}) {
        CHECK(img.m_Resize(size.first, size.second, 0) == 0);
        CHECK((img.m_Width == 20 && img.m_Height == 5));
    }

    CHECK(img.m_Scale(0.5) == 1);
    CHECK((img.m_Width == 10 && img.m_Height == 3));
    CHECK(img.m_Scale(2.0, 1.0) == 1);
    CHECK((img.m_Width == 20 && img.m_Height == 3));
    CHECK(img.m_Scale(1e9) == 0);
    CHECK(img.m_Scale(std::nan("")) == 0);

    struct {
        int w, h, boxW, boxH, result, outW, outH;
    } fits[] = {
        {400, 100, 100, 200, 1, 100, 25},  {80, 60, 100, 200, 0, 80, 60},
        {300, 200, 150, 100, 1, 150, 100}, {100, 400, 200, 100, 1, 25, 100},
        {10000, 1, 100, 100, 1, 100, 1},   {50, 50, 0, 10, 0, 50, 50},
    };
    for (const auto& f : fits) {
        CAPTURE(f.w);
        CAPTURE(f.boxW);
        REQUIRE(MakeFilled(img, f.w, f.h, 0xFF000000));
        CHECK(img.m_ShrinkToFit(f.boxW, f.boxH) == f.result);
        CHECK(img.m_Width == f.outW);
        CHECK(img.m_Height == f.outH);
    }
}

TEST_CASE("stretching through GDI and the work image")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 8, 8, 0xFF204060));
    CHECK(img.m_StretchTo(0, 4) == 0);
    CHECK(img.m_StretchTo(8, 8) == 0);
    CHECK(img.m_StretchTo(4, 2) == 1);
    CHECK((img.m_Width == 4 && img.m_Height == 2));
    CHECK((Px(img, 1, 1) & 0xFFFFFF) == 0x204060u);

    REQUIRE(MakeNumbered(img, 6, 6));
    CHECK(m_StretchToWork(&img, 6, 6, 0, 0, 0, 0) == 1);
    CHECK(Px(g_WorkImage, 5, 5) == Px(img, 5, 5));
    CHECK(m_StretchToWork(&img, 3, 3, 1, 1, 1, 1) == 1);
    CHECK(g_WorkImage.m_Width == 3);
    CHECK(m_StretchToWork(&img, 3, 3, 4, 0, 4, 0) == 0);  // margins leave nothing
    CHECK(m_StretchToWork(nullptr, 3, 3, 0, 0, 0, 0) == 0);
}

TEST_CASE("scaled drawing by area sampling")
{
    CArgbImage src, dst;
    REQUIRE(MakeFilled(src, 4, 4, 0xFF000000));
    src.m_FillRectXY(0xFFFFFFFF, 0, 0, 0, 1, 4);  // first column white
    SetPx(src, 3, 3, 0x00000000);
    REQUIRE(MakeFilled(dst, 2, 2, 0x12345678));
    CHECK(dst.m_DrawScaled(0, 0, 2, 2, &src, 0, 0, 4, 4) == 1);
    CHECK(Px(dst, 0, 0) == 0xFF808080u);  // two white of four: 127.5 rounds up
    CHECK(Px(dst, 1, 1) == 0xBF000000u);  // one transparent of four: alpha 191.25

    // Enlarging repeats; the target is clipped at the image's edges.
    REQUIRE(MakeNumbered(src, 2, 2));
    REQUIRE(MakeFilled(dst, 3, 3, 0));
    CHECK(dst.m_DrawScaled(-1, -1, 4, 4, &src, 0, 0, 2, 2) == 1);
    CHECK(Px(dst, 0, 0) == Px(src, 0, 0));
    CHECK(Px(dst, 1, 0) == Px(src, 1, 0));
    CHECK(Px(dst, 2, 2) == Px(src, 1, 1));

    // With extra opacity, colour is weighted by alpha; a transparent average
    // leaves the destination.
    REQUIRE(MakeFilled(src, 2, 2, 0x00FFFFFF));
    SetPx(src, 0, 0, 0xFFFF0000);
    REQUIRE(MakeFilled(dst, 2, 2, 0xFF000000));
    CHECK(dst.m_DrawScaledAlpha(&src, 255, 0, 0, 1, 1, 0, 0, 2, 2) == 1);
    CHECK(Px(dst, 0, 0) == m_BlendOver(0xFF000000, 0x40FF0000, 255));
    REQUIRE(MakeFilled(src, 2, 2, 0));
    REQUIRE(MakeFilled(dst, 2, 2, 0xFF000000));
    dst.m_DrawScaledAlpha(&src, 255, 0, 0, 1, 1, 0, 0, 2, 2);
    CHECK(Px(dst, 0, 0) == 0xFF000000u);

    // Small sources at mild reductions take the own sampling.
    REQUIRE(MakeNumbered(src, 6, 6));
    CArgbImage a, b;
    REQUIRE(MakeFilled(a, 5, 5, 0));
    REQUIRE(MakeFilled(b, 5, 5, 0));
    a.m_StretchToDC(0, 0, 5, 5, &src, 0, 0, 6, 6, 0);
    b.m_DrawScaled(0, 0, 5, 5, &src, 0, 0, 6, 6);
    CHECK(CountPx(a, 0) == 0);
    for (int i = 0; i < 25; ++i) CHECK(a.m_Bits[i] == b.m_Bits[i]);
    CHECK(a.m_DrawScaled(0, 0, 0, 5, &src, 0, 0, 6, 6) == 0);  // no zero sizes
}

TEST_CASE("soft outline around a shape")
{
    CArgbImage dot, glow;
    REQUIRE(MakeFilled(dot, 1, 1, 0xFFFFFFFF));
    CHECK(dot.m_OutlineEx(&glow, 0xFF102030, 2.0, 2.0) == 1);
    CHECK((glow.m_Width == 5 && glow.m_Height == 5));
    CHECK(Px(glow, 2, 2) == 0xFF102030u);  // on the pixel's place
    CHECK(Px(glow, 1, 2) == 0x40102030u);  // ((2 - 1) / 2)^2 x 255 = 63.75
    CHECK(Px(glow, 0, 0) == 0u);
    CHECK(Px(glow, 2, 0) == 0u);  // distance 2 is not inside radius 2
    CHECK(Px(glow, 4, 4) == 0u);

    CHECK(dot.m_Outline(&glow, 128, 1.0, 3.0) == 1);
    CHECK(Px(glow, 1, 1) == 0x80000000u);
    CHECK(dot.m_Outline(&glow, 128, -1.0, 3.0) == 0);
    CHECK(dot.m_Outline(&glow, 128, 1e12, 3.0) == 0);
}
