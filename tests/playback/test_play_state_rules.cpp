// The pure rules of play, pause, hold, keeping awake and the end of a list.
#include <doctest/doctest.h>
#include <windows.h>
#include <evcode.h>

#include "playback/DisplayRefresh.h"
#include "playback/EndOfStream.h"
#include "playback/PlaybackEvents.h"
#include "playback/PlayPause.h"
#include "playback/PlayTime.h"
#include "playback/PowerSaving.h"

TEST_CASE("playing means open, started and not held; not playing ignores the open flag")
{
    struct Row {
        int open, started, held, playing, notPlaying;
    };
    const Row rows[] = {
        {1, 1, 0, 1, 0}, {1, 1, 1, 0, 1}, {1, 0, 0, 0, 1}, {1, 0, 1, 0, 1},
        {0, 1, 0, 0, 0}, {0, 0, 0, 0, 1}, {0, 1, 1, 0, 1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.open);
        CAPTURE(r.started);
        CAPTURE(r.held);
        CHECK(m_IsPlayingOf(r.open, r.started, r.held) == r.playing);
        CHECK(m_IsNotPlayingOf(r.started, r.held) == r.notPlaying);
    }
}

TEST_CASE("a run counter adds only running time, across a wrapped tick")
{
    SRUNCOUNTER c = {};
    CHECK(m_RunCounter_Step(&c, 1, 0, 1000) == 0);
    CHECK(m_RunCounter_Step(&c, 1, 0, 1500) == 500);  // still running: restarts at 1500
    CHECK(m_RunCounter_Step(&c, 0, 0, 1700) == 700);  // ends the run
    CHECK(m_RunCounter_Step(&c, 0, 0, 9000) == 700);  // paused time is not counted
    CHECK(m_RunCounter_Step(&c, 1, 0, 10000) == 700);
    CHECK(m_RunCounter_Step(&c, 1, 0, 9990) == 700);  // a tick that went back adds nothing

    SRUNCOUNTER wrapped = {};
    m_RunCounter_Step(&wrapped, 1, 0, 0xFFFFFF00u);
    CHECK(m_RunCounter_Step(&wrapped, 0, 0, 0x100u) == 0x200u);

    // A run that starts at tick 0 is still a run.
    SRUNCOUNTER zero = {};
    m_RunCounter_Step(&zero, 1, 0, 0);
    CHECK(m_RunCounter_Step(&zero, 0, 0, 50) == 49);
}

TEST_CASE("the position-save count is returned before a reset zeroes it")
{
    SRUNCOUNTER c = {};
    m_RunCounter_Step(&c, 1, 0, 100);
    CHECK(m_RunCounter_Step(&c, 1, 1, 400) == 300);
    CHECK(m_RunCounter_Step(&c, 0, 0, 450) == 50);  // the running part after the reset
}

TEST_CASE("the keep-awake option in effect and the power button's frame")
{
    struct Row {
        int option, inverted, effective, frame;
    };
    const Row rows[] = {{0, 0, 0, 0}, {1, 0, 1, 1}, {0, 1, 1, 2}, {1, 1, 0, 3}};
    for (const Row& r : rows) {
        CAPTURE(r.option);
        CAPTURE(r.inverted);
        CHECK(m_PowerSaving_Effective(r.option, r.inverted) == r.effective);
        CHECK(m_PowerSaving_ButtonFrame(r.option, r.inverted) == r.frame);
    }
}

