#include <doctest/doctest.h>

#include "engine/KeyFrameSearch.h"

namespace {

// Key frames at 0, 1000 and 2000 ms as a source filter reports them (with
// an offset start), turned into the two tables.
struct SKeyFrames {
    LONGLONG times[3] = {50000000, 60000000, 70000000};
    DWORD ms[3] = {};
    SKeyFrames() { m_KeyFrame_MakeTables(times, ms, 3); }
};

}  // namespace

TEST_CASE("key-frame tables start at 0 and round later ms entries up")
{
    SKeyFrames k;
    CHECK(k.times[0] == 0);
    CHECK(k.times[2] == 20000000);
    CHECK(k.ms[0] == 0);
    CHECK(k.ms[1] == 1001);
    CHECK(k.ms[2] == 2001);
}

TEST_CASE("ms table search by direction")
{
    SKeyFrames k;
    struct {
        DWORD ms;
        int direction;
        DWORD expected;
    } cases[] = {
        {1500, 0, 1001},  // 499 before, 501 after
        {1501, 0, 1001},  // a tie takes the earlier
        {1502, 0, 2001},  {1500, 1, 2001},  {1500, -1, 1001},         {0, 1, 0},
        {2001, 1, 2001},  {1001, -1, 1001}, {2500, 1, kKeyFrameNoMs},  // nothing after the last
        {2500, -1, 2001},                                              // the last lies behind
        {2500, 0, 2001},  {500, -1, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.ms);
        CAPTURE(c.direction);
        CHECK(m_KeyFrame_SearchMs(k.ms, 3, c.ms, c.direction) == c.expected);
    }
    CHECK(m_KeyFrame_SearchMs(nullptr, 0, 10, 0) == kKeyFrameNoMs);
}

TEST_CASE("100 ns table search by direction")
{
    SKeyFrames k;
    CHECK(m_KeyFrame_SearchTime(k.times, 3, 15000000, 0) == 10000000);  // tie: earlier
    CHECK(m_KeyFrame_SearchTime(k.times, 3, 15000001, 0) == 20000000);
    CHECK(m_KeyFrame_SearchTime(k.times, 3, 25000000, 1) == -2);
    CHECK(m_KeyFrame_SearchTime(k.times, 3, 25000000, -1) == 20000000);
    CHECK(m_KeyFrame_SearchTime(k.times, 3, -5, -1) == 0);
    CHECK(m_KeyFrame_SearchTime(k.times, 3, 12345, 1) == 10000000);
    CHECK(m_KeyFrame_SearchTime(k.times, 0, 5, 0) == kKeyFrameNoTime);
    LONGLONG one[1] = {0};
    CHECK(m_KeyFrame_SearchTime(one, 1, 7, -1) == 0);
}

TEST_CASE("nearest AVI index sample: a tie takes the next, a missing side yields")
{
    CHECK(m_KeyFrame_NearestSample(50, 40, 60) == 60);
    CHECK(m_KeyFrame_NearestSample(49, 40, 60) == 40);
    CHECK(m_KeyFrame_NearestSample(51, 40, 60) == 60);
    CHECK(m_KeyFrame_NearestSample(70, 60, -1) == 60);
    CHECK(m_KeyFrame_NearestSample(5, -1, 10) == 10);
    CHECK(m_KeyFrame_NearestSample(5, -1, -1) == -1);
}
