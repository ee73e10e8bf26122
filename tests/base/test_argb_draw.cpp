#include <doctest/doctest.h>

#include <cstdint>
#include <initializer_list>

#include "ArgbFixture.h"
#include "base/ArgbImage.h"

TEST_CASE("filling rectangles: clipping, blending and COLORREF order")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 6, 4, 0xFF000000));
    CHECK(img.m_FillRectXY(0xFFFFFFFF, 0, 6, 0, 9, 4) == 0);  // wholly outside
    CHECK(img.m_FillRectXY(0xFFFFFFFF, 0, -3, -3, 20, -1) == 0);
    CHECK(CountPx(img, 0xFF000000) == 24);

    CHECK(img.m_FillRectXY(0xFF00FF00, 1, -2, 2, 3, 99) == 1);  // opaque: written
    CHECK(CountPx(img, 0xFF00FF00) == 6);
    CHECK(Px(img, 2, 3) == 0xFF00FF00u);
    CHECK(Px(img, 3, 3) == 0xFF000000u);

    img.m_FillRect(0x80FFFFFF, 1, nullptr);
    CHECK(Px(img, 5, 0) == m_BlendOver(0xFF000000, 0x80FFFFFF, 255));
    CHECK(Px(img, 0, 3) == m_BlendOver(0xFF00FF00, 0x80FFFFFF, 255));
    img.m_FillRect(0x80FFFFFF, 0, nullptr);
    CHECK(CountPx(img, 0x80FFFFFF) == 24);

    RECT r = {0, 0, 1, 1};
    img.m_FillColorRef(RGB(0x11, 0x22, 0x33), &r);
    CHECK(Px(img, 0, 0) == 0xFF112233u);
}

TEST_CASE("axis-parallel lines only, clipped to the image")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 6, 4, 0));
    CHECK(img.m_DrawLine(0xFFFFFFFF, 0, 10, 5, 5, 5) == 0);
    CHECK(img.m_DrawLine(0xFFFFFFFF, 0, 0, 0, 3, 3) == 0);  // diagonal
    CHECK(CountPx(img, 0) == 24);
    img.m_DrawLine(0xFF0000FF, 0, 2, 1, 5, 1);
    CHECK(CountPx(img, 0xFF0000FF) == 3);
    CHECK(Px(img, 4, 1) == 0xFF0000FFu);
    CHECK(Px(img, 5, 1) == 0u);
    img.m_DrawLine(0xFF00FF00, 0, 0, -9, 0, 100);
    CHECK(CountPx(img, 0xFF00FF00) == 4);
    img.m_DrawLine(0xFFFF0000, 0, -100, 3, 100, 3);
    CHECK(CountPx(img, 0xFFFF0000) == 6);
    CHECK(img.m_DrawLine(0xFFFF0000, 0, 0, 4, 6, 4) == 0);  // below the image
}

TEST_CASE("frames: thickness, clipping and blending")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 6, 6, 0));
    RECT r = {1, 1, 5, 5};
    img.m_FrameRect(0xFFFFFFFF, 0, &r, 1);
    CHECK(CountPx(img, 0xFFFFFFFF) == 12);
    CHECK(Px(img, 2, 2) == 0u);
    CHECK(Px(img, 4, 2) == 0xFFFFFFFFu);
    img.m_FrameColorRef(RGB(0, 0, 255), &r, 2);
    CHECK(CountPx(img, 0xFF0000FF) == 16);

    REQUIRE(MakeFilled(img, 6, 6, 0));
    RECT out = {-2, -2, 3, 3};
    img.m_FrameRect(0xFFFFFFFF, 0, &out, 1);
    CHECK(CountPx(img, 0xFFFFFFFF) == 5);  // only its right and bottom edges show
    CHECK(Px(img, 2, 0) == 0xFFFFFFFFu);
    CHECK(Px(img, 0, 2) == 0xFFFFFFFFu);
    CHECK(Px(img, 1, 1) == 0u);

    REQUIRE(MakeFilled(img, 6, 6, 0xFF000000));
    img.m_FrameRectBlend(0x80FFFFFF, &r, 1);
    CHECK(Px(img, 1, 1) == m_BlendPixel(0xFF000000, 0x80FFFFFF, 255));
    CHECK(img.m_FrameRect(0xFFFFFFFF, 0, &r, 0) == 0);
}

