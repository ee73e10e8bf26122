#include <doctest/doctest.h>

#include <climits>

#include "base/NumberList.h"

TEST_CASE("m_Gcd ends for every input and works on magnitudes")
{
    struct Case {
        int a, b, expected;
    };
    const Case cases[] = {
        {12, 18, 6},
        {18, 12, 6},
        {7, 7, 7},
        {0, 5, 0},
        {5, 0, 0},
        {0, 0, 0},
        {1, INT_MAX, 1},
        {-12, 18, 6},
        {12, -18, 6},
        {-4, -4, 4},
        {INT_MIN, 6, 2},
        {INT_MIN, INT_MAX, 1},
        {INT_MIN, INT_MIN, INT_MIN},
    };
    for (const Case& c : cases) {
        CAPTURE(c.a);
        CAPTURE(c.b);
        CHECK(m_Gcd(c.a, c.b) == c.expected);
    }
}

TEST_CASE("m_ReduceFraction keeps the ratio and the signs")
{
    int num = 1920, den = 1080;
    m_ReduceFraction(&num, &den);
    CHECK(num == 16);
    CHECK(den == 9);
    num = -6;
    den = 8;
    m_ReduceFraction(&num, &den);
    CHECK(num == -3);
    CHECK(den == 4);
    num = 0;
    den = 5;
    m_ReduceFraction(&num, &den);
    CHECK(num == 0);
    CHECK(den == 5);
    num = INT_MIN;
    den = INT_MIN;
    m_ReduceFraction(&num, &den);
    CHECK(num == den);
    CHECK(num != 0);
    m_ReduceFraction(nullptr, &den);
    m_ReduceFraction(&num, nullptr);
}

TEST_CASE("m_CharClass")
{
    struct Case {
        wchar_t c;
        int expected;
    };
    const Case cases[] = {{L' ', 0}, {L'0', 1}, {L'9', 1},  {L'+', 2}, {L',', 2},  {L'-', 2},
                          {L'.', 2}, {L'a', 3}, {L'\t', 3}, {0xFF, 3}, {0x100, 4}, {0x3042, 4}};
    for (const Case& c : cases) {
        CAPTURE((int)c.c);
        CHECK(m_CharClass(c.c) == c.expected);
    }
}

TEST_CASE("m_ParseIntList reads fields by position")
{
    int out[4] = {7, 7, 7, 7};
    CHECK(m_ParseIntList(L"10,,x,-5", out, 4, 1) == 2);
    CHECK(out[0] == 10);
    CHECK(out[1] == 0);
    CHECK(out[2] == 0);
    CHECK(out[3] == -5);

    int kept[4] = {7, 7, 7, 7};
    CHECK(m_ParseIntList(L"+3, 2,4", kept, 4, 0) == 2);  // " 2" starts with a blank
    CHECK(kept[0] == 3);
    CHECK(kept[1] == 7);
    CHECK(kept[2] == 4);
    CHECK(kept[3] == 7);

    int limited[3] = {0, 0, 99};
    CHECK(m_ParseIntListEx(L"1,2,3", limited, 2, 0) == 2);
    CHECK(limited[2] == 99);

    CHECK(m_ParseIntList(L"", out, 4, 0) == 0);
    CHECK(m_ParseIntList(nullptr, out, 4, 0) == 0);
}

TEST_CASE("m_ParseDoubleList accepts digits and '-' only")
{
    double out[4] = {9, 9, 9, 9};
    CHECK(m_ParseDoubleList(L"1.5,+2,-3.25,.5", out, 4) == 2);
    CHECK(out[0] == 1.5);
    CHECK(out[1] == 9);
    CHECK(out[2] == -3.25);
    CHECK(out[3] == 9);
}

TEST_CASE("font heights")
{
    struct Case {
        double points;
        int percent, expected;
    };
    const Case cases[] = {{9.0, 100, -12}, {9.0, 150, -18},  {9.5, 100, -13},
                          {6.0, 125, -10}, {1.125, 100, -2}, {0.0, 200, 0}};
    for (const Case& c : cases) {
        CAPTURE(c.points);
        CAPTURE(c.percent);
        CHECK(m_FontHeightFromDpi(c.points, c.percent) == c.expected);
    }

    // Without a main window the screen's DPI is used.
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    CHECK(m_FontHeightFromPoints(9) == MulDiv(9, -dpi, 72));
}