TEST_CASE("the end of a list without check boxes: the step by count, wrap and countdown")
{
    struct Row {
        const char* what;
        int count, playing, open, wrap, countdown, isPlaying, nearEnd;
        int step, next, countdownMs;
    };
    const Row rows[] = {
        {"middle of the list opens the next", 10, 3, 1, 1, 1, 1, 1, NEXT_OPEN, 4, -1},
        {"next exists without wrap too", 10, 8, 1, 0, 1, 1, 1, NEXT_OPEN, 9, 0},
        {"nothing plays: the first entry", 3, -1, 0, 0, 0, 0, 0, NEXT_OPEN, 0, 0},
        {"last with wrap and countdown: overlay -1", 10, 9, 1, 1, 1, 1, 1, NEXT_OVERLAY, -1, -1},
        {"last with wrap, no countdown: restart", 10, 9, 1, 1, 0, 1, 1, NEXT_RESTART, -1, -1},
        {"last without wrap, countdown: overlay 0", 10, 9, 1, 0, 1, 1, 1, NEXT_OVERLAY, -1, 0},
        {"last without wrap, playing: pause at end", 10, 9, 1, 0, 0, 1, 0, NEXT_PAUSE_END, -1, 0},
        {"last without wrap, paused before the end", 10, 9, 1, 0, 0, 0, 0, NEXT_SEEK_END, -1, 0},
        {"last without wrap, paused at the end", 10, 9, 1, 0, 0, 0, 1, NEXT_RESTART, -1, 0},
        {"past the end with nothing open", 2, 1, 0, 0, 0, 0, 0, NEXT_NOTHING, -1, 0},
        {"one entry, nothing open", 1, 0, 0, 1, 0, 0, 0, NEXT_NOTHING, -1, -1},
        {"one entry with wrap", 1, 0, 1, 1, 0, 1, 1, NEXT_RESTART, -1, -1},
        {"one entry, countdown", 1, 0, 1, 0, 1, 1, 1, NEXT_OVERLAY, -1, 0},
        {"one entry, not yet at the end", 1, 0, 1, 0, 0, 1, 0, NEXT_HOLD_END, -1, 0},
        {"one entry at the end", 1, 0, 1, 0, 0, 0, 1, NEXT_FIRST_CHAP, -1, 0},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        int next = 99, countdownMs = 99;
        CHECK(m_NextStep_Plain(r.count, r.playing, r.open, r.wrap, r.countdown, r.isPlaying,
                               r.nearEnd, &next, &countdownMs) == r.step);
        CHECK(next == r.next);
        if (r.step == NEXT_OVERLAY) CHECK(countdownMs == r.countdownMs);
    }
}

TEST_CASE("the end of a file is the last 200 ms; a file of unknown length has no end")
{
    const int savedOpen = g_MediaOpen, savedMs = g_DurationMs;
    g_MediaOpen = 1;
    g_DurationMs = 10000;
    CHECK(m_IsAtPlayEnd(9800, 0, 0) == 1);
    CHECK(m_IsAtPlayEnd(9799, 0, 0) == 0);
    CHECK(m_IsAtPlayEnd(12000, 0, 0) == 1);
    // Else play at its "end" would continue by the repeat mode for ever.
    g_DurationMs = 0;
    CHECK(m_IsAtPlayEnd(0, 0, 0) == 0);
    g_MediaOpen = 0;
    g_DurationMs = 10000;
    CHECK(m_IsAtPlayEnd(9900, 0, 0) == 0);
    g_MediaOpen = savedOpen;
    g_DurationMs = savedMs;
}

TEST_CASE("a graph event's action: the end, a file that broke off, aborts and notices")
{
    struct Row {
        long code;
        int lastFrameMs, durationMs, action;
    };
    const Row rows[] = {
        {EC_COMPLETE, 5960, 6000, GEV_END},
        {EC_COMPLETE, 4600, 6000, GEV_END},        // within the tolerance
        {EC_COMPLETE, 2640, 6000, GEV_CUT_SHORT},  // the second half is missing
        {EC_COMPLETE, -1, 6000, GEV_END},          // audio only: no frame to go by
        {EC_COMPLETE, 0, 0, GEV_END},              // no known length
        {EC_ERRORABORT, 1000, 6000, GEV_ABORT},
        {EC_ERRORABORTEX, 1000, 6000, GEV_ABORT},
        {EC_USERABORT, 1000, 6000, GEV_ABORT},
        {EC_STREAM_ERROR_STOPPED, 1000, 6000, GEV_ABORT},
        {EC_STREAM_ERROR_STILLPLAYING, 1000, 6000, GEV_ERROR_GOES_ON},
        {EC_ERROR_STILLPLAYING, 1000, 6000, GEV_ERROR_GOES_ON},
        {EC_LENGTH_CHANGED, 1000, 6000, GEV_LENGTH},
        {EC_VMR_RENDERDEVICE_SET, 1000, 6000, GEV_RENDER_DEVICE},
        {EC_CLOCK_CHANGED, 1000, 6000, GEV_NONE},
    };
    for (const Row& r : rows) {
        CAPTURE(r.code);
        CAPTURE(r.lastFrameMs);
        CHECK(m_GraphEvent_Action(r.code, r.lastFrameMs, r.durationMs) == r.action);
    }
}
