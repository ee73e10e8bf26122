#include <doctest/doctest.h>

#include <cstdlib>
#include <cstring>

#include "ArgbFixture.h"
#include "base/ArgbImage.h"

TEST_CASE("creating: sizes refused cleanly, same size clears, cells follow the height")
{
    CArgbImage img;
    CHECK_FALSE(img.m_IsValid());
    CHECK(img.m_Clear(true) == 0);  // an empty image does nothing

    REQUIRE(MakeFilled(img, 4, 3, 0xFF112233));
    CHECK(img.m_Header.biWidth == 4);
    CHECK(img.m_Header.biHeight == 3);
    CHECK(img.m_Header.biBitCount == 32);
    CHECK(img.m_CellWidth == 3);
    CHECK(img.m_CellHeight == 3);

    struct {
        int w, h;
        WORD bpp;
    } refused[] = {
        {0, 0, 32},         {0, 5, 32}, {5, -1, 32}, {20000, 20000, 32}, {kArgbMaxSide + 1, 1, 32},
        {16384, 16384, 32}, {4, 4, 24}};
    for (const auto& r : refused) {
        CAPTURE(r.w);
        CAPTURE(r.h);
        CHECK(img.m_Create(nullptr, r.w, r.h, r.bpp) == 0);
        // The old pixels stay.
        CHECK(img.m_Width == 4);
        CHECK(img.m_Height == 3);
        CHECK(CountPx(img, 0xFF112233) == 12);
    }

    img.m_SetCellSize(2, 1);
    CHECK(img.m_Create(nullptr, 4, 3, 32) == 1);
    CHECK(CountPx(img, 0) == 12);
    CHECK(img.m_CellWidth == 2);
    CHECK(img.m_CellHeight == 1);

    REQUIRE(img.m_Create(nullptr, 5, 7, 32));
    CHECK(img.m_CellWidth == 7);
    CHECK(img.m_CellHeight == 7);
    CHECK(img.m_Count == 35);
}

TEST_CASE("rows lie bottom-up in memory")
{
    CArgbImage img;
    REQUIRE(MakeNumbered(img, 3, 2));
    CHECK(img.m_Bits[0] == (0xFF000000u | 0 << 8 | 1));  // first in memory: bottom row
    CHECK(img.m_Bits[3] == (0xFF000000u | 0 << 8 | 0));
    CHECK(Px(img, 2, 1) == (0xFF000000u | 2 << 8 | 1));
}

TEST_CASE("copies take pixels, never the attached block")
{
    CArgbImage a;
    REQUIRE(MakeNumbered(a, 5, 4));
    a.m_Data = static_cast<BYTE*>(std::malloc(16384));
    REQUIRE(a.m_Data);
    a.m_DataSize = 3;

    CArgbImage b(a);
    REQUIRE(b.m_IsValid());
    CHECK(std::memcmp(a.m_Bits, b.m_Bits, 20 * 4) == 0);
    CHECK(b.m_Data == nullptr);

    CArgbImage c;
    REQUIRE(MakeFilled(c, 2, 2, 1));
    c = a;
    CHECK(c.m_Width == 5);
    CHECK(Px(c, 4, 3) == Px(a, 4, 3));
    c = c;  // self-assignment keeps the pixels
    CHECK(Px(c, 4, 3) == Px(a, 4, 3));

    CArgbImage empty;
    CHECK(c.m_CopyFrom(&empty) == 0);
    CHECK(c.m_CopyFrom(nullptr) == 0);
    CHECK(c.m_Width == 5);

    a.m_FreeData();
    CHECK(a.m_Data == nullptr);
    CHECK(a.m_DataSize == 0);
    CHECK(a.m_IsValid());
    a.m_Destroy();
    CHECK_FALSE(a.m_IsValid());
    CHECK(a.m_Width == 0);
    CHECK(MakeFilled(a, 1, 1, 5));  // usable again
}

TEST_CASE("clearing, opacity, alpha from value and masks")
{
    CArgbImage img;
    REQUIRE(MakeFilled(img, 3, 2, 0x40102030));
    img.m_SetOpaque();
    CHECK(CountPx(img, 0xFF102030) == 6);
    img.m_Clear(false);
    CHECK(CountPx(img, 0xFF000000) == 6);

    // Alpha from the value of another image: V x A / 255, rounded; 0 clears.
    CArgbImage values;
    REQUIRE(MakeFilled(values, 3, 2, 0xFF808000));
    SetPx(values, 1, 0, 0xFF000000);
    REQUIRE(MakeFilled(img, 3, 2, 0x80FFFFFF));
    img.m_AlphaFromValue(&values);
    CHECK(Px(img, 0, 0) == 0x40FFFFFFu);
    CHECK(Px(img, 1, 0) == 0u);

    // A smaller source is only read where it has pixels.
    CArgbImage small;
    REQUIRE(MakeFilled(small, 1, 1, 0xFF000000));
    REQUIRE(MakeFilled(img, 3, 2, 0xFFFFFFFF));
    img.m_AlphaFromValue(&small);
    CHECK(Px(img, 0, 0) == 0u);
    CHECK(CountPx(img, 0xFFFFFFFF) == 5);

    CArgbImage mask;
    REQUIRE(MakeFilled(values, 2, 1, 0x80FF0000));
    SetPx(values, 1, 0, 0xFF000040);
    CHECK(mask.m_CreateMask(&values, 0x80112233, 1) == 1);
    CHECK(mask.m_Width == 2);
    CHECK(Px(mask, 0, 0) == 0x80112233u);  // value 255 x 128 / 255
    CHECK(Px(mask, 1, 0) == 0x20112233u);  // value 64 x 128 / 255 = 32.1
    mask.m_CreateMask(&values, 0xFF112233, 0);
    CHECK(Px(mask, 0, 0) == 0x80112233u);  // from alpha
    CHECK(Px(mask, 1, 0) == 0xFF112233u);
}

