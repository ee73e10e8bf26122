// The engine's timer, frame-step and rate arithmetic, and an engine with no
// file open.
#include <doctest/doctest.h>

#include "engine/EngineTiming.h"
#include "engine/VideoRenderer.h"

TEST_CASE("timer shots halve the way, scaled by the rate and held to 10..60000 ms")
{
    struct {
        LONGLONG restMs;
        int rate;
        LONGLONG delay;
    } cases[] = {
        {10000, 200, 2500},                      // 10 s ahead at double speed
        {300000, 100, 60000},                    // five minutes ahead
        {70000, 50, 60000},                      // 140 s of play time at half speed
        {5000, 50, 5000},     {11, 100, 10},     // the shortest shot
        {10, 100, 0},                            // within 10 ms: reached
        {-500, 100, 0},                          // half a second past: still reported
        {-999, 100, 0},       {-1000, 100, -1},  // a second or more past: nothing
        {-2000, 100, -1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.restMs);
        CAPTURE(c.rate);
        CHECK(m_VR_ShotDelayMs(c.restMs, c.rate) == c.delay);
    }
}

TEST_CASE("frame steps stop at both ends")
{
    const double frame = 0.03125;  // 32 frames per second, exact in binary
    const LONGLONG duration = 100000000;
    CHECK(m_VR_StepTarget(0, duration, frame, 1) == 312500);
    CHECK(m_VR_StepTarget(312500, duration, frame, 2) == 937500);
    // From frame 0 backwards: position 0, which the engine then finds it
    // already has.
    CHECK(m_VR_StepTarget(0, duration, frame, -1) == 0);
    CHECK(m_VR_StepTarget(312500, duration, frame, -5) == 0);
    // On the last frame a forward step does nothing; a backward one moves.
    CHECK(m_VR_StepTarget(duration, duration, frame, 1) == -1);
    CHECK(m_VR_StepTarget(duration, duration, frame, -1) == 99687500);
    // A step past the end lands on the last frame, within the duration.
    CHECK(m_VR_StepTarget(98000000, duration, frame, 50) == duration);
}

TEST_CASE("frame start times, near-end and the rate value")
{
    const double frame = 0.04;  // 25 frames per second
    CHECK(m_VR_FrameStartMs(10000000.0, frame, 0) == 1001);
    CHECK(m_VR_FrameStartMs(10000000.0, frame, 1) == 1041);
    CHECK(m_VR_FrameStartMs(0, frame, -3) == 0);
    // 10 s - 0.2333... s = 97666666.67, truncated.
    CHECK(m_VR_IsNearEndOf(97666666, 100000000) == 1);
    CHECK(m_VR_IsNearEndOf(97666665, 100000000) == 0);
    CHECK(m_VR_RateValue(100) == 1.0);
    CHECK(m_VR_RateValue(250) == doctest::Approx(2.5));
}

TEST_CASE("an engine with no file open refuses every operation and changes nothing")
{
    CVideoRenderer engine;
    const HRESULT na = kVrNotAvailable;
    CHECK(engine.m_VR_Close() == na);
    CHECK(engine.m_VR_Run() == na);
    CHECK(engine.m_VR_Pause() == na);
    CHECK(engine.m_VR_StopWhenReady() == na);
    CHECK(engine.m_VR_SetRate(150) == na);
    CHECK(engine.m_VR_SetPosition(10000000) == na);
    CHECK(engine.m_VR_FrameStep(1) == na);
    CHECK(engine.m_VR_SwitchAudioRenderer() == na);
    CHECK(engine.m_VR_SetBalance(0) == na);
    CHECK(engine.m_VR_SetWindows(nullptr, nullptr) == na);
    LONGLONG frame = 7;
    CHECK(engine.m_VR_GetFrameNumber(&frame) == na);
    CHECK(engine.m_VR_IsNearEnd(-1) == 0);
    CHECK(engine.m_VR_WaitFrame(100) == 0);
    CHECK(engine.m_VR_GetState() == VR_STATE_NONE);
    CHECK(engine.m_VR_GetRate() == 100);
    // The volume is kept for the next graph, held to -10000..0.
    CHECK(engine.m_VR_SetVolume(500) == na);
    CHECK(engine.m_GetVolume() == 0);
    engine.m_VR_SetVolume(-20000);
    CHECK(engine.m_GetVolume() == -10000);
}

TEST_CASE("windowless renderer kinds")
{
    const int saved = g_RendererKind;
    struct {
        int kind;
        int windowless;
    } cases[] = {{0, 0}, {2, 0}, {3, 0}, {4, 1}, {6, 1}, {7, 1}, {8, 0}};
    for (const auto& c : cases) {
        g_RendererKind = c.kind;
        CAPTURE(c.kind);
        CHECK(m_VR_IsWindowlessRenderer() == c.windowless);
    }
    g_RendererKind = saved;
}
