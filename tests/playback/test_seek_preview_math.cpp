// The seek-bar preview's arithmetic: the time a hover shows, when frames
// are available, the settings' bounds, the frame size, labels and fades.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "commands/SeekBarHover.h"
#include "controls/SliderPlus.h"
#include "playback/SeekPreviewMath.h"

namespace {

constexpr int kMin = 60000;

std::string Narrow(const wchar_t* text)
{
    std::string out;
    for (; *text; ++text) out += static_cast<char>(*text);
    return out;
}

SPREVIEWSNAP Hover(int position, int duration)
{
    SPREVIEWSNAP s = {};
    s.positionMs = position;
    s.part = SLIDER_PART_CHANNEL;
    s.index = -1;
    s.durationMs = duration;
    return s;
}

}  // namespace

TEST_CASE("a hover without key frames snaps to the step of the file's duration")
{
    CHECK(m_SeekPreview_SnapMs(Hover(7 * kMin + 43900, 10 * kMin)) == 7 * kMin + 40000);
    struct {
        int duration, step;
    } bands[] = {
        {8 * kMin - 1, 1000},   {8 * kMin, 5000},       {18 * kMin - 1, 5000},
        {18 * kMin, 10000},     {33 * kMin - 1, 10000}, {33 * kMin, 15000},
        {63 * kMin - 1, 15000}, {63 * kMin, 30000},     {0, 1000},
    };
    for (const auto& b : bands) {
        CAPTURE(b.duration);
        CHECK(m_SeekPreview_StepForDuration(b.duration) == b.step);
        const int position = b.step * 3 + b.step / 2;
        CHECK(m_SeekPreview_SnapMs(Hover(position, b.duration)) == b.step * 3);
    }
}

TEST_CASE("a snapped time never falls before the chapter that holds the position")
{
    const int starts[] = {0, 7 * kMin + 42000};
    SPREVIEWSNAP s = Hover(7 * kMin + 43900, 10 * kMin);
    s.chapterStarts = starts;
    s.chapterCount = 2;
    CHECK(m_SeekPreview_SnapMs(s) == 7 * kMin + 42000);
    // Before that chapter the step rules.
    s.positionMs = 7 * kMin + 41900;
    CHECK(m_SeekPreview_SnapMs(s) == 7 * kMin + 40000);
    // A chapter mark shows the chapter's own start.
    s.part = SLIDER_PART_CHAPTER;
    s.index = 1;
    s.positionMs = 7 * kMin + 41000;
    CHECK(m_SeekPreview_SnapMs(s) == 7 * kMin + 42000);
}

TEST_CASE("with a key-frame table the key frame at or before the position is shown")
{
    const DWORD keys[] = {1000, 2000, 4500, 9000};
    const int starts[] = {0, 3000};
    struct {
        int position, chapters, want;
    } cases[] = {
        {4499, 0, 2000},
        {4500, 0, 4500},
        {100000, 0, 9000},
        // the key frame lies before the chapter's start
        {4400, 2, 3000},
        // before the first key frame and any chapter: the position itself
        {500, 0, 500},
    };
    for (const auto& c : cases) {
        CAPTURE(c.position);
        SPREVIEWSNAP s = Hover(c.position, 10 * kMin);
        s.keyFrames = keys;
        s.keyFrameCount = 4;
        s.chapterStarts = starts;
        s.chapterCount = c.chapters;
        CHECK(m_SeekPreview_SnapMs(s) == c.want);
    }
}

TEST_CASE("the thumb shows the play position unless the exact hover is asked")
{
    SPREVIEWSNAP s = Hover(3500, 5 * kMin);
    s.part = kPreviewPartThumb;
    s.currentMs = 61700;
    CHECK(m_SeekPreview_SnapMs(s) == 61000);
    s.exact = 1;
    CHECK(m_SeekPreview_SnapMs(s) == 3000);
    CHECK(m_SeekPreview_SnapMs(Hover(-1, 5 * kMin)) == -1);
}

TEST_CASE("the frame preview is available by the settings or the user's switch")
{
    struct {
        int sbTip, override_, open, video, keys, want;
    } cases[] = {
        {3, -1, 1, 1, 1, 1}, {3, -1, 1, 1, 0, 0}, {7, -1, 1, 1, 0, 1}, {1, -1, 1, 1, 1, 0},
        {2, -1, 1, 1, 1, 0}, {3, -1, 0, 0, 0, 1}, {7, -1, 1, 0, 1, 0}, {1, 1, 1, 1, 0, 1},
        {1, 1, 1, 0, 0, 0},  {1, 1, 0, 0, 0, 0},  {7, 0, 1, 1, 1, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.sbTip);
        CAPTURE(c.override_);
        CAPTURE(c.video);
        CAPTURE(c.keys);
        CHECK(m_SeekPreview_Available(c.sbTip, c.override_, c.open, c.video, c.keys) == c.want);
    }
}

