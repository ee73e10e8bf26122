#include <doctest/doctest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "ArgbFixture.h"
#include "base/ArgbImage.h"

namespace {

uint32_t Next(uint32_t* seed)
{
    *seed = *seed * 1664525u + 1013904223u;
    return *seed;
}

// Source: alpha x (every value 0..255 along a row), random colours.
// Destination: opaque, transparent, half-transparent and mixed rows.
void MakeBlendPair(CArgbImage& src, CArgbImage& dst)
{
    uint32_t seed = 7;
    REQUIRE(src.m_Create(nullptr, 256, 8, 32));
    REQUIRE(dst.m_Create(nullptr, 256, 8, 32));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 256; ++x) {
            SetPx(src, x, y, static_cast<uint32_t>(x) << 24 | (Next(&seed) >> 8));
            const uint32_t rgb = Next(&seed) >> 8;
            uint32_t a = 255;
            if (y == 2) a = 0;
            if (y == 3) a = 128;
            if (y >= 4) a = Next(&seed) >> 24;
            if (y == 5 && x % 3) a = 255;  // mostly opaque row with a few others
            SetPx(dst, x, y, a << 24 | rgb);
        }
}

}  // namespace

TEST_CASE("blit clipping at every edge")
{
    struct {
        const char* what;
        int x, y, w, h, sx, sy;
        int firstX, firstY, cols, rows, fromX, fromY;  // -1 cols: nothing drawn
    } cases[] = {
        {"inside", 2, 3, 4, 2, 1, 1, 2, 3, 4, 2, 1, 1},
        {"left edge", -5, 0, 20, 2, 0, 0, 0, 0, 15, 2, 5, 0},
        {"top edge", 0, -3, 2, 6, 0, 0, 0, 0, 2, 3, 0, 3},
        {"right edge", 17, 0, 10, 1, 0, 0, 17, 0, 3, 1, 0, 0},
        {"bottom edge", 0, 18, 1, 10, 0, 0, 0, 18, 1, 2, 0, 0},
        {"source past its right", 0, 0, 10, 1, 28, 0, 0, 0, 2, 1, 28, 0},
        {"negative source x keeps the destination x", 4, 0, 6, 1, -2, 0, 4, 0, 4, 1, 0, 0},
        {"whole source by -1", 0, 0, -1, -1, 25, 20, 0, 0, 5, 4, 25, 20},
        {"wholly right of it", 20, 0, 5, 5, 0, 0, 0, 0, -1, 0, 0, 0},
        {"wholly above it", 0, -10, 5, 5, 0, 0, 0, 0, -1, 0, 0, 0},
        {"source start past its end", 0, 0, 5, 5, 40, 0, 0, 0, -1, 0, 0, 0},
        {"huge sizes", -2147483000, 0, 2147483000, 1, 0, 0, 0, 0, -1, 0, 0, 0},
    };
    CArgbImage src, dst;
    REQUIRE(MakeNumbered(src, 30, 24));
    for (const auto& c : cases) {
        CAPTURE(c.what);
        REQUIRE(MakeFilled(dst, 20, 20, 0));
        const int drawn = dst.m_Draw(&src, 0, c.x, c.y, c.w, c.h, c.sx, c.sy);
        if (c.cols < 0) {
            CHECK(drawn == 0);
            CHECK(CountPx(dst, 0) == 400);
            continue;
        }
        CHECK(drawn == 1);
        CHECK(CountPx(dst, 0) == 400 - c.cols * c.rows);
        CHECK(Px(dst, c.firstX, c.firstY) == Px(src, c.fromX, c.fromY));
        CHECK(Px(dst, c.firstX + c.cols - 1, c.firstY + c.rows - 1) ==
              Px(src, c.fromX + c.cols - 1, c.fromY + c.rows - 1));
    }
}

