#include <doctest/doctest.h>

#include "engine/VideoGeometry.h"

TEST_CASE("displayed width from the native aspect")
{
    CHECK(m_VR_DisplayWidth(720, 480, 16, 9) == 853);
    CHECK(m_VR_DisplayWidth(1920, 1080, 16, 9) == 1920);  // within 0.01
    CHECK(m_VR_DisplayWidth(720, 480, 4, 3) == 640);
    CHECK(m_VR_DisplayWidth(640, 480, 0, 0) == 640);  // no aspect known
    CHECK(m_VR_WidthForAspect(16, 9, 480) == 853);
    CHECK(m_VR_WidthForAspect(16, 0, 480) == 480);
}

TEST_CASE("source fractions inside the zoom rectangle")
{
    const double zoom[4] = {0.1, 0.1, 0.9, 0.9};
    struct {
        double source[4];
        double expected[4];
    } cases[] = {
        {{0, 0, 1, 1}, {0.1, 0.1, 0.9, 0.9}},
        {{0.5, 0, 1, 1}, {0.5, 0.1, 0.9, 0.9}},
        {{-1, 0, 2, 1}, {0.1, 0.1, 0.9, 0.9}},  // clamped to 0..1
        {{0, 0.5, 1, 0.5}, {0.1, 0.5, 0.9, 0.5}},
    };
    for (const auto& c : cases) {
        double out[4];
        m_VR_MapIntoZoom(zoom, c.source, out);
        for (int i = 0; i < 4; ++i) CHECK(out[i] == doctest::Approx(c.expected[i]));
    }
}

TEST_CASE("fractions to native pixels round to the nearest")
{
    const double f[4] = {0.1, 0.1, 0.9, 0.9};
    RECT r = m_VR_FractionsToRect(f, 720, 480);
    CHECK(r.left == 72);
    CHECK(r.top == 48);
    CHECK(r.right == 648);
    CHECK(r.bottom == 432);
    const double half[4] = {0.5, 0, 1, 1};
    r = m_VR_FractionsToRect(half, 641, 361);
    CHECK(r.left == 321);
    CHECK(r.right == 641);
}