TEST_CASE("gradients fade to transparent black in four directions")
{
    CArgbImage img;
    struct {
        int direction;
        int w, h;
        uint32_t first, last;
    } cases[] = {
        {1, 5, 1, 0xFFFFFFFF, 0x33333333},
        {2, 5, 1, 0x00000000, 0xCCCCCCCC},
        {3, 1, 5, 0xFFFFFFFF, 0x33333333},
        {4, 1, 5, 0x00000000, 0xCCCCCCCC},
    };
    for (const auto& c : cases) {
        CAPTURE(c.direction);
        REQUIRE(MakeFilled(img, c.w, c.h, 0x12345678));
        CHECK(img.m_FillGradient(c.direction, 0xFFFFFFFF, 0, 0, nullptr) == 1);
        CHECK(Px(img, 0, 0) == c.first);
        CHECK(Px(img, c.w - 1, c.h - 1) == c.last);
    }
    CHECK(img.m_FillGradient(0, 0xFFFFFFFF, 0, 0, nullptr) == 0);
    CHECK(img.m_FillGradient(5, 0xFFFFFFFF, 0, 0, nullptr) == 0);
}

TEST_CASE("corner pieces")
{
    CArgbImage piece;
    REQUIRE(piece.m_CreateCircle(nullptr, 4, 0xFF00FF00) == 1);
    CHECK(piece.m_Width == 4);
    CHECK(Px(piece, 0, 0) == 0u);
    CHECK(Px(piece, 1, 0) == 0u);  // on the circle: no coverage left
    CHECK(Px(piece, 0, 3) == 0xE000FF00u);
    CHECK(Px(piece, 3, 3) == 0xFF00FF00u);
    CHECK(piece.m_CreateCircle(nullptr, 0, 0xFF00FF00) == 0);

    REQUIRE(piece.m_CreateCornerPiece(nullptr, 3.5, 0x80FF0000) == 1);
    CHECK(piece.m_Width == 4);
    CHECK(Px(piece, 0, 0) == 0u);
    CHECK(Px(piece, 3, 3) == 0x80FF0000u);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) CHECK(Px(piece, x, y) == Px(piece, y, x));
    CHECK(piece.m_CreateCornerPiece(nullptr, 0.0, 0xFF000000) == 0);
}

TEST_CASE("rounded rectangles: corner masks, radius 0 and clipping")
{
    CArgbImage img;
    RECT r = {0, 0, 10, 10};
    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    img.m_FillRoundRect(0xFFFF0000, 0, &r, 4, 5);  // the two left corners
    CHECK(Px(img, 0, 0) == 0u);
    CHECK(Px(img, 0, 9) == 0u);
    CHECK(Px(img, 9, 0) == 0xFFFF0000u);
    CHECK(Px(img, 9, 9) == 0xFFFF0000u);
    img.m_FillRoundRect(0xFF00FF00, 1, &r, 4, 15);
    CHECK(Px(img, 9, 9) == 0xFFFF0000u);  // blended: the rounded-off corner keeps red
    img.m_FillRoundRect(0xFF0000FF, 0, &r, 0, 15);
    CHECK(CountPx(img, 0xFF0000FF) == 100);

    // A rectangle partly outside draws what a larger image would show there.
    for (int kind = 0; kind < 2; ++kind) {
        CAPTURE(kind);
        CArgbImage big, part;
        REQUIRE(MakeFilled(big, 15, 15, 0xFF000000));
        REQUIRE(MakeFilled(part, 10, 10, 0xFF000000));
        RECT inBig = {0, 0, 10, 10}, inPart = {-5, -5, 5, 5};
        if (kind == 0) {
            big.m_FillRoundRect(0x80FF0000, 1, &inBig, 3, 15);
            part.m_FillRoundRect(0x80FF0000, 1, &inPart, 3, 15);
        } else {
            big.m_FillRoundRectEx(0xFFFF0000, 0, &inBig, 2.5, 15);
            part.m_FillRoundRectEx(0xFFFF0000, 0, &inPart, 2.5, 15);
        }
        int wrong = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) wrong += Px(part, x, y) != Px(big, x + 5, y + 5);
        CHECK(wrong == 0);
        CHECK(Px(part, 4, 4) != Px(part, 0, 0));  // the corner is rounded
    }
}

