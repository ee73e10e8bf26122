// Where the main player's seeks land and what they show: times, percents,
// key-frame choices, the series total, frames and the frame step's compare.
#include <doctest/doctest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "playback/SeekMath.h"

namespace {

constexpr LONGLONG kSec = 10000000;
constexpr LONGLONG kMs = 10000;
constexpr LONGLONG kMinute = 60 * kSec;

std::string Narrow(const wchar_t* text)
{
    std::string out;
    for (; *text; ++text) out += static_cast<char>(*text);
    return out;
}

// Key frames at the given times; forward past the last is the end (-2),
// back before the first none (-1).
struct CTable : IKEYFRAMES {
    std::vector<LONGLONG> times;
    explicit CTable(std::vector<LONGLONG> t) : times(std::move(t)) {}
    LONGLONG m_Find(LONGLONG t, int direction) override
    {
        if (times.empty()) return -1;
        if (direction > 0) {
            for (LONGLONG k : times)
                if (k > t) return k;
            return -2;
        }
        LONGLONG before = -1;
        for (LONGLONG k : times)
            if (k <= t) before = k;
        if (direction < 0) return before;
        LONGLONG after = m_Find(t, 1);
        if (before < 0) return after;
        if (after < 0) return before;
        return t - before <= after - t ? before : after;
    }
};

std::vector<LONGLONG> Every(LONGLONG step, LONGLONG until)
{
    std::vector<LONGLONG> out;
    for (LONGLONG t = 0; t <= until; t += step) out.push_back(t);
    return out;
}

}  // namespace

TEST_CASE(
    "a time seek counts from the end below 0, is held within the length, and says when it moved")
{
    struct Row {
        int ms, started;
        LONGLONG target;
        int toEnd;
        const char* text;
    };
    const Row rows[] = {
        {0, 1, 0, 0, "POS : 0``SEC"},
        {1000, 1, 1001 * kMs, 0, "POS : 1``SEC"},
        {999, 0, 1000 * kMs, 0, "POS : 1``SEC"},
        {-5000, 0, 55 * kSec, 0, "POS : -5``SEC"},
        {70000, 0, kMinute, 0, "POS : 70``(60)``SEC"},
        {-70000, 0, 0, 0, "POS : -70``(-60)``SEC"},
        {59700, 1, kMinute, 1, "POS : 59``(60)``SEC"},
        {59700, 0, 59701 * kMs, 0, "POS : 59``SEC"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.ms);
        CAPTURE(r.started);
        const STIMESEEK s = m_SeekMath_Time(r.ms, kMinute, r.started);
        CHECK(s.target == r.target);
        CHECK(s.toEnd == r.toEnd);
        CHECK(Narrow(s.text) == r.text);
    }
}

TEST_CASE(
    "a percentage seek takes its share of the length and keeps a started file off the last second")
{
    struct Row {
        int hundredths, started;
        LONGLONG target;
        int toEnd;
    };
    const Row rows[] = {
        {5000, 1, 30 * kSec, 0}, {9900, 1, kMinute, 1},  {9900, 0, 594 * kSec / 10, 0},
        {-5, 1, 0, 0},           {20000, 0, kMinute, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.hundredths);
        int toEnd = -1;
        CHECK(m_SeekMath_Percent(r.hundredths, kMinute, r.started, &toEnd) == r.target);
        CHECK(toEnd == r.toEnd);
    }
    // No length: every percent is 0, never a division by it.
    int toEnd = 0;
    CHECK(m_SeekMath_Percent(5000, 0, 0, &toEnd) == 0);
}

