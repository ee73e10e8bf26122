#include <doctest/doctest.h>

#include <windows.h>

#include "app/AutoStopTick.h"
#include "app/HitTests.h"
#include "app/InstanceNoticeReceiver.h"
#include "app/PowerNotices.h"

TEST_CASE("side borders near a corner become corner hits while the aspect is kept")
{
    const RECT window = {100, 100, 500, 300};  // 400 x 200: 27 % is 108 and 54
    struct {
        int hit;
        POINT pt;
        int expected;
    } cases[] = {
        {HTLEFT, {100, 120}, HTTOPLEFT},       {HTLEFT, {100, 200}, HTLEFT},
        {HTLEFT, {100, 290}, HTBOTTOMLEFT},    {HTRIGHT, {499, 153}, HTTOPRIGHT},
        {HTRIGHT, {499, 154}, HTRIGHT},        {HTRIGHT, {499, 246}, HTBOTTOMRIGHT},
        {HTTOP, {207, 100}, HTTOPLEFT},        {HTTOP, {208, 100}, HTTOP},
        {HTTOP, {392, 100}, HTTOPRIGHT},       {HTBOTTOM, {150, 299}, HTBOTTOMLEFT},
        {HTBOTTOM, {480, 299}, HTBOTTOMRIGHT}, {HTTOPLEFT, {300, 200}, HTTOPLEFT},
        {HTCLIENT, {110, 110}, HTCLIENT},      {HTCAPTION, {110, 110}, HTCAPTION},
    };
    for (const auto& c : cases) {
        CAPTURE(c.hit);
        CAPTURE(c.pt.x);
        CAPTURE(c.pt.y);
        CHECK(m_CornerHit(c.hit, c.pt, window) == c.expected);
    }
}

TEST_CASE("full-screen hit codes of the overlays, the status bar and elsewhere")
{
    SFSHITLAYOUT l = {};
    l.bFullScreen = 1;
    l.bFileOpen = 1;
    l.rcOverlay1 = {100, 500, 700, 600};  // 600 wide: a third is 200
    l.rcOverlay2 = {0, 0, 200, 50};
    l.nBandHeight = 40;
    l.rcButton = {10, 5, 40, 35};
    l.nRightFixed = 100;
    l.nDpiPercent = 150;  // right part 150 wide, less than a third
    l.rcStatusBar = {0, 700, 800, 720};
    struct {
        POINT pt;
        int expected;
    } full[] = {
        {{120, 520}, FSHIT_BUTTON},     {{300, 520}, FSHIT_NONE},
        {{300, 560}, FSHIT_BAND},       {{551, 560}, FSHIT_BAND_RIGHT},
        {{700, 600}, FSHIT_BAND_RIGHT},  // the grown right and bottom edges
        {{50, 20}, FSHIT_SECOND},       {{400, 300}, FSHIT_VIDEO},
        {{400, 710}, FSHIT_VIDEO},  // the status bar counts only outside full screen
    };
    for (const auto& c : full) {
        CAPTURE(c.pt.x);
        CAPTURE(c.pt.y);
        CHECK(m_ClassifyFsHit(l, c.pt) == c.expected);
    }

    l.bFileOpen = 0;
    CHECK(m_ClassifyFsHit(l, POINT{400, 300}) == FSHIT_NONE);

    // Outside full screen (and during an overlay drag) only the status bar.
    for (int drag = 0; drag < 2; ++drag) {
        l.bFullScreen = drag;
        l.bOverlayDrag = drag;
        CHECK(m_ClassifyFsHit(l, POINT{120, 520}) == FSHIT_NONE);
        CHECK(m_ClassifyFsHit(l, POINT{100, 710}) == FSHIT_BAND);
        CHECK(m_ClassifyFsHit(l, POINT{651, 720}) == FSHIT_BAND_RIGHT);
    }

    // Windows that do not exist take no point, not even the corner pixel.
    SFSHITLAYOUT none = {};
    none.nDpiPercent = 100;
    CHECK(m_ClassifyFsHit(none, POINT{0, 0}) == FSHIT_NONE);
    none.bFullScreen = 1;
    none.bFileOpen = 1;
    CHECK(m_ClassifyFsHit(none, POINT{0, 0}) == FSHIT_VIDEO);
}

TEST_CASE("the display counts as long off past 60 s, or 5 s in test mode")
{
    CHECK(m_DisplayOffLongEnough(1000, 1000 + 61000, 0));
    CHECK_FALSE(m_DisplayOffLongEnough(1000, 1000 + 59000, 0));
    CHECK(m_DisplayOffLongEnough(1000, 1000 + 5001, 1));
    CHECK_FALSE(m_DisplayOffLongEnough(1000, 1000 + 4000, 1));
    // across the tick counter's wrap
    CHECK(m_DisplayOffLongEnough(0xFFFFF000u, 61000, 0));
}

TEST_CASE("another instance's start pauses this one only in its first 2 s")
{
    CHECK(m_OpenedNoticeAction(10000, 11500, 1) == 1);
    CHECK(m_OpenedNoticeAction(10000, 11500, 0) == 2);
    CHECK(m_OpenedNoticeAction(10000, 12500, 1) == 0);
    CHECK(m_OpenedNoticeAction(10000, 12000, 0) == 0);
}

TEST_CASE("the idle auto-stop waits, ends, fades or stops by the facts of its tick")
{
    // On, 180 minutes, a started file, no timer armed, playing at volume 50 %.
    const SAUTOSTOPFACTS base = {1, 180, 1, 1, 0, 0, 1, 5000, 0};
    const DWORD limit = 180u * 60000u;
    struct {
        const char* name;
        void (*change)(SAUTOSTOPFACTS&);
        int expected;
    } cases[] = {
        {"recent input", [](SAUTOSTOPFACTS& f) { f.nIdleMs = 1000; }, AUTOSTOP_WAIT},
        {"exactly the limit", [](SAUTOSTOPFACTS& f) { f.nIdleMs = 180u * 60000u; }, AUTOSTOP_WAIT},
        {"past the limit", [](SAUTOSTOPFACTS&) {}, AUTOSTOP_FADE},
        {"off", [](SAUTOSTOPFACTS& f) { f.bOn = 0; }, AUTOSTOP_END},
        {"no file", [](SAUTOSTOPFACTS& f) { f.bFileOpen = 0; }, AUTOSTOP_END},
        {"not started", [](SAUTOSTOPFACTS& f) { f.bStarted = 0; }, AUTOSTOP_END},
        {"timer armed", [](SAUTOSTOPFACTS& f) { f.bTimerArmed = 1; }, AUTOSTOP_END},
        {"held", [](SAUTOSTOPFACTS& f) { f.bPlaying = 0; }, AUTOSTOP_STOP},
        {"silent", [](SAUTOSTOPFACTS& f) { f.nVolume = 0; }, AUTOSTOP_STOP},
        {"already fading", [](SAUTOSTOPFACTS& f) { f.bFading = 1; }, AUTOSTOP_STOP},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        SAUTOSTOPFACTS f = base;
        f.nIdleMs = limit + 1;
        c.change(f);
        CHECK(m_AutoStopDecision(f) == c.expected);
    }
}
