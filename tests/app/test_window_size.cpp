#include <doctest/doctest.h>
#include <wchar.h>

#include <string>

#include "app/WindowSize.h"

TEST_CASE("display width of a stream at its aspect")
{
    CHECK(m_DisplayWidth(720, 480, 16.0 / 9.0) == 853);
    CHECK(m_DisplayWidth(1920, 1080, 1.7778) == 1920);
    CHECK(m_DisplayWidth(720, 480, 0) == 720);
}

TEST_CASE("stream aspects near the common ratios are snapped onto them")
{
    CHECK(m_RoundStreamAspect(1.78) == doctest::Approx(16.0 / 9.0));
    CHECK(m_RoundStreamAspect(1.845) == doctest::Approx(1.85));
    CHECK(m_RoundStreamAspect(1.34) == doctest::Approx(4.0 / 3.0));
    CHECK(m_RoundStreamAspect(1.70) == doctest::Approx(1.70));
    CHECK(m_RoundStreamAspect(1.84) == doctest::Approx(1.84));
}

TEST_CASE("reference zooms of an area")
{
    SZOOMREFS r;
    SUBCASE("a wide video in a 4:3 area: FIT by width, FULL by height, 4:3 box absent")
    {
        m_CalcZoomRefs(1280, 16.0 / 9.0, SIZE{800, 600}, &r);
        CHECK(r.szFit.cx == 800);
        CHECK(r.szFit.cy == 450);
        CHECK(r.dFit == doctest::Approx(800.0 / 1280));
        CHECK(r.szFull.cy == 600);
        CHECK(r.szFull.cx == 1067);
        CHECK(r.nBox == 0);
    }
    SUBCASE("a very wide area gives the 16:9 box")
    {
        m_CalcZoomRefs(640, 4.0 / 3.0, SIZE{2000, 600}, &r);
        CHECK(r.nBox == 169);
        CHECK(r.szBox.cx == 1067);
        CHECK(r.szFit.cx == 800);
        CHECK(r.dBox == doctest::Approx(1066.666667 / 640).epsilon(0.0001));
    }
    SUBCASE("an empty area or no video gives nothing")
    {
        m_CalcZoomRefs(0, 1.5, SIZE{800, 600}, &r);
        CHECK(r.dFit == 0);
        m_CalcZoomRefs(640, 1.5, SIZE{0, 600}, &r);
        CHECK(r.dFit == 0);
    }
}

TEST_CASE("fit factors by mode")
{
    SIZE video = {640, 480}, area = {1280, 720};
    CHECK(m_CalcFitFactor(video, area, 0) == doctest::Approx(1.5));
    CHECK(m_CalcFitFactor(video, area, 1) == doctest::Approx(2.0));
    // An area wider than 16:9 is cut first: 2000 x 720 -> 1280 x 720.
    CHECK(m_CalcFitFactor(video, SIZE{2000, 720}, 2) == doctest::Approx(2.0));
    CHECK(m_CalcFitFactor(video, SIZE{2000, 720}, 1) == doctest::Approx(3.125));
    CHECK(m_CalcFitFactor(SIZE{0, 0}, area, 0) == doctest::Approx(1.0));
}

TEST_CASE("size steps move to the next grid line")
{
    CHECK(m_StepOnGrid(10450, 1000) == doctest::Approx(11000));
    CHECK(m_StepOnGrid(10995, 1000) == doctest::Approx(12000));
    CHECK(m_StepOnGrid(11000, 1000) == doctest::Approx(12000));
    CHECK(m_StepOnGrid(10450, -1000) == doctest::Approx(10000));
    CHECK(m_StepOnGrid(10005, -1000) == doctest::Approx(9000));
    CHECK(m_StepOnGrid(640, 16) == doctest::Approx(656));
    CHECK(m_StepOnGrid(5, 0) == doctest::Approx(5));
}

TEST_CASE("zoom labels for FIT, FULL and the aspect boxes")
{
    SZOOMREFS r = {};
    r.dFit = 0.5;
    r.dFull = 0.75;
    r.dBox = 0.6;
    r.nBox = 169;
    wchar_t text[64];
    wcscpy(text, L"SIZE : 50.0%");
    m_AppendZoomLabel(text, 64, &r, 0.5004);
    CHECK(std::wstring(text) == L"    ````SIZE : 50.0%```[FIT]");
    wcscpy(text, L"X");
    m_AppendZoomLabel(text, 64, &r, 0.75);
    CHECK(std::wstring(text) == L"     ````X```[FULL]");
    wcscpy(text, L"X");
    m_AppendZoomLabel(text, 64, &r, 0.6);
    CHECK(std::wstring(text) == L"     `X```[16:9]");
    r.nBox = 43;
    wcscpy(text, L"X");
    m_AppendZoomLabel(text, 64, &r, 0.6);
    CHECK(std::wstring(text) == L"    `X```[4:3]");
    wcscpy(text, L"X");
    m_AppendZoomLabel(text, 64, &r, 0.9);
    CHECK(std::wstring(text) == L"X");
    // A short buffer is cut, never overrun.
    wchar_t small[8] = L"ABCDEF";
    m_AppendZoomLabel(small, 8, &r, 0.5);
    CHECK(wcslen(small) == 7);
}

TEST_CASE("placing the video in its area")
{
    SVIDEOPLACE in = {};
    in.rcArea = RECT{10, 20, 810, 470};  // 800 x 450
    in.dFit = 1.0;
    in.dFull = 1.2;
    auto place = [&](int w, int h, int x, int y, double zoom) {
        in.szVideo = SIZE{w, h};
        in.ptOffset = POINT{x, y};
        in.dZoom = zoom;
        return m_CalcVideoRect(&in);
    };
    // Centred, halves rounded up.
    RECT rc = place(401, 300, 65535, 65535, 0.9);
    CHECK(rc.left == 10 + 200);
    CHECK(rc.top == 20 + 75);
    // Between FIT and FULL the offset is dropped.
    rc = place(800, 450, 30, 30, 1.0);
    CHECK(rc.left == 10);
    CHECK(rc.top == 20);
    // Above FULL a larger video leaves no gap.
    rc = place(1600, 900, 50, -2000, 2.0);
    CHECK(rc.left == 10);
    CHECK(rc.bottom == 470);
    // Below FIT: kept inside while most of it shows, centred when not.
    rc = place(400, 200, 500, 10, 0.5);
    CHECK(rc.right == 810);
    CHECK(rc.top == 30);
    rc = place(400, 200, 700, 10, 0.5);
    CHECK(rc.left == 10 + 200);
    // A drag snaps sides near the area's.
    in.bDragging = 1;
    in.nSnap = 8;
    rc = place(400, 200, 5, 245, 0.5);
    CHECK(rc.left == 10);
    CHECK(rc.bottom == 470);
}
