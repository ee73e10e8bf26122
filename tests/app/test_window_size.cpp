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
    // Above FULL a panned offset holds within the edges; at FULL the video
    // is centred again.
    rc = place(1040, 585, -40, -60, 1.3);
    CHECK(rc.left == 10 - 40);
    CHECK(rc.top == 20 - 60);
    rc = place(960, 540, -40, -60, 1.2);
    CHECK(rc.left == 10 - 80);
    CHECK(rc.top == 20 - 45);
    // A drag snaps sides near the area's.
    in.bDragging = 1;
    in.nSnap = 8;
    rc = place(400, 200, 5, 245, 0.5);
    CHECK(rc.left == 10);
    CHECK(rc.bottom == 470);
    // Without snapping a drag past the edge of a video above FULL opens no
    // gap.
    in.nSnap = 0;
    rc = place(1040, 585, -300, 50, 1.3);
    CHECK(rc.right == 810);
    CHECK(rc.top == 20);
}

TEST_CASE("fit mode 2 cuts a narrow area to 4:3 before filling")
{
    // 600 x 600 is narrower than 4:3: cut to 600 x 450, then filled.
    CHECK(m_CalcFitFactor(SIZE{640, 360}, SIZE{600, 600}, 2) == doctest::Approx(1.25));
    CHECK(m_CalcFitFactor(SIZE{640, 360}, SIZE{600, 600}, 1) == doctest::Approx(600.0 / 360));
    CHECK(m_CalcFitFactor(SIZE{640, 360}, SIZE{600, 600}, 0) == doctest::Approx(600.0 / 640));
}

TEST_CASE("zooming about a point keeps the point under it")
{
    struct SCASE {
        LONG at, from, to, pt, area, expected;
    } cases[] = {
        // 1000 -> 2000 wide in an area of 800 at offset -100: the point 300
        // lies at share 0.4 and stays at 300.
        {-100, 1000, 2000, 300, 800, -500},
        // A shrunk video whose edge would leave a gap is pulled to the edge.
        {-150, 1000, 900, 0, 800, -100},
        {-200, 1000, 1200, 799, 800, -400},
        // A video no larger than the area is centred.
        {0, 400, 800, 100, 800, 65535},
        // A point off the video holds the nearer edge.
        {100, 600, 1600, 50, 800, 0},
    };
    for (const SCASE& c : cases) {
        CAPTURE(c.at);
        CAPTURE(c.to);
        CHECK(m_ZoomOffsetAxis(c.at, c.from, c.to, c.pt, c.area) == c.expected);
    }
    // The kept point: its share of the video is the same before and after.
    const LONG next = m_ZoomOffsetAxis(-100, 1000, 2000, 300, 800);
    CHECK((300.0 - (-100)) / 1000 == doctest::Approx((300.0 - next) / 2000));
}

TEST_CASE("the visible part of a video larger than its area")
{
    RECT area = {0, 0, 800, 600}, visible;
    double source[4];
    RECT placed = {-200, -100, 1400, 800};  // 1600 x 900
    REQUIRE(m_CalcVisiblePart(&placed, &area, &visible, source));
    CHECK(visible.left == 0);
    CHECK(visible.bottom == 600);
    CHECK(source[0] == doctest::Approx(0.125));
    CHECK(source[1] == doctest::Approx(100.0 / 900));
    CHECK(source[2] == doctest::Approx(0.625));
    CHECK(source[3] == doctest::Approx(700.0 / 900));
    RECT away = {900, 0, 1000, 100};
    CHECK_FALSE(m_CalcVisiblePart(&away, &area, &visible, source));
    CHECK(source[2] == doctest::Approx(1));
}

TEST_CASE("size stops: aspect hold after FIT, a docked playlist's FIT and FULL last")
{
    SSIZESTOPS stops;
    RECT area = {0, 0, 1600, 900};
    SSIZESTOPEXTRA extra = {4.0 / 3.0, 3, SIZE{400, 900}};
    m_CalcSizeStopsEx(&stops, &area, 16.0 / 9.0, 1280, 0, POINT{800, 450}, SIZE{0, 0}, &extra);
    REQUIRE(stops.nCount >= 4);
    CHECK(stops.items[0].nKind == SIZESTOP_FIT);
    CHECK(stops.items[1].nKind == SIZESTOP_ASPECT_HOLD);
    CHECK(stops.items[1].nWidth == 1200);
    CHECK(stops.items[1].nHeight == 900);
    const SSIZESTOP& fit = stops.items[stops.nCount - 2];
    const SSIZESTOP& full = stops.items[stops.nCount - 1];
    CHECK(fit.nKind == SIZESTOP_DOCK_FIT);
    CHECK(fit.nWidth == 1200);
    CHECK(fit.nHeight == 675);
    CHECK(full.nKind == SIZESTOP_DOCK_FULL);
    CHECK(full.nHeight == 900);
    // The window's aspect close to the video's adds no stop.
    extra = SSIZESTOPEXTRA{16.0 / 9.0 + 0.004, 0, SIZE{}};
    m_CalcSizeStopsEx(&stops, &area, 16.0 / 9.0, 1280, 0, POINT{800, 450}, SIZE{0, 0}, &extra);
    for (int i = 0; i < stops.nCount; ++i) CHECK(stops.items[i].nKind != SIZESTOP_ASPECT_HOLD);
}
