// Which entry the open road takes next, the times it reads from the engine,
// and the property set it fills from a resume record.
#include <doctest/doctest.h>
#include <windows.h>

#include "playback/MediaTime.h"
#include "playback/RepeatMode.h"
#include "playback/ResumeVideoState.h"
#include "playback/TrackChoice.h"

namespace {

STRACKCHOICE m_List(int count, const unsigned char* checked, int checkMode, int playing = 0)
{
    return STRACKCHOICE{count, checkMode, checked, playing};
}

}  // namespace

TEST_CASE("the entry after a track follows the check boxes")
{
    const unsigned char all[5] = {1, 1, 1, 1, 1};
    const unsigned char some[5] = {0, 1, 0, 1, 0};
    const unsigned char none[5] = {};
    struct Row {
        const unsigned char* checked;
        int checkMode, playing, track, next;
    };
    const Row rows[] = {
        {all, 0, 0, 3, 4},  {all, 0, 0, 4, 0},  {none, 0, 1, 2, 3},  // no check boxes
        {all, 1, 0, 4, 0},                                           // all checked: plain
        {some, 1, 0, 1, 3}, {some, 1, 0, 3, 1}, {some, 1, 1, 4, 1},  // first checked after
        {none, 1, 1, 2, 0}, {none, 1, 0, 2, 3}, {none, 1, 0, 4, 0},  // none: 0 while playing
    };
    for (const Row& r : rows) {
        CAPTURE(r.checkMode);
        CAPTURE(r.playing);
        CAPTURE(r.track);
        CHECK(m_NextPlayableIn(m_List(5, r.checked, r.checkMode, r.playing), r.track) == r.next);
    }
}

TEST_CASE("the entry after a failed open follows the repeat mode and never invents one")
{
    const unsigned char all[3] = {1, 1, 1};
    const unsigned char none[3] = {};
    const unsigned char middle[3] = {0, 1, 0};
    const unsigned char first[3] = {1, 0, 0};
    struct Row {
        int count;
        const unsigned char* checked;
        int checkMode, mode, wrap, track, next;
    };
    const Row rows[] = {
        {3, all, 0, REPEAT_FILE, 0, 1, 1},  // the same file again
        {3, all, 0, REPEAT_OFF, 1, 1, 2},     {3, all, 0, REPEAT_OFF, 1, 2, -1},
        {3, all, 0, REPEAT_ON, 0, 2, 0},      {1, all, 0, REPEAT_ON, 1, 0, -1},
        {3, all, 0, REPEAT_CHAPTER, 1, 2, 0}, {3, all, 0, REPEAT_SHUFFLE, 0, 2, -1},
        {3, none, 1, REPEAT_ON, 1, 0, -1},   // nothing checked
        {0, none, 1, REPEAT_ON, 1, 0, -1},   // empty list
        {3, middle, 1, REPEAT_ON, 1, 1, 1},  // only this one: itself when wrapping
        {3, middle, 1, REPEAT_OFF, 1, 1, -1}, {3, middle, 1, REPEAT_OFF, 0, 0, 1},
        {3, first, 1, REPEAT_ON, 0, 1, 0},    {3, first, 1, REPEAT_OFF, 1, 1, -1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.count);
        CAPTURE(r.checkMode);
        CAPTURE(r.mode);
        CAPTURE(r.wrap);
        CAPTURE(r.track);
        CHECK(m_NextRetryIn(m_List(r.count, r.checked, r.checkMode), r.track, r.mode, r.wrap) ==
              r.next);
    }
}

TEST_CASE("positions round to the nearest ms; durations drop the ms fraction and round seconds")
{
    CHECK(m_RoundTo_Ms(0) == 0);
    CHECK(m_RoundTo_Ms(14999) == 1);
    CHECK(m_RoundTo_Ms(15000) == 2);
    CHECK(m_RoundTo_Ms(-15000) == -1);  // halves go up
    CHECK(m_RoundTo_Ms(-15001) == -2);

    struct Row {
        LONGLONG raw, duration;
        int ms, sec;
    };
    const Row rows[] = {
        {25000, 25000, 2, 0},
        {4999999, 4999999, 499, 0},
        {5000000, 5000000, 500, 1},
        {15000000, 15000000, 1500, 2},
        {3599990000000LL, 3599990000000LL, 359999000, 359999},
        {3599990000001LL, 0, 0, 0},  // past 99:59:59: unknown
        {-1, 0, 0, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.raw);
        LONGLONG d = -7;
        int ms = -7, sec = -7;
        m_SplitDuration(r.raw, &d, &ms, &sec);
        CHECK(d == r.duration);
        CHECK(ms == r.ms);
        CHECK(sec == r.sec);
    }
}