TEST_CASE("fractional rounded rectangles honour a translucent colour once")
{
    CArgbImage img;
    RECT r = {0, 0, 10, 10};
    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    img.m_FillRoundRectEx(0x80FFFFFF, 1, &r, 3.0, 15);
    CHECK(Px(img, 5, 5) == m_BlendOver(0xFF000000, 0x80FFFFFF, 255));
    CHECK(Px(img, 0, 0) == 0xFF000000u);
    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    img.m_FillRoundRectEx(0x80FFFFFF, 0, &r, 3.0, 15);
    CHECK(Px(img, 5, 5) == 0x80FFFFFFu);
    CHECK(Px(img, 0, 0) == 0xFF000000u);

    CArgbImage shaded, plain;
    REQUIRE(shaded.m_CreateRoundRectShaded(nullptr, 12, 12, 0xFF00FF00, 3.0, 6.0));
    REQUIRE(plain.m_CreateRoundRectFill(nullptr, 12, 12, 0xFF00FF00, 3.0));
    for (int i = 0; i < 144; ++i) CHECK(shaded.m_Bits[i] == plain.m_Bits[i]);
    CHECK(Px(plain, 0, 0) == 0u);
    CHECK(Px(plain, 6, 6) == 0xFF00FF00u);

    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    RECT inner = {2, 2, 8, 8};
    CHECK(img.m_DrawRoundRectAlt(0xFFFF0000, &inner, 2.0) == 1);
    CHECK((Px(img, 2, 2) >> 24) < 255);  // copied without blending: see-through corner
    CHECK(Px(img, 5, 5) == 0xFFFF0000u);
}

TEST_CASE("shaded rounded-rectangle images")
{
    CArgbImage img;
    REQUIRE(img.m_CreateRoundRect(nullptr, 3, 4, 0xFF808080, 0, 1, 100) == 1);
    CHECK(Px(img, 1, 0) == 0xFFFFFFFFu);
    CHECK(Px(img, 1, 1) == 0xFFBFBFBFu);
    CHECK(Px(img, 1, 2) == 0xFF808080u);
    CHECK(Px(img, 1, 3) == 0xFF404040u);
    // One row high: no half to divide by.
    CHECK(img.m_CreateRoundRect(nullptr, 5, 1, 0xFF808080, 0, 2, 100) == 1);
    CHECK(Px(img, 0, 0) == 0xFF5F5F5Fu);

    CArgbImage dst;
    REQUIRE(MakeFilled(dst, 10, 10, 0xFF000000));
    RECT r = {2, 2, 8, 8};
    CHECK(dst.m_DrawRoundRect(&r, 0xFFFF0000, 2, 0, 0, 50) == 1);
    CHECK(Px(dst, 5, 5) == 0xFFFF0000u);
    CHECK(Px(dst, 2, 2) != 0xFFFF0000u);  // blended: the rounded corner shows black
    CHECK(Px(dst, 1, 1) == 0xFF000000u);
}

TEST_CASE("glow frames")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 20, 20, 0));
    CHECK(img.m_DrawGlowRect(0xFF00FF00, 0, nullptr, 2, 4.0) == 1);
    CHECK(Px(img, 10, 0) == 0xFF00FF00u);
    CHECK(Px(img, 10, 1) == 0xFF00FF00u);
    CHECK(Px(img, 10, 10) == 0u);
    CHECK(Px(img, 0, 0) == 0u);

    REQUIRE(MakeFilled(img, 20, 20, 0));
    CHECK(img.m_DrawGlowRect2(0xFF00FF00, 0, nullptr, 2, 4) == 1);
    CHECK(Px(img, 0, 10) == 0xFF00FF00u);
    CHECK(Px(img, 10, 10) == 0u);
    RECT tiny = {3, 3, 4, 4};
    CHECK(img.m_DrawGlowRect2(0xFF00FF00, 0, &tiny, 2, 4) == 1);  // no division by zero
    CHECK(img.m_DrawGlowRect(0xFF00FF00, 0, &tiny, 2, 4.0) == 1);
}

TEST_CASE("discs: anti-aliased, blended or mixed, clipped")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 10, 10, 0));
    CHECK(img.m_FillCircle(0xFFFF0000, 1, 5, 5, 3) == 1);
    CHECK(Px(img, 5, 5) == 0xFFFF0000u);
    CHECK(Px(img, 0, 0) == 0u);
    const uint32_t edge = Px(img, 7, 5);  // centre 2.5 from the middle: partly covered
    CHECK((edge >> 24) > 0);
    CHECK((edge >> 24) < 255);

    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    img.m_FillCircle(0xFF00FF00, 0, -2, 5, 4);
    CHECK(Px(img, 0, 5) == 0xFF00FF00u);
    CHECK(Px(img, 9, 5) == 0xFF000000u);
    CHECK(img.m_FillCircle(0xFF00FF00, 0, 5, 5, 0) == 0);
    CHECK(img.m_FillCircle(0xFF00FF00, 0, 1e300, 5, 4) == 0);
}