TEST_CASE("blending blits give exactly m_BlendOver on every kind of destination")
{
    CArgbImage src, dst, ref;
    MakeBlendPair(src, dst);
    ref = dst;
    REQUIRE(dst.m_Draw(&src, 1) == 1);
    int wrong = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 256; ++x)
            wrong += Px(dst, x, y) != m_BlendOver(Px(ref, x, y), Px(src, x, y), 255);
    CHECK(wrong == 0);

    for (int f : {1, 77, 128, 254}) {
        CAPTURE(f);
        dst = ref;
        REQUIRE(dst.m_DrawAlpha(&src, f) == 1);
        wrong = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 256; ++x)
                wrong += Px(dst, x, y) != m_BlendOver(Px(ref, x, y), Px(src, x, y), f);
        CHECK(wrong == 0);
    }
}

TEST_CASE("copying blits and extra opacity limits")
{
    CArgbImage src, dst;
    REQUIRE(MakeFilled(src, 2, 1, 0x10FFFFFF));
    REQUIRE(MakeFilled(dst, 2, 1, 0xFF000000));
    dst.m_Draw(&src, 0);
    CHECK(Px(dst, 0, 0) == 0x10FFFFFFu);  // alpha copied as it is

    REQUIRE(MakeFilled(dst, 2, 1, 0xFF000000));
    SetPx(src, 0, 0, 0xFFFFFFFF);
    CHECK(dst.m_DrawAlpha(&src, 0) == 0);
    CHECK(Px(dst, 0, 0) == 0xFF000000u);
    CHECK(dst.m_DrawAlpha(&src, 300, 0, 0, -2, -2) == 1);  // 255 or more: plain blending
    CHECK(Px(dst, 0, 0) == 0xFFFFFFFFu);

    RECT r = {1, 0, 2, 1};
    REQUIRE(MakeFilled(dst, 2, 1, 0xFF000000));
    CHECK(dst.m_DrawRect(&src, 0, &r) == 1);
    CHECK(Px(dst, 0, 0) == 0xFF000000u);
    CHECK(Px(dst, 1, 0) == 0xFFFFFFFFu);
}

TEST_CASE("drawing an image onto itself reads the pixels from before")
{
    CArgbImage img, ref;
    REQUIRE(MakeNumbered(img, 6, 4));
    ref = img;
    img.m_Draw(&img, 0, 1, 1);
    CHECK(Px(img, 1, 1) == Px(ref, 0, 0));
    CHECK(Px(img, 5, 3) == Px(ref, 4, 2));
    CHECK(Px(img, 0, 0) == Px(ref, 0, 0));
}

TEST_CASE("mirrored and turned blits, skipping what lies outside")
{
    CArgbImage src, dst;
    REQUIRE(MakeNumbered(src, 3, 2));
    REQUIRE(MakeFilled(dst, 4, 4, 0));
    CHECK(dst.m_DrawMirrored(&src, 1, 0, 0, 0, 0) == 1);
    CHECK(Px(dst, 0, 0) == Px(src, 2, 0));
    CHECK(Px(dst, 2, 1) == Px(src, 0, 1));
    REQUIRE(MakeFilled(dst, 4, 4, 0));
    dst.m_DrawMirrored(&src, 1, 1, 0, -1, 3);  // only a corner is inside
    CHECK(CountPx(dst, 0) == 14);
    CHECK(Px(dst, 0, 3) == Px(src, 1, 1));
    CHECK(Px(dst, 1, 3) == Px(src, 0, 1));

    struct {
        int angle;
        int c, r, x, y;  // source pixel (c, r) lands at (x, y)
    } turns[] = {
        {90, 0, 0, 1, 0},  {90, 2, 1, 0, 2},  {180, 0, 0, 2, 1},
        {180, 2, 1, 0, 0}, {270, 0, 0, 0, 1}, {270, 2, 0, 2, 1},
    };
    for (const auto& t : turns) {
        CAPTURE(t.angle);
        CAPTURE(t.c);
        REQUIRE(MakeFilled(dst, 4, 4, 0));
        CHECK(dst.m_DrawRotated(&src, t.angle, 0, 0) == 1);
        CHECK(Px(dst, t.x, t.y) == Px(src, t.c, t.r));
    }
    REQUIRE(MakeFilled(dst, 4, 4, 0));
    CHECK(dst.m_DrawRotated(&src, 45, 0, 0) == 0);
    CHECK(dst.m_DrawRotated(&src, 90, 3, 3) == 1);  // mostly outside
    CHECK(CountPx(dst, 0) == 15);
}