TEST_CASE("details and delays out of their ranges fall back to usable values")
{
    const int defaults[5] = {80, 100, 30, 100, 300};
    SPREVIEWDETAILS d = m_SeekPreview_ReadDetails(defaults);
    CHECK(d.opacityText == 80);
    CHECK(d.opacityFrame == 100);
    // An opacity of 0 would never show the popup.
    const int invisible[5] = {0, 0, 0, 100, 300};
    d = m_SeekPreview_ReadDetails(invisible);
    CHECK(d.opacityText == 80);
    CHECK(d.opacityFrame == 100);
    CHECK(d.heightPercent == 30);
    const int swapped[5] = {50, 60, 40, 400, 120};
    d = m_SeekPreview_ReadDetails(swapped);
    CHECK(d.minHeight == 120);
    CHECK(d.maxHeight == 400);
    const int badTimes[3] = {-5, 0, 999999};
    const SPREVIEWTIMES t = m_SeekPreview_ReadTimes(badTimes);
    CHECK(t.hoverDelay == 150);
    CHECK(t.keyFrameDelay == 25);
    CHECK(t.otherDelay == 50);
}

TEST_CASE("the frame is a share of the video area's height held between the limits")
{
    const int raw[5] = {80, 100, 30, 100, 300};
    const SPREVIEWDETAILS d = m_SeekPreview_ReadDetails(raw);
    struct {
        int area, aw, ah, w, h;
    } cases[] = {
        {600, 16, 9, 320, 180},
        {200, 16, 9, 178, 100},
        {2000, 4, 3, 400, 300},
        {600, 0, 0, 320, 180},  // no aspect known: 16:9
    };
    for (const auto& c : cases) {
        CAPTURE(c.area);
        const SIZE s = m_SeekPreview_FrameSize(c.area, c.aw, c.ah, d);
        CHECK(s.cx == c.w);
        CHECK(s.cy == c.h);
    }
}

TEST_CASE("labels say the time, range or marker in the short or long form")
{
    wchar_t out[64];
    m_SeekPreview_TimeLabel(out, 64, 7 * kMin + 43900, 10 * kMin);
    CHECK(Narrow(out) == "77.3`%```(`7:43``/``-2:17`)");
    // The remaining time counts from the duration rounded up.
    m_SeekPreview_TimeLabel(out, 64, 7 * kMin + 43900, 10 * kMin + 400);
    CHECK(Narrow(out) == "77.3`%```(`7:43``/``-2:18`)");
    m_SeekPreview_TimeLabel(out, 64, 7 * kMin + 43900, 120 * kMin);
    CHECK(Narrow(out) == "6.4`%```(`00:07:43``/``-01:52:17`)");
    m_SeekPreview_RangeLabel(out, 64, 2, 60000, -1, 10 * kMin);
    CHECK(Narrow(out) == "RANGE``:``2````(1:00``-``10:00)");
    m_SeekPreview_MarkerLabel(out, 64, 1, 90000, 10 * kMin);
    CHECK(Narrow(out) == "MARKER``:``1````(1:30``/``-8:30)");
    m_SeekPreview_ChapterLabel(out, 64, 3);
    CHECK(Narrow(out) == "CHAPTER``:``3");
    // Too small a buffer leaves an empty text.
    wchar_t tiny[8];
    CHECK(m_SeekPreview_TimeLabel(tiny, 8, 1000, 10 * kMin) == 0);
    CHECK(tiny[0] == 0);
    m_SeekBarHover_Text(out, 64, 7 * kMin + 43900, 10 * kMin);
    CHECK(Narrow(out) == "77.3`%```(7:43`/`-2:16)");
}

TEST_CASE("fades step by the target over the steps, rounded up")
{
    CHECK(m_SeekPreview_TargetAlpha(80) == 204);
    CHECK(m_SeekPreview_TargetAlpha(100) == 255);
    CHECK(m_SeekPreview_FadeStep(204, 3) == 68);
    CHECK(m_SeekPreview_FadeStep(203, 4) == 51);
    CHECK(m_SeekPreview_FadeStep(255, 1) == 255);
    CHECK(m_SeekPreview_FadeStep(2, 4) == 1);
}
