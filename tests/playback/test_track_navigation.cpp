// Previous and next: the check-box walk at the end of a list, the way back,
// the 2500 ms rule, skip points and the auto-next countdown's length.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "playback/EndOfStream.h"
#include "playback/SkipPoints.h"
#include "playback/TrackChoice.h"

namespace {

STRACKCHOICE m_List(int count, const unsigned char* checked, int checkMode, int playing)
{
    return STRACKCHOICE{count, checkMode, checked, playing};
}

}  // namespace

TEST_CASE("next with check boxes walks to the next checked entry, by wrap, countdown and end")
{
    const unsigned char some[5] = {0, 1, 0, 1, 0};
    const unsigned char onlyTwo[5] = {0, 0, 1, 0, 0};
    const unsigned char none[5] = {};
    struct Row {
        const char* what;
        const unsigned char* checked;
        int running;  // playback started and not held
        int playing, continueFrom, wrap, countdown, atEnd;
        int step, next, countdownMs, bad;
    };
    const Row rows[] = {
        {"the next checked entry", some, 1, 1, -1, 0, 0, 0, NEXT_OPEN, 3, 0, 0},
        {"from an unchecked entry", some, 1, 0, -1, 0, 0, 0, NEXT_OPEN, 1, 0, 0},
        {"a deleted entry goes on at its place", some, 1, -1, 3, 0, 0, 0, NEXT_OPEN, 3, 0, 0},
        {"none after, playing: hold at the end", some, 1, 3, -1, 0, 0, 0, NEXT_HOLD_END, -1, 0, 0},
        {"none after, playing, countdown", some, 1, 3, -1, 0, 1, 0, NEXT_OVERLAY, -1, 0, 0},
        {"none after, paused before the end", some, 0, 3, -1, 0, 0, 0, NEXT_SEEK_END, -1, 0, 0},
        {"none after, paused at the end: restart", some, 0, 3, -1, 0, 0, 1, NEXT_RESTART, -1, 0, 0},
        {"wrap back before the playing: restart", some, 1, 3, -1, 1, 0, 0, NEXT_RESTART, -1, -1, 0},
        {"wrap back with countdown", some, 1, 3, -1, 1, 1, 0, NEXT_OVERLAY, -1, -1, 0},
        {"only the playing checked, wrap: first chapter", onlyTwo, 1, 2, -1, 1, 0, 0,
         NEXT_FIRST_CHAP, -1, -1, 0},
        {"only the playing checked, no wrap: pause at end", onlyTwo, 1, 2, -1, 0, 0, 0,
         NEXT_PAUSE_END, -1, 0, 0},
        {"only the playing checked, at the end", onlyTwo, 0, 2, -1, 0, 0, 1, NEXT_FIRST_CHAP, -1, 0,
         0},
        {"only the playing checked, countdown", onlyTwo, 1, 2, -1, 1, 1, 0, NEXT_OVERLAY, -1, -1,
         0},
        {"none checked while playing", none, 1, 1, -1, 1, 0, 0, NEXT_HOLD_END, -1, -1, 0},
        {"a start past the list is logged and clamped", some, 1, -1, 9, 0, 0, 0, NEXT_HOLD_END, -1,
         0, 1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        SNEXTFACTS f = {r.playing, r.continueFrom, 1, r.wrap, r.countdown, r.atEnd};
        int next = 99, countdownMs = 99, bad = 99;
        CHECK(m_NextStep_Checked(m_List(5, r.checked, 1, r.running), f, &next, &countdownMs,
                                 &bad) == r.step);
        CHECK(next == r.next);
        CHECK(bad == r.bad);
        if (r.step == NEXT_OVERLAY) CHECK(countdownMs == r.countdownMs);
    }
}

TEST_CASE("check boxes change nothing when all or (while not playing) none are checked")
{
    const unsigned char all[3] = {1, 1, 1};
    const unsigned char none[3] = {};
    const unsigned char some[3] = {1, 0, 1};
    CHECK(m_Checks_AllPlayable(m_List(3, some, 0, 1)) == 1);
    CHECK(m_Checks_AllPlayable(m_List(3, all, 1, 1)) == 1);
    CHECK(m_Checks_AllPlayable(m_List(3, none, 1, 0)) == 1);
    CHECK(m_Checks_AllPlayable(m_List(3, none, 1, 1)) == 0);
    CHECK(m_Checks_AllPlayable(m_List(3, some, 1, 0)) == 0);
}

TEST_CASE("previous file: the entry before, the first entry's own start, unchecked skipped")
{
    const unsigned char all[4] = {1, 1, 1, 1};
    const unsigned char some[4] = {1, 0, 1, 0};
    const unsigned char onlyTwo[4] = {0, 0, 1, 0};
    struct Row {
        const char* what;
        const unsigned char* checked;
        int checkMode, count, playing, wrap, posMs;
        int step, entry;
    };
    const Row rows[] = {
        {"the entry before", all, 0, 4, 2, 0, 2000, PREV_OPEN, 1},
        {"first entry without wrap: back to its start and pause", all, 0, 4, 0, 0, 2000,
         PREV_SEEK_START_TOGGLE, -1},
        {"first entry without wrap at 0 goes to the last", all, 0, 4, 0, 0, 0, PREV_OPEN, 3},
        {"first entry with wrap goes to the last", all, 0, 4, 0, 1, 2000, PREV_OPEN, 3},
        {"a single entry goes to its start", all, 0, 1, 0, 1, 2000, PREV_SEEK_START, -1},
        {"unchecked entries are passed over", some, 1, 4, 2, 0, 2000, PREV_OPEN, 0},
        {"wrapping past unchecked ones", some, 1, 4, 0, 1, 2000, PREV_OPEN, 2},
        {"checked first entry without wrap", some, 1, 4, 0, 0, 2000, PREV_SEEK_START_TOGGLE, -1},
        {"only the playing checked", onlyTwo, 1, 4, 2, 1, 2000, PREV_SEEK_START, -1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        int entry = 99;
        CHECK(m_PrevStep(m_List(r.count, r.checked, r.checkMode, 1), r.playing, r.wrap, 1, r.posMs,
                         &entry) == r.step);
        CHECK(entry == r.entry);
    }
}

TEST_CASE("previous goes to the play start after 2500 ms and to the previous file before")
{
    struct Row {
        const char* what;
        int posMs, startMs, direct, rule;
    };
    const Row rows[] = {
        {"3.0 s into a file", 3000, 0, 0, PREVRULE_SEEK_START},
        {"2.0 s into a file", 2000, 0, 0, PREVRULE_PREV_FILE},
        {"exactly 2500 ms", 2500, 0, 0, PREVRULE_PREV_FILE},
        {"direct ignores the rule", 9000, 0, 1, PREVRULE_PREV_FILE},
        {"late first checked chapter, just after it: back to 0", 11000, 10000, 0,
         PREVRULE_SEEK_ZERO},
        {"late first checked chapter, well after it", 13000, 10000, 0, PREVRULE_SEEK_START},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(m_PrevRule(r.posMs, r.startMs, r.direct) == r.rule);
    }
}

namespace {

struct SSkipFixture {
    SCHAPTERITEM chapters[3] = {};
    SPLAYRANGEITEM ranges[1] = {};
    SMARKERITEM markers[3] = {};
    SSKIPSOURCE source = {};
    SSKIPPOINT points[kSkipPointCap];

    // Chapters at 0, 30 and 60 s; a range 40-50 s; markers at 10, 20 and
    // 30 s (the last on a chapter); a 90 s file.
    SSkipFixture(int withChapters, int withRanges)
    {
        const double starts[3] = {0, 30, 60};
        for (int i = 0; i < 3; ++i) chapters[i].Start = starts[i];
        ranges[0].start = 40000;
        ranges[0].end = 50000;
        markers[0].position = 10000;
        markers[1].position = 20000;
        markers[2].position = 30000;
        source.chapters = chapters;
        source.chapterCount = withChapters ? 3 : 1;
        source.ranges = ranges;
        source.rangeCount = withRanges ? 1 : 0;
        source.markers = markers;
        source.markerCount = 3;
        source.directStart = source.directEnd = -1;
        source.durationMs = 90000;
    }
    std::string m_Skip(int posMs, int direction, int offsetMs = 0, int nearEnd = 0)
    {
        const int n = m_SkipPoints_Collect(source, 0, offsetMs, points, kSkipPointCap);
        int target;
        const int how = m_SkipPoints_Choose(points, n, posMs, direction, nearEnd, &target);
        if (how == SKIPTO_PLAY_END) return "on";
        if (how == SKIPTO_HOLD_END) return "hold";
        wchar_t text[96];
        m_SkipPoints_Message(how == SKIPTO_ZERO ? nullptr : &points[target], offsetMs, text, 96);
        char out[128];
        snprintf(out, sizeof out, "%d %ls", how == SKIPTO_ZERO ? 0 : points[target].timeMs, text);
        return out;
    }
};

}  // namespace

TEST_CASE("skip points: chapters, range bounds and markers, forward and back")
{
    SSkipFixture noChapters(0, 0);
    CHECK(noChapters.m_Skip(5000, 1) == "10000 POS : MARKER 1");
    CHECK(noChapters.m_Skip(25000, 1) == "30000 POS : MARKER 3");
    CHECK(noChapters.m_Skip(31000, 1) == "hold");

    SSkipFixture f(1, 1);
    struct Row {
        const char* what;
        int posMs, direction;
        const char* want;
    };
    const Row rows[] = {
        {"forward from 0 passes the chapter at 0", 0, 1, "10000 POS : MARKER 1"},
        {"a marker on a chapter gives way to the chapter", 21000, 1, "30000 POS : CHAPTER 2"},
        {"a landing 1 ms after its target goes on", 30001, 1, "40000 POS : RANGE 1```(ST@)"},
        {"a landing exactly on its target goes on", 30000, 1, "40000 POS : RANGE 1```(ST@)"},
        {"range end", 45000, 1, "50000 POS : RANGE 1```(EN)"},
        {"back 1.5 s after a point: the one before", 31500, -1, "20000 POS : MARKER 2"},
        {"back 2.5 s after a point: its own start", 32500, -1, "30000 POS : CHAPTER 2"},
        {"back from the first point goes to 0", 1000, -1, "0 POS : CHAPTER 1"},
        {"back within the first marker", 11000, -1, "0 POS : CHAPTER 1"},
        {"forward past the last point holds at the end", 70000, 1, "hold"},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(f.m_Skip(r.posMs, r.direction) == r.want);
    }
    CHECK(f.m_Skip(5000, 1, 0, 1) == "on");
    // An offset moves every point, clamped to the file, and adds its end.
    CHECK(f.m_Skip(5000, 1, 500) == "10500 POS : MARKER 1````(+500`MS)");
    CHECK(f.m_Skip(89000, 1, -500) == "89500 POS : FILE END````(-500`MS)");
    CHECK(f.m_Skip(0, 1, -500) == "9500 POS : MARKER 1````(-500`MS)");
}

TEST_CASE("skip points keep to their kinds and capacity")
{
    SSkipFixture f(1, 1);
    SSKIPPOINT points[kSkipPointCap];
    CHECK(m_SkipPoints_Collect(f.source, SKIPMASK_CHAPTERS, 0, points, kSkipPointCap) == 3);
    CHECK(m_SkipPoints_Collect(f.source, SKIPMASK_MARKERS, 0, points, kSkipPointCap) == 3);
    // Only ranges: the markers' 30 s is not taken, so nothing hides.
    CHECK(m_SkipPoints_Collect(f.source, SKIPMASK_RANGES, 0, points, kSkipPointCap) == 2);
    CHECK(m_SkipPoints_Collect(f.source, 0, 0, points, 4) == 4);
    // A range start at 0 and an open end are no points.
    f.ranges[0].start = 0;
    f.ranges[0].end = -1;
    CHECK(m_SkipPoints_Collect(f.source, SKIPMASK_RANGES, 0, points, kSkipPointCap) == 0);
}

TEST_CASE("the auto-next countdown is scaled by the average length")
{
    struct Row {
        long long lengthMs;
        int want;
    };
    const Row rows[] = {
        {5 * 60 * 1000, 3333}, {45 * 60 * 1000, 15000}, {20 * 60 * 1000, 10000}, {599999, 3333},
        {600000, 10000},       {2399999, 10000},        {2400000, 15000},        {0, 3333},
        {-1, 10000},
    };
    for (const Row& r : rows) {
        CAPTURE(r.lengthMs);
        CHECK(m_AutoNext_CountdownMs(10, r.lengthMs) == r.want);
    }
    CHECK(m_AutoNext_CountdownMs(3, 45 * 60 * 1000) == 4500);
}
