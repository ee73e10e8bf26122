#include <doctest/doctest.h>

#include <climits>

#include "base/Geometry.h"

TEST_CASE("rectangle overlap: apart, shared edge, inside, partial")
{
    RECT a = {0, 0, 100, 100};
    struct {
        RECT b;
        int expected;
    } cases[] = {
        {{200, 0, 300, 100}, 0},    // apart
        {{100, 0, 200, 100}, 0},    // shares the right edge only
        {{0, 100, 100, 200}, 0},    // shares the bottom edge only
        {{0, 0, 100, 100}, 2},      // same rectangle
        {{10, 10, 20, 20}, 2},      // inside
        {{50, 50, 150, 150}, 1},    // partial
        {{-10, -10, 110, 110}, 1},  // a inside b is not b inside a
    };
    for (const auto& c : cases) {
        CAPTURE(c.b.left);
        CAPTURE(c.b.top);
        CHECK(m_RectOverlap(a, c.b) == c.expected);
    }
}

TEST_CASE("rectangle construction, centre and inflation")
{
    RECT rc;
    m_RectFromXYWH(10, 20, 30, 40, &rc);
    CHECK((rc.left == 10 && rc.top == 20 && rc.right == 40 && rc.bottom == 60));

    POINT c = m_RectCenter(&rc);
    CHECK((c.x == 25 && c.y == 40));
    RECT wide = {INT_MIN + 1, 0, INT_MAX, 2};  // the sum of the edges would overflow
    c = m_RectCenter(&wide);
    CHECK((c.x == 0 && c.y == 1));

    m_InflateRectLTRB(&rc, 1, 2, 3, -4);
    CHECK((rc.left == 9 && rc.top == 18 && rc.right == 43 && rc.bottom == 56));
    RECT out;
    m_InflateRectFrom(&out, &rc, -1, -2, -3, 4);
    CHECK((out.left == 10 && out.top == 20 && out.right == 40 && out.bottom == 60));
}

TEST_CASE("client and screen conversion of rectangles round-trips")
{
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 120, 80, 200, 100, nullptr, nullptr,
                             nullptr, nullptr);
    REQUIRE(w);
    RECT rc = {5, 6, 50, 60};
    m_ClientToScreenRect(w, &rc);
    CHECK((rc.left == 125 && rc.top == 86 && rc.right == 170 && rc.bottom == 140));
    m_ScreenToClientRect(w, &rc);
    CHECK((rc.left == 5 && rc.top == 6 && rc.right == 50 && rc.bottom == 60));

    POINT screen, client;
    REQUIRE(GetCursorPos(&screen));
    CHECK(m_GetCursorPosClient(w, &client) == 1);
    CHECK((client.x == screen.x - 120 && client.y == screen.y - 80));
    DestroyWindow(w);
}

TEST_CASE("distances and comparisons")
{
    CHECK(m_Hypot(3, 4) == doctest::Approx(5.0));
    CHECK(m_PointDistanceF(POINT{1, 1}, POINT{4, 5}) == doctest::Approx(5.0));
    CHECK(m_PointDistance(POINT{0, 0}, POINT{1, 1}) == 1);  // 1.414
    CHECK(m_PointDistance(POINT{0, 0}, POINT{2, 2}) == 3);  // 2.83
    // Far-apart points must not overflow the squared difference.
    CHECK(m_PointDistanceF(POINT{INT_MIN, 0}, POINT{INT_MAX, 0}) == doctest::Approx(4294967295.0));

    CHECK(m_CompareDouble(1.0, 1.005, 0.01) == 0);
    CHECK(m_CompareDouble(1.02, 1.0, 0.01) == 1);
    CHECK(m_CompareDouble(1.0, 1.02, 0.01) == -1);

    CHECK(m_InsetRadius(100, 40, 5, 10) == doctest::Approx(7.5));  // half 20
    CHECK(m_InsetRadius(100, 40, 21, 10) == 0.0);
    CHECK(m_InsetRadius(0, 40, 0, 10) == 0.0);  // no shape, no division by zero
}

TEST_CASE("rounding up to a multiple")
{
    struct {
        int value, step, expected;
    } cases[] = {
        {10, 5, 15},  // on the grid: one full step up
        {11, 5, 15},
        {-11, 5, -5},
        {0, 5, 5},
        {11, -5, 10},  // negative step: down to the grid
        {10, -5, 5},   // on the grid: one full step down
        {-11, -5, -10},
        {7, 0, 7},  // a zero step would divide by zero
        {INT_MAX, 5, INT_MAX},
        {INT_MIN, -1, INT_MIN},  // INT_MIN % -1 must not trap
    };
    for (const auto& c : cases) {
        CAPTURE(c.value);
        CAPTURE(c.step);
        CHECK(m_RoundUpToMultiple(c.value, c.step) == c.expected);
    }
}

TEST_CASE("rounding modes and scaling")
{
    struct {
        double x;
        int mode, expected;
    } cases[] = {
        {2.5, 0, 3},    {-2.5, 0, -3},      {2.4, 0, 2},         {2.9995, -1, 3},
        {2.998, -1, 2}, {-2.5, -1, -2},     {2.1, 1, 3},         {-2.1, 1, -2},
        {3.0, 1, 3},    {1e20, 0, INT_MAX}, {-1e20, 1, INT_MIN},
    };
    for (const auto& c : cases) {
        CAPTURE(c.x);
        CAPTURE(c.mode);
        CHECK(m_RoundByMode(c.x, c.mode) == c.expected);
    }

    CHECK(m_ScaleValue(13, 150, 100, 0) == 20);  // 19.5
    CHECK(m_ScaleValue(13, 150, 100, -1) == 19);
    CHECK(m_ScaleValue(13, 125, 100, 1) == 17);  // 16.25
    CHECK(m_ScaleValue(1.0, 300, 200, 0) == 2);
    CHECK(m_ScaleValue(10, 150, 0, 0) == 0);
    CHECK(m_ScaleDouble(10, 3, 4) == doctest::Approx(7.5));

    RECT rc = {1, 3, 10, -5};
    m_ScaleRect(&rc, 3, 2);
    CHECK((rc.left == 2 && rc.top == 5 && rc.right == 15 && rc.bottom == -8));
}

TEST_CASE("double remainder and grid steps")
{
    CHECK(m_ModDouble(7.5, 2.0, 0.001) == doctest::Approx(1.5));
    CHECK(m_ModDouble(1.5, 2.0, 0.001) == doctest::Approx(1.5));  // below m
    CHECK(m_ModDouble(6.0, 2.0, 0.001) == 0.0);
    CHECK(m_ModDouble(5.9999, 2.0, 0.001) == 0.0);  // within eps of m
    CHECK(m_ModDouble(5.0, 0.0, 0.001) == 0.0);

    CHECK(m_StepToGridDouble(7.5, 2.0) == doctest::Approx(8.0));
    CHECK(m_StepToGridDouble(8.0, 2.0) == doctest::Approx(10.0));  // on the grid: a step up
    CHECK(m_StepToGridDouble(7.5, -2.0) == doctest::Approx(6.0));  // down to the grid
    CHECK(m_StepToGridDouble(8.0, -2.0) == doctest::Approx(6.0));  // on the grid: a step down
    CHECK(m_StepToGridDouble(0.0, 0.0) == 0.0);
}