TEST_CASE("polygons: supersampled fill, margin and clipping")
{
    CArgbImage img;
    const POINT square[] = {{2, 2}, {7, 2}, {7, 7}, {2, 7}};
    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    CHECK(img.m_FillPolygon(square, 4, 0xFFFF0000, 1, 0, 4) == 1);
    // The wide pen's round joins leave the four corner pixels partly covered.
    CHECK(CountPx(img, 0xFFFF0000) == 32);
    CHECK(Px(img, 3, 2) == 0xFFFF0000u);
    CHECK(Px(img, 7, 6) == 0xFFFF0000u);
    CHECK(Px(img, 2, 2) != 0xFF000000u);
    CHECK(Px(img, 8, 8) == 0xFF000000u);
    CHECK(Px(img, 1, 4) == 0xFF000000u);

    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    img.m_FillPolygon(square, 4, 0xFFFF0000, 0, 1, 4);
    // With a margin the points sit on pixel corners and the pen grows the
    // outline by the margin: columns 1 to 7.
    CHECK(Px(img, 1, 4) == 0xFFFF0000u);
    CHECK(Px(img, 7, 4) == 0xFFFF0000u);
    CHECK(Px(img, 4, 1) == 0xFFFF0000u);
    CHECK(Px(img, 0, 4) == 0xFF000000u);
    CHECK(Px(img, 8, 4) == 0xFF000000u);

    const POINT off[] = {{-5, -5}, {3, -5}, {3, 3}, {-5, 3}};
    REQUIRE(MakeFilled(img, 10, 10, 0xFF000000));
    CHECK(img.m_FillPolygon(off, 4, 0xFFFF0000, 1, 0, 1) == 1);
    CHECK(CountPx(img, 0xFFFF0000) == 16);

    const POINT huge[] = {{0, 0}, {100000, 0}, {0, 100000}};
    CHECK(img.m_FillPolygon(huge, 3, 0xFFFF0000, 1, 0, 4) == 0);
    CHECK(img.m_FillPolygon(square, 0, 0xFFFF0000, 1, 0, 4) == 0);
}

TEST_CASE("tiled copies and nine-slice frames")
{
    CArgbImage src, dst;
    REQUIRE(MakeNumbered(src, 2, 2));
    REQUIRE(MakeFilled(dst, 5, 3, 0));
    CHECK(dst.m_DrawTiled(0, 0, 5, 3, &src, 0, 0, -1, -1) == 1);
    CHECK(Px(dst, 4, 2) == Px(src, 0, 0));
    CHECK(Px(dst, 3, 1) == Px(src, 1, 1));
    REQUIRE(MakeFilled(dst, 5, 3, 0));
    dst.m_DrawTiled(-1, 0, 5, 1, &src, 0, 0, -1, -1);  // the pattern stays anchored
    CHECK(Px(dst, 0, 0) == Px(src, 1, 0));
    CHECK(Px(dst, 3, 0) == Px(src, 0, 0));
    CHECK(Px(dst, 4, 0) == 0u);
    dst.m_DrawTiled(0, 2, 5, 1, &src, 1, 0, 5, 1);  // source part clipped to one column
    CHECK(Px(dst, 0, 2) == Px(src, 1, 0));
    CHECK(Px(dst, 4, 2) == Px(src, 1, 0));
    CHECK(dst.m_DrawTiled(0, 0, 5, 3, &src, 0, 0, 0, 1) == 0);

    CArgbImage skin;
    REQUIRE(MakeNumbered(skin, 6, 6));
    const RECT margins = {2, 2, 2, 2};
    CHECK(skin.m_Draw9Slice(&dst, 10, 10, &margins) == 1);
    CHECK((dst.m_Width == 10 && dst.m_Height == 10));
    CHECK(Px(dst, 0, 0) == Px(skin, 0, 0));
    CHECK(Px(dst, 9, 9) == Px(skin, 5, 5));
    CHECK(Px(dst, 8, 0) == Px(skin, 4, 0));
    CHECK(Px(dst, 4, 0) == Px(skin, 2, 0));  // the top edge repeats
    CHECK(Px(dst, 5, 1) == Px(skin, 3, 1));
    CHECK(Px(dst, 4, 4) == Px(skin, 2, 2));
    CHECK(Px(dst, 9, 5) == Px(skin, 5, 3));

    // Smaller than the margins: the corners overlap, the last drawn on top.
    CHECK(skin.m_Draw9Slice(&dst, 3, 3, &margins) == 1);
    CHECK(Px(dst, 0, 0) == Px(skin, 0, 0));
    CHECK(Px(dst, 1, 0) == Px(skin, 4, 0));
    CHECK(Px(dst, 1, 1) == Px(skin, 4, 4));
    CHECK(Px(dst, 2, 2) == Px(skin, 5, 5));
}

