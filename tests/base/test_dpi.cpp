#include <doctest/doctest.h>

#include "base/Dpi.h"

TEST_CASE("frame margins by DPI percent")
{
    struct {
        int percent, result;
        RECT expected;
    } cases[] = {
        {100, 1, {1, 31, 1, 1}},
        {125, 1, {1, 38, 1, 1}},  // b = round(1.25) = 1, q = 1: 1 + 30 + round(6.5)
        {150, 1, {2, 45, 2, 2}},  // b = 2, q = 2: 30 + 13
        {200, 1, {2, 58, 2, 2}},  // q = 4: 30 + 26
        {99, 0, {1, 31, 1, 1}},
        {0, 0, {1, 31, 1, 1}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.percent);
        RECT m;
        CHECK(m_GetDpiFrameMargins(&m, c.percent) == c.result);
        CHECK(EqualRect(&m, &c.expected));
    }
}

TEST_CASE("window rectangle rescaled between DPI percents")
{
    // 100 %: inner 200 x 100 inside margins (1, 31, 1, 1).
    RECT rc = {10, 20, 10 + 202, 20 + 132};
    CHECK(m_ScaleWindowRectForDpi(&rc, 100, 150) == 1);
    // 150 %: inner 300 x 150 inside margins (2, 45, 2, 2).
    CHECK((rc.left == 10 && rc.top == 20));
    CHECK(rc.right - rc.left == 304);
    CHECK(rc.bottom - rc.top == 197);

    CHECK(m_ScaleWindowRectForDpi(&rc, 150, 100) == 1);
    CHECK(rc.right - rc.left == 202);
    CHECK(rc.bottom - rc.top == 132);

    // Below 100 % the margins are the 100 % ones and the result says so.
    CHECK(m_ScaleWindowRectForDpi(&rc, 100, 75) == 0);
    CHECK(rc.right - rc.left == 152);  // 150 + 2
}

TEST_CASE("DPI lookups give sane values on the test display")
{
    UINT sys = m_GetSystemDpiRaw();
    CHECK((sys == 0 || (sys >= 96 && sys <= 960)));
    int sysPercent = m_GetSystemDpiPercent();
    CHECK(sysPercent >= 100);
    CHECK(sysPercent <= 1000);

    HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    UINT x = 0, y = 0;
    HRESULT hr = m_GetDpiForMonitorRaw(monitor, &x, &y);
    if (SUCCEEDED(hr)) CHECK((x >= 96 && y >= 96));
    int monPercent = m_GetMonitorDpiPercent(monitor);
    CHECK(monPercent == (SUCCEEDED(hr) ? static_cast<int>(x * 100 / 96) : 100));

    // A point on no monitor falls back to the system DPI.
    CHECK(m_GetPointDpiPercent(POINT{-100000, -100000}) == sysPercent);
    RECT rc = {0, 0, 100, 100};
    CHECK(m_GetRectDpiPercent(rc) == monPercent);

    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                             nullptr);
    REQUIRE(w);
    UINT raw = m_GetWindowDpiRaw(w);
    CHECK(m_GetWindowDpiPercent(w) == (raw ? static_cast<int>(raw * 100 / 96) : monPercent));
    DestroyWindow(w);
}