TEST_CASE("a resume record fills a property set group by group")
{
    SRESUMEINFO r = {};
    r.ProcAmpOn = 1;
    r.ProcAmpKind = 2;
    r.ProcAmp[0] = 10, r.ProcAmp[1] = 20, r.ProcAmp[2] = 30, r.ProcAmp[3] = 40;
    r.AspectOn = 1, r.AspectX = 16, r.AspectY = 9;
    r.CropOn = 1, r.CropX = 235, r.CropY = 100;
    r.RangeMode = 2, r.RangeValue = 9000;
    r.RangeRect[0] = 1, r.RangeRect[1] = 2, r.RangeRect[2] = 3, r.RangeRect[3] = 4;
    r.BoostOn = 1, r.Boost = 150;
    r.BalanceOn = 1, r.Balance = 80;
    SVIDEOPROPSET set = {};
    set.CropMode = 7;
    m_Resume_GetVideoState(&set, &r);
    CHECK(set.ProcAmpOn == 1);
    CHECK(set.ProcAmpKind == 2);
    CHECK(set.ProcAmp[3] == 40);
    CHECK(set.AspectMode == 2);
    CHECK(set.CropMode == 3);
    CHECK((set.CropX == 235 && set.CropY == 100));
    CHECK(set.RangeMode == 2);
    CHECK(set.RangePercent == 9000);
    CHECK(set.RangeRect[3] == 4);
    CHECK(set.Boost == 150);
    CHECK(set.Balance == 80);

    SUBCASE("4:3 is mode 1")
    {
        r.AspectX = 4, r.AspectY = 3;
        m_Resume_GetVideoState(&set, &r);
        CHECK(set.AspectMode == 1);
    }
    SUBCASE("absent groups give -1 and keep the aspect and crop modes")
    {
        SRESUMEINFO empty = {};
        set.AspectMode = 2;
        set.CropMode = 1;
        m_Resume_GetVideoState(&set, &empty);
        CHECK(set.ProcAmpOn == 0);
        CHECK(set.ProcAmpKind == -1);
        CHECK(set.ProcAmp[0] == -1);
        CHECK((set.AspectOn == 0 && set.AspectX == -1 && set.AspectY == -1));
        CHECK(set.AspectMode == 2);
        CHECK(set.CropMode == 1);
        CHECK(set.RangeMode == 0);
        CHECK(set.RangePercent == -1);
        CHECK((set.RangeRect[0] == -1 && set.RangeRect[3] == -1));
        CHECK((set.BoostOn == 0 && set.Boost == -1));
        CHECK((set.BalanceOn == 0 && set.Balance == -1));
    }
    SUBCASE("a set written back reads the same, and absent groups are cleared")
    {
        SRESUMEINFO back;
        m_Resume_ClearRecord(&back);
        back.BoostOn = 1, back.Boost = 250;
        set.BoostOn = 0;
        m_Resume_PutVideoState(&back, &set);
        CHECK((back.BoostOn == 0 && back.Boost == 100));
        CHECK((back.AspectX == 16 && back.AspectY == 9));
        CHECK((back.CropX == 235 && back.CropY == 100));
        CHECK((back.RangeMode == 2 && back.RangeValue == 9000 && back.RangeRect[3] == 4));
        SVIDEOPROPSET again = {};
        m_Resume_GetVideoState(&again, &back);
        CHECK(again.ProcAmp[3] == set.ProcAmp[3]);
        CHECK((again.AspectMode == 2 && again.CropMode == 3 && again.Balance == 80));
    }
}
