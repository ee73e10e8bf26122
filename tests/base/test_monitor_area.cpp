#include <doctest/doctest.h>

#include "base/MonitorArea.h"

namespace {

MONITORINFO PrimaryInfo()
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    return mi;
}

}  // namespace

TEST_CASE("work area or whole rectangle of the nearest monitor")
{
    MONITORINFO mi = PrimaryInfo();
    RECT out = {};
    POINT away = {-50000, -50000};  // off every monitor: the nearest one counts
    CHECK(m_GetMonitorWorkArea(&out, &away, 1) == 1);
    CHECK(EqualRect(&out, &mi.rcWork));
    CHECK(m_GetMonitorWorkArea(&out, &away, 0) == 1);
    CHECK(EqualRect(&out, &mi.rcMonitor));
    CHECK(m_GetMonitorWorkArea(&out, nullptr, 0) == 1);  // at the cursor: the one monitor
    CHECK(EqualRect(&out, &mi.rcMonitor));

    RECT rc = {10, 10, 50, 50};
    CHECK(m_GetRectMonitorWorkArea(&out, &rc) == 1);
    CHECK(EqualRect(&out, &mi.rcWork));
}

TEST_CASE("monitor of a window, and of no window")
{
    MONITORINFO mi = PrimaryInfo();
    HWND w = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 20, 20, 100, 100, nullptr, nullptr,
                             nullptr, nullptr);
    REQUIRE(w);
    RECT out = {};
    CHECK(m_GetWindowMonitorWorkArea(&out, w, 0) == 1);
    CHECK(EqualRect(&out, &mi.rcMonitor));
    DestroyWindow(w);

    RECT kept = {1, 2, 3, 4};
    out = kept;
    CHECK(m_GetWindowMonitorWorkArea(&out, w, 1) == 0);  // destroyed
    CHECK(EqualRect(&out, &kept));
}