TEST_CASE("GDI text masks: alpha never above the colour's or the coverage")
{
    HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, L"Arial");
    REQUIRE(font);
    CArgbImage full, half;
    REQUIRE(MakeFilled(full, 80, 24, 0));
    REQUIRE(MakeFilled(half, 80, 24, 0));
    CHECK(full.m_DrawTextGDI(font, 0xFF00FF00, 0, 0, 0, L"Hello", 5) == 1);
    CHECK(half.m_DrawTextGDI(font, 0x8000FF00, 0, 0, 0, L"Hello", -1) == 1);
    int inked = 0, wrong = 0;
    for (int i = 0; i < full.m_Count; ++i) {
        const uint32_t f = full.m_Bits[i], h = half.m_Bits[i];
        inked += f != 0;
        wrong += (h >> 24) > 0x80 || (h >> 24) > (f >> 24);
        wrong += h != 0 && (h & 0xFFFFFF) != 0x00FF00;
    }
    CHECK(inked > 20);
    CHECK(wrong == 0);

    CArgbImage cells;
    REQUIRE(MakeFilled(cells, 80, 24, 0));
    CHECK(cells.m_DrawTextGDIChars(font, 12, 0xFF0000FF, 0, 0, 0, L"ab", 2) == 1);
    int inCell1 = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 12; x < 24; ++x) inCell1 += Px(cells, x, y) != 0;
    CHECK(inCell1 > 0);
    CHECK(cells.m_DrawTextGDI(font, 0xFF0000FF, 0, 0, 0, L"", 0) == 0);
    DeleteObject(font);
}

TEST_CASE("whole-image filters")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 2, 2, 0x80FF8040));
    img.m_ScaleAlpha(0.5);
    CHECK(Px(img, 0, 0) == 0x40FF8040u);
    img.m_ScaleAlpha(10.0);
    CHECK(Px(img, 0, 0) == 0xFFFF8040u);  // saturates, no wrap
    img.m_ScaleAlpha(-1.0);
    CHECK(Px(img, 0, 0) == 0x00FF8040u);

    REQUIRE(MakeFilled(img, 2, 2, 0x80FF8040));
    img.m_Premultiply();
    CHECK(Px(img, 1, 1) == 0x80804020u);

    REQUIRE(MakeFilled(img, 2, 1, 0xFFFFFFFF));
    SetPx(img, 1, 0, 0x80FFFFFF);
    img.m_TintAlpha(0x80FF0000);
    CHECK(Px(img, 0, 0) == m_BlendOver(0xFFFFFFFF, 0x80FF0000, 255));
    CHECK(Px(img, 1, 0) == m_BlendOver(0x80FFFFFF, 0x40FF0000, 255));

    REQUIRE(MakeNumbered(img, 4, 4));
    img.m_BoxFilter(2);
    CHECK(Px(img, 0, 0) == 0xFF000000u);
    CHECK(Px(img, 1, 1) == 0xFF000000u);
    CHECK(Px(img, 3, 3) == 0xFF000202u);
    CHECK(img.m_BoxFilter(0) == 0);
}

TEST_CASE("cone blur: radius 0 refused, uniform stays uniform, a dot spreads")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 5, 5, 0));
    SetPx(img, 2, 2, 0xFFFFFFFF);
    CHECK(img.m_DiscFilter(0) == 0);
    CHECK(img.m_DiscFilter(-3) == 0);
    CHECK(img.m_DiscFilter(1) == 1);  // neighbours lie at distance 1: no weight
    CHECK(Px(img, 2, 2) == 0xFFFFFFFFu);
    CHECK(CountPx(img, 0) == 24);
    CHECK(img.m_DiscFilter(2) == 1);
    CHECK((Px(img, 2, 2) >> 24) < 255);
    CHECK(Px(img, 1, 2) != 0u);
    CHECK(Px(img, 0, 0) == 0u);

    REQUIRE(MakeFilled(img, 6, 4, 0x80402010));
    img.m_DiscFilter(3);
    CHECK(CountPx(img, 0x80402010) == 24);
    img.m_DiscFilter(1000000);
    CHECK(CountPx(img, 0x80402010) == 24);
}
