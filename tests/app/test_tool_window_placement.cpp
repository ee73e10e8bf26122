#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "app/ToolWindowPlacement.h"
#include "settings/Settings.h"

namespace {

bool Same(const SPLACEMENT& a, const SPLACEMENT& b) { return m_Placement_Equal(&a, &b) != 0; }

std::wstring RectText(const RECT& rc)
{
    return std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
           std::to_wstring(rc.right) + L"," + std::to_wstring(rc.bottom);
}

}  // namespace

TEST_CASE("a Pos value is read as x,y,w,h,dpi with defaults for what is missing or bad")
{
    CSettingsFixture ini;
    struct Case {
        const wchar_t* file;
        SPLACEMENT want;
    };
    const Case cases[] = {
        {L"[Favo]\r\nPos=10,20,300,400,150\r\n", {10, 20, 300, 400, 150}},
        {L"[Favo]\r\nPos=-5,7\r\n", {-5, 7, 0, 0, 0}},
        {L"[Favo]\r\nPos=abc\r\n", {-1, -1, 0, 0, 0}},
        {L"[Favo]\r\nPos=10,x,300\r\n", {10, -1, 300, 0, 0}},
        {L"[Favo]\r\n", {-1, -1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        ini.Write(c.file);
        SPLACEMENT pos = {1, 2, 3, 4, 5};
        m_Placement_Read(L"Favo", &pos);
        CAPTURE(std::wstring(c.file));
        CHECK(Same(pos, c.want));
    }
}

TEST_CASE("a written Pos reads back the same, negative places included")
{
    CSettingsFixture ini;
    ini.Write(L"[Favo]\r\n");
    const SPLACEMENT pos = {-1920, -8, 282, 432, 125};
    REQUIRE(m_Placement_Write(L"Favo", &pos));
    CHECK(CSettingsFixture::Get(L"Favo", L"Pos") == L"-1920,-8,282,432,125");
    SPLACEMENT back;
    m_Placement_Read(L"Favo", &back);
    CHECK(Same(back, pos));
}

TEST_CASE("a stored rectangle is rescaled from its DPI with the frames of each DPI")
{
    // 150 %: frame 2 + 2 wide, 45 + 2 high; 100 %: 1 + 1 and 31 + 1.
    RECT rc = {100, 50, 100 + 424, 50 + 647};
    m_Placement_ScaleToDpi(&rc, 150, 100);
    CHECK(RectText(rc) == RectText(RECT{100, 50, 100 + 282, 50 + 432}));

    RECT same = {1, 2, 301, 402};
    m_Placement_ScaleToDpi(&same, 100, 100);
    CHECK(RectText(same) == L"1,2,301,402");
    // A record without a DPI (0) is taken as it is.
    m_Placement_ScaleToDpi(&same, 0, 150);
    CHECK(RectText(same) == L"1,2,301,402");
}

TEST_CASE("a rectangle is kept inside the work area")
{
    const RECT area = {0, 0, 1920, 1040};
    struct Case {
        RECT in;
        RECT want;
    };
    const Case cases[] = {
        {{100, 100, 400, 500}, {100, 100, 400, 500}},        // inside
        {{-50, 100, 250, 500}, {0, 100, 300, 500}},          // off the left
        {{1800, 900, 2100, 1300}, {1620, 640, 1920, 1040}},  // off the right and bottom
        {{300, 10, 2500, 200}, {0, 10, 1920, 200}},          // wider than the area
        {{5, -100, 305, 1500}, {5, 0, 305, 1040}},           // taller than the area
    };
    for (const Case& c : cases) {
        RECT rc = c.in;
        m_ClampRectToArea(&rc, &area);
        CAPTURE(RectText(c.in));
        CHECK(RectText(rc) == RectText(c.want));
    }
}

TEST_CASE("[Favo] Pos is written only when forced or changed")
{
    CSettingsFixture ini;
    ini.Write(L"[Favo]\r\nPos=10,20,300,400,100\r\n");
    m_ReadFavoWndPos();
    const std::string before = ini.ReadBytes();
    m_SaveFavoWndPos(0);
    CHECK(ini.ReadBytes() == before);

    g_FavoPlacement.nLeft = 55;
    m_SaveFavoWndPos(0);
    CHECK(CSettingsFixture::Get(L"Favo", L"Pos") == L"55,20,300,400,100");
    const std::string after = ini.ReadBytes();
    m_SaveFavoWndPos(0);
    CHECK(ini.ReadBytes() == after);

    ini.Write(L"[Favo]\r\n");
    m_SaveFavoWndPos(1);
    CHECK(CSettingsFixture::Get(L"Favo", L"Pos") == L"55,20,300,400,100");
}

TEST_CASE("the [Playlist] keys are read with their defaults and limits")
{
    CSettingsFixture ini;
    ini.Write(L"[Playlist]\r\nClm=12,30\r\nTab=-7\r\nAtc=0\r\nChap=1\r\n");
    m_ReadPlayListWnd();
    CHECK(g_PlaylistView.dColumn[0] == 20.0);  // the first column takes at least 20 %
    CHECK(g_PlaylistView.dColumn[1] == 30.0);
    CHECK(g_PlaylistView.nTab == -1);
    CHECK(g_PlaylistView.bAttach == 0);
    CHECK(g_PlaylistChap == 1);
    CHECK(g_PlaylistView.nRatio == 150);
    CHECK(g_PlaylistView.nOpen == -1);
    CHECK(g_PlaylistView.nItemHeight == 100);
    CHECK(Same(g_PlaylistView.Pos, SPLACEMENT{-1, -1, 0, 0, 0}));
}

TEST_CASE("the [Playlist] keys are written only when forced or changed")
{
    CSettingsFixture ini;
    ini.Write(L"[Playlist]\r\nPos=1,2,300,400,100\r\nAtc=0\r\n");
    m_ReadPlayListWnd();
    const std::string before = ini.ReadBytes();
    // No window and no force: nothing, changed values or not.
    g_PlaylistView.bGrid = 1;
    m_SavePlayListWnd(0, 0);
    CHECK(ini.ReadBytes() == before);

    m_SavePlayListWnd(1, 0);
    CHECK(CSettingsFixture::Get(L"Playlist", L"Pos") == L"1,2,300,400,100");
    CHECK(CSettingsFixture::Get(L"Playlist", L"Clm") == L"75,20");
    CHECK(CSettingsFixture::Get(L"Playlist", L"Grid") == L"1");
    CHECK(CSettingsFixture::Get(L"Playlist", L"Atc") == L"0");
    CHECK(CSettingsFixture::Get(L"Playlist", L"Chap") == L"2");
    CHECK(CSettingsFixture::Get(L"Playlist", L"ItemHt") == L"100");

    // Read back as written, with a fractional column share rounded.
    g_PlaylistView.dColumn[0] = 66.6;
    m_SavePlayListWnd(1, 1);
    CHECK(CSettingsFixture::Get(L"Playlist", L"Clm") == L"75,20");
    m_SavePlayListWnd(1, 0);
    CHECK(CSettingsFixture::Get(L"Playlist", L"Clm") == L"67,20");
}