TEST_CASE("a snapped relative seek chooses between the key frames around its target")
{
    CTable fourSeconds(Every(4 * kSec, kMinute));
    CTable sparse({0, 99 * kSec / 10, 30 * kSec});
    CTable farApart({0, 40 * kSec});
    CTable nearEnd({0, 597 * kSec / 10});
    CTable none({});
    struct Row {
        const char* what;
        IKEYFRAMES* keys;
        LONGLONG p;
        int delta, started, mode, kind;
        LONGLONG target;
        int hold;
    };
    const Row rows[] = {
        {"+10 s takes the later key frame in proportion", &fourSeconds, 0, 10000, 1, 2, SNAP_KEY,
         12 * kSec, 0},
        {"+10 s takes an earlier key frame close to the target", &sparse, 0, 10000, 1, 2, SNAP_KEY,
         99 * kSec / 10, 0},
        {"a key frame 30 s past p + delta falls back to the plain seek", &farApart, 5 * kSec, 1, 1,
         1, SNAP_PLAIN, 0, 0},
        {"a key frame within 0.5 s of the end is the end", &nearEnd, 50 * kSec, 10000, 1, 2,
         SNAP_KEY, kMinute, 1},
        {"past the end is the end, held", &fourSeconds, 55 * kSec, 10000, 1, 2, SNAP_KEY, kMinute,
         1},
        {"-10 s started takes the earlier key frame", &fourSeconds, 20 * kSec, -10000, 1, 2,
         SNAP_KEY, 8 * kSec, 0},
        {"-1 started is the key frame a second before", &fourSeconds, 20 * kSec, -1, 1, 1, SNAP_KEY,
         16 * kSec, 0},
        {"0 with snap 1 is the nearest key frame", &fourSeconds, 9 * kSec, 0, 1, 1, SNAP_KEY,
         8 * kSec, 0},
        {"0 with another snap mode does nothing", &fourSeconds, 9 * kSec, 0, 1, 2, SNAP_NOTHING, 0,
         0},
        {"no key frames: the plain seek", &none, 9 * kSec, 10000, 1, 2, SNAP_PLAIN, 0, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        const SSNAPCHOICE c = m_SeekMath_Snap(r.p, r.delta, kMinute, r.started, r.mode, r.keys);
        CHECK(c.kind == r.kind);
        if (c.kind == SNAP_KEY) {
            CHECK(c.target == r.target);
            CHECK(c.hold == r.hold);
        }
    }
}

TEST_CASE("a plain relative seek stops at 0 and holds at the end when it lands in the last second")
{
    struct Row {
        LONGLONG p;
        int delta;
        LONGLONG target;
        int hold;
    };
    const Row rows[] = {
        {55 * kSec, 10000, kMinute, 1},
        {3 * kSec, -10000, 0, 0},
        {20 * kSec, 10000, 30 * kSec, 0},
        {58500 * kMs, 600, kMinute, 1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.p);
        int hold = -1;
        CHECK(m_SeekMath_Plain(r.p, r.delta, kMinute, &hold) == r.target);
        CHECK(hold == r.hold);
    }
}

TEST_CASE("relative seek messages and the series total in each form")
{
    struct Row {
        int snapped, mode, delta;
        LONGLONG moved, total;
        const char* text;
    };
    const Row rows[] = {
        {0, 0, 10000, 0, 20 * kSec, "SEEK````+10.0`````[+0:20`]"},
        {0, 0, -5000, 0, 0, "SEEK````-5.0`````[+0:00`]"},
        {1, 1, 1, 4000 * kMs, 15 * kSec / 10, "NEXT```KEYFRAME```` +4.0```[+0:02`]"},
        {1, 1, -1, -3500 * kMs, -75 * kSec, "`` PRE```KEYFRAME```` -3.5```[-1:15`]"},
        {1, 1, 0, 200 * kMs, 0, "NEAR````KEYFRAME````+0.2```[+0:00`]"},
        {1, 2, 10000, 12000 * kMs, 12 * kSec, "SEEK````+10.0``(+12.0`)``[+0:12`]"},
        {1, 2, 5000, 4000 * kMs, -4 * kSec, "SEEK````+5.0``P(+4.0`)Q``[-0:04`]"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.text);
        wchar_t text[kSeekTextCap];
        const int form = m_SeekMath_RelativeText(text, kSeekTextCap, r.snapped, r.mode, r.delta,
                                                 r.moved, L"P", L"Q");
        m_SeekMath_AppendTotal(text, kSeekTextCap, r.total, form);
        CHECK(Narrow(text) == r.text);
    }
    // The percent form shows a total of 0 with a minus sign.
    wchar_t text[kSeekTextCap];
    m_SeekMath_PercentText(text, kSeekTextCap, 50.0);
    m_SeekMath_AppendTotal(text, kSeekTextCap, 0, TOTAL_PERCENT);
    CHECK(Narrow(text) == "POS : 50.0`%```[-0:00`]");
    // A long text is cut at the capacity, never past it.
    wchar_t small[12];
    m_SeekMath_RelativeText(small, 12, 0, 0, 10000, 0, L"", L"");
    m_SeekMath_AppendTotal(small, 12, 20 * kSec, TOTAL_PLAIN);
    CHECK(Narrow(small) == "SEEK````+10");
}

TEST_CASE("a frame seek maps the frame to a time, by the engine's rate when it counts frames")
{
    struct Row {
        LONGLONG frame, frames;
        double fps;
        LONGLONG target;
    };
    const Row rows[] = {
        {30, 0, 0, 10010010},  // 29.97 per second
        {900, 1800, 30.0, 30 * kSec}, {5000, 1800, 30.0, kMinute}, {-3, 1800, 30.0, 0},
        {450, 1800, 0, 15 * kSec},    // no rate: in proportion to the length
        {1800, 1800, 29.0, kMinute},  // a rate that overshoots stays in the length
    };
    for (const Row& r : rows) {
        CAPTURE(r.frame);
        CAPTURE(r.frames);
        CHECK(m_SeekMath_Frame(r.frame, r.frames, r.fps, kMinute) == r.target);
    }
}

TEST_CASE("the frame step's message cuts a trailing 00 of the rate and pads a short total")
{
    struct Row {
        double fps;
        int frames, total;
        const char* text;
    };
    const Row rows[] = {
        {30.0, 1, 1, "FRAME````STEP`````(30.0``FPS) : +1 [+1`] "},
        {29.97, 1, 12, "FRAME````STEP`````(29.970``FPS) : +1 [+12`]"},
        {25.5, -1, -9, "FRAME````STEP`````(25.5``FPS) : -1 [-9`] "},
        {23.976, -2, -10, "FRAME````STEP`````(23.976``FPS) : -2 [-10`]"},
    };
    for (const Row& r : rows) {
        wchar_t text[kSeekTextCap];
        m_SeekMath_FrameStepText(text, kSeekTextCap, r.fps, r.frames, r.total);
        CHECK(Narrow(text) == r.text);
    }
}

TEST_CASE("the picture compare samples a 9 by 16 grid of the colour channels")
{
    const int w = 34, h = 20;  // samples at x = 2k, y = 2i
    std::vector<DWORD> a(w * h, 0x00102030), b = a;
    CHECK(m_FrameCompare_Score(a.data(), b.data(), w, h) == 0);
    b[1 * w + 1] = 0x00FFFFFF;  // between the samples
    CHECK(m_FrameCompare_Score(a.data(), b.data(), w, h) == 0);
    b[2 * w + 2] = 0x00FF2030;  // one sample, red by 239
    CHECK(m_FrameCompare_Score(a.data(), b.data(), w, h) == 1);
    for (DWORD& px : b) px = 0xFF1A344E;  // every pixel by 10, 20 and 30; alpha not counted
    CHECK(m_FrameCompare_Score(a.data(), b.data(), w, h) == 60);
}

TEST_CASE("the picture compare stops at a cut above the recent scores, after two recorded")
{
    SFRAMERING ring = {};
    CHECK(m_FrameCompare_Feed(&ring, 0, 64) == COMPARE_SAME);
    CHECK(ring.count == 0);
    CHECK(m_FrameCompare_Feed(&ring, 5, 64) == COMPARE_KEEP);
    CHECK(m_FrameCompare_Feed(&ring, 200, 64) == COMPARE_KEEP);  // one score is not enough
    CHECK(m_FrameCompare_Feed(&ring, 264, 64) == COMPARE_KEEP);  // not above 64 + 200
    CHECK(m_FrameCompare_Feed(&ring, 329, 64) == COMPARE_CUT);
    ring = SFRAMERING{};
    for (int s : {5, 6, 7, 8}) CHECK(m_FrameCompare_Feed(&ring, s, 64) == COMPARE_KEEP);
    CHECK(m_FrameCompare_Feed(&ring, 73, 64) == COMPARE_CUT);
    CHECK(ring.count == 0);
    CHECK(ring.slots[3] == 8);  // the slots keep their values
    CHECK(m_FrameCompare_Feed(&ring, 3, 64) == COMPARE_KEEP);
    CHECK(m_FrameCompare_Feed(&ring, 4, 64) == COMPARE_KEEP);
    // The old 7 and 8 still count: 70 is no cut above 64 + 8.
    CHECK(m_FrameCompare_Feed(&ring, 70, 64) == COMPARE_KEEP);
    CHECK(ring.slots[2] == 70);
}