TEST_CASE("mirroring and turning in place")
{
    CArgbImage img;
    REQUIRE(MakeNumbered(img, 3, 2));
    const uint32_t tl = Px(img, 0, 0), br = Px(img, 2, 1), tr = Px(img, 2, 0);
    img.m_Mirror(true);
    CHECK(Px(img, 0, 0) == tr);
    img.m_Mirror(true);
    img.m_Mirror(false);
    CHECK(Px(img, 0, 1) == tl);
    img.m_Mirror(false);
    img.m_Rotate180();
    CHECK(Px(img, 0, 0) == br);
    CHECK(Px(img, 2, 1) == tl);
}

TEST_CASE("cropping cuts margins; margins larger than the image fail and keep it")
{
    CArgbImage img;
    REQUIRE(MakeNumbered(img, 6, 5));
    const uint32_t at21 = Px(img, 2, 1);
    CHECK(img.m_Crop(2, 1, 1, 2) == 1);
    CHECK(img.m_Width == 3);
    CHECK(img.m_Height == 2);
    CHECK(Px(img, 0, 0) == at21);

    CHECK(img.m_Crop(0, 0, 0, 0) == 0);
    CHECK(img.m_Crop(2, 0, 1, 0) == 0);  // nothing would be left
    CHECK(img.m_Crop(0, 0, 100, 0) == 0);
    CHECK(img.m_Crop(-50, -50, 0, 0) == 0);  // negative margins count as 0
    CHECK(img.m_Width == 3);
    CHECK(Px(img, 0, 0) == at21);
}

TEST_CASE("cells of a strip: count, bounds and drawing")
{
    CArgbImage strip, dst;
    REQUIRE(MakeFilled(strip, 48, 16, 0xFF0000FF));
    strip.m_FillRectXY(0xFF00FF00, 0, 32, 0, 48, 16);
    CHECK(strip.m_SetCellSize(16) == 3);
    CHECK(strip.m_GetCellCount() == 3);
    REQUIRE(MakeFilled(dst, 20, 20, 0));
    CHECK(strip.m_DrawCell(&dst, 3, 0, 0) == 0);
    CHECK(strip.m_DrawCell(&dst, -1, 0, 0) == 0);
    CHECK(CountPx(dst, 0) == 400);
    CHECK(strip.m_DrawCell(&dst, 2, 4, 4) == 1);
    CHECK(Px(dst, 4, 4) == 0xFF00FF00u);
    CHECK(Px(dst, 3, 4) == 0u);
    CHECK(CountPx(dst, 0xFF00FF00) == 256);
    CHECK(strip.m_DrawCellAlpha(&dst, 0, 255, 0, 0) == 1);
    CHECK(Px(dst, 0, 0) == 0xFF0000FFu);

    // A 2 x 2 grid counts row-major.
    CArgbImage grid;
    REQUIRE(MakeNumbered(grid, 4, 4));
    CHECK(grid.m_SetCellSize(2, 2) == 4);
    REQUIRE(MakeFilled(dst, 2, 2, 0));
    grid.m_DrawCell(&dst, 2, 0, 0);
    CHECK(Px(dst, 0, 0) == Px(grid, 0, 2));

    CHECK(grid.m_SetCellSize(0) == 0);
    CHECK(grid.m_DrawCell(&dst, 0, 0, 0) == 0);
}

TEST_CASE("handing pixels to GDI: blit, bitmap and icon")
{
    CArgbImage img, other;
    REQUIRE(MakeNumbered(img, 5, 4));
    REQUIRE(MakeFilled(other, 8, 8, 0));
    RECT at = {2, 3, 4, 5};
    CHECK(img.m_BitBlt(other.m_hDC, &at) == 1);
    GdiFlush();
    CHECK(Px(other, 2, 3) == Px(img, 0, 0));
    CHECK(Px(other, 3, 4) == Px(img, 1, 1));
    CHECK(Px(other, 4, 3) == 0u);

    HBITMAP bitmap = img.m_CreateHBITMAP();
    REQUIRE(bitmap);
    DIBSECTION section = {};
    REQUIRE(GetObjectW(bitmap, sizeof(section), &section) == sizeof(section));
    CHECK(section.dsBm.bmWidth == 5);
    CHECK(std::memcmp(section.dsBm.bmBits, img.m_Bits, 20 * 4) == 0);
    DeleteObject(bitmap);

    HICON cursor = img.m_ToIcon(0, -1, -1);
    REQUIRE(cursor);
    ICONINFO info = {};
    REQUIRE(GetIconInfo(cursor, &info));
    CHECK(info.fIcon == FALSE);
    CHECK(info.xHotspot == 2);
    CHECK(info.yHotspot == 2);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(cursor);

    CArgbImage strip;
    REQUIRE(MakeFilled(strip, 32, 16, 0xFF00FF00));
    HICON icon = strip.m_ToSquareIcon();
    CHECK(icon != nullptr);
    DestroyIcon(icon);
    CArgbImage empty;
    CHECK(empty.m_ToIcon(1, 0, 0) == nullptr);
    CHECK(empty.m_CreateHBITMAP() == nullptr);
}
