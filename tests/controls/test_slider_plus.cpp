// The slider as a real window: sent mouse messages give exactly the notices
// of each gesture, in order; blocks, a disabled bar, marks under the pointer,
// degenerate sizes and the picture it composes.
#include <doctest/doctest.h>

#include <vector>

#include "ControlTestHost.h"
#include "controls/SliderPlus.h"

namespace {

using Codes = std::vector<UINT>;

// A 109 x 20 slider: thumb 9 wide, so the travel is 100 and on a range of
// 100 the value under x is x - 4 (held within 0..100).
struct SSliderCase {
    CTestHost host;
    CSliderPlus slider;
    HWND hWnd;

    explicit SSliderCase(int width = 109, UINT id = 33070, int left = 10)
    {
        hWnd = slider.m_Create(host.m_hWnd, id);
        MoveWindow(hWnd, left, 10, width, 20, FALSE);
        slider.m_SetRange(100, 0);
        slider.m_SetPos(0);
    }
    void Down(int x, int y = 10) { m_Mouse(hWnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON); }
    void Up(int x, int y = 10) { m_Mouse(hWnd, WM_LBUTTONUP, x, y); }
    void Move(int x, int y = 10) { m_Mouse(hWnd, WM_MOUSEMOVE, x, y); }
};

ARGB Pixel(const CArgbImage* img, int x, int y) { return img->m_Row(y)[x]; }

}  // namespace

TEST_CASE("slider: a press on the thumb released in place sends down, up, click and same-place")
{
    SSliderCase c;
    REQUIRE(c.hWnd);
    c.Down(4);
    CHECK(GetCapture() == c.hWnd);
    c.Up(4);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_LUP, SPN_LCLICK, SPN_CLICKSAME});
    CHECK(GetCapture() != c.hWnd);
    CHECK(c.slider.m_GetPos() == 0);
}

TEST_CASE("slider: a press on the channel grabs the thumb to the pointer")
{
    SSliderCase c;
    c.Down(54);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_GRAB});
    const SSLIDERNOTIFY* grab = c.host.m_Last(SPN_GRAB);
    REQUIRE(grab);
    CHECK(grab->position == 50);
    CHECK(grab->part == SLIDER_PART_CHANNEL);
    CHECK(c.slider.m_GetPos() == 50);
    CHECK(GetCapture() == c.hWnd);
    c.Up(54);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_GRAB, SPN_LUP, SPN_LCLICK, SPN_CLICKSAME});
    CHECK(GetCapture() != c.hWnd);
}

TEST_CASE("slider: a drag follows the pointer from 2 pixels on, once per new value")
{
    SSliderCase c;
    c.Down(4);
    c.Move(5);  // 1 pixel: nothing moves
    CHECK(c.slider.m_GetThumbX() == 0);
    CHECK(c.host.m_Last(SPN_GRAB) == nullptr);
    c.Move(6);
    c.Move(6, 14);  // only vertical: no new value
    c.Move(30);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_GRAB, SPN_GRAB});
    CHECK(c.host.m_Last(SPN_GRAB)->position == 26);
    CHECK(c.host.m_Last(SPN_GRAB)->moved == 1);

    c.slider.m_SetPos(80);  // the user's drag wins
    CHECK(c.slider.m_GetPos() == 26);

    c.host.m_Clear();
    c.Up(300);  // released outside: no click, not where it was pressed
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LUP});
    CHECK(c.host.m_Last(SPN_LUP)->moved == 0);

    c.slider.m_SetPos(-1);
    CHECK(c.slider.m_GetPos() == 100);
    CHECK(c.slider.m_GetThumbX() == c.slider.m_GetTravel());
    c.slider.m_SetPos(5000);
    CHECK(c.slider.m_GetPos() == 100);
}

TEST_CASE("slider: a double click counts as a second press")
{
    SSliderCase c;
    c.Down(4);
    c.Up(4);
    m_Mouse(c.hWnd, WM_LBUTTONDBLCLK, 4, 10, MK_LBUTTON);
    c.Up(4);
    const Codes once = {SPN_LDOWN, SPN_LUP, SPN_LCLICK, SPN_CLICKSAME};
    Codes twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    CHECK(c.host.m_SliderCodes() == twice);
}

TEST_CASE("slider: hover reports each new value once, -1 on the thumb")
{
    SSliderCase c;
    c.Move(54);
    c.Move(54, 15);
    c.Move(3);  // over the thumb
    c.Move(2);
    REQUIRE(c.host.m_SliderCodes() == Codes{SPN_MOVE, SPN_MOVE});
    CHECK(c.host.m_Commands[0].slider.position == 50);
    CHECK(c.host.m_Commands[0].slider.part == SLIDER_PART_CHANNEL);
    CHECK(c.host.m_Commands[1].slider.position == -1);
    CHECK(c.host.m_Commands[0].id == 33070);

    c.host.m_Clear();
    SendMessageW(c.hWnd, WM_MOUSELEAVE, 0, 0);
    REQUIRE(c.host.m_SliderCodes() == Codes{SPN_LEAVE});
    CHECK(c.host.m_Commands[0].slider.position == -1);
    CHECK(c.host.m_Commands[0].slider.part == SLIDER_PART_NONE);
}

TEST_CASE("slider: right and middle buttons")
{
    struct {
        UINT down, up;
        Codes inside, outside;
    } cases[] = {
        {WM_RBUTTONDOWN, WM_RBUTTONUP, {SPN_RDOWN, SPN_RUP, SPN_RCLICK}, {SPN_RDOWN, SPN_RUP}},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, {SPN_MDOWN, SPN_MUP, SPN_MCLICK}, {SPN_MDOWN, SPN_MUP}},
    };
    for (const auto& k : cases) {
        SSliderCase c;
        m_Mouse(c.hWnd, k.down, 50, 10);
        CHECK(GetCapture() == c.hWnd);
        m_Mouse(c.hWnd, k.up, 50, 10);
        CHECK(c.host.m_SliderCodes() == k.inside);
        c.host.m_Clear();
        m_Mouse(c.hWnd, k.down, 50, 10);
        m_Mouse(c.hWnd, k.up, 50, 40);
        CHECK(c.host.m_SliderCodes() == k.outside);
        CHECK(GetCapture() != c.hWnd);
        m_Mouse(c.hWnd, k.up, 50, 10);  // no press: nothing
        CHECK(c.host.m_SliderCodes() == k.outside);
    }
}

TEST_CASE("slider: a disabled bar reports with the disabled flag; a notice block silences it")
{
    SSliderCase c;
    c.slider.m_SetEnable(0);
    c.Down(54);
    c.Up(54);
    REQUIRE(!c.host.m_Commands.empty());
    for (const auto& r : c.host.m_Commands) CHECK(r.slider.disabled == 1);

    SSliderCase b;
    b.slider.m_SetNotifyBlock(1);
    b.Move(30);
    b.Down(54);
    b.Move(70);
    b.Up(70);
    m_Mouse(b.hWnd, WM_RBUTTONDOWN, 50, 10);
    m_Mouse(b.hWnd, WM_RBUTTONUP, 50, 10);
    CHECK(b.host.m_SliderCodes().empty());
    CHECK(b.slider.m_GetPos() == 0);
}

TEST_CASE("slider: presses are blocked for 100 ms, and a blocked release frees the mouse")
{
    SSliderCase c;
    c.slider.m_BlockInput();
    c.Down(54);
    m_Mouse(c.hWnd, WM_RBUTTONDOWN, 54, 10);
    CHECK(c.host.m_SliderCodes().empty());
    m_Pump(160);
    c.Down(54);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_GRAB});

    // The block arrives while the button is held: the release sends
    // nothing, yet must not leave the mouse captured or the drag running.
    c.host.m_Clear();
    c.slider.m_BlockInput();
    c.Up(54);
    CHECK(c.host.m_SliderCodes().empty());
    CHECK(GetCapture() != c.hWnd);
    c.Move(90);
    CHECK(c.slider.m_GetPos() == 50);

    c.slider.m_SetNotifyBlock(0);
    m_Pump(160);
    c.Down(54);
    c.slider.m_SetNotifyBlock(1);
    c.Up(54);
    CHECK(GetCapture() != c.hWnd);
}

TEST_CASE("slider: a zero range or a zero travel gives value 0 instead of dividing by zero")
{
    SUBCASE("range 0")
    {
        SSliderCase c;
        c.slider.m_SetRange(0, 1);
        c.slider.m_SetSelection(0, 0);
        c.slider.m_SetSubPos(10, 1);
        c.slider.m_SetLevelMark(5);
        c.Move(60);
        c.Down(60);
        REQUIRE(c.host.m_Last(SPN_GRAB));
        CHECK(c.host.m_Last(SPN_GRAB)->position == 0);
        CHECK(c.slider.m_GetPos() == 0);
        CHECK(c.slider.m_GetImage()->m_IsValid());
    }
    for (int width : {9, 5}) {
        CAPTURE(width);
        SSliderCase c(width);
        // A thumb inset leaves room above it to press the channel.
        c.slider.m_SetThumbSize(9, 5);
        SendMessageW(c.hWnd, WM_SIZE, 0, MAKELPARAM(width, 20));
        CHECK(c.slider.m_GetTravel() == 0);
        c.slider.m_SetPos(70);
        c.Move(3, 2);
        c.Down(3, 2);
        c.Move(8, 2);
        c.Up(8, 2);
        REQUIRE(c.host.m_Last(SPN_MOVE));
        CHECK(c.host.m_Last(SPN_MOVE)->position == 0);
        REQUIRE(c.host.m_Last(SPN_GRAB));
        CHECK(c.host.m_Last(SPN_GRAB)->position == 0);
        CHECK(c.slider.m_GetPos() == 0);
        CHECK(c.slider.m_GetImage()->m_IsValid());
    }
}

TEST_CASE("slider: the seek bar and the volume slider keep their own last value")
{
    CTestHost host;
    CSliderPlus seek, volume;
    HWND a = seek.m_Create(host.m_hWnd, 33070);
    HWND b = volume.m_Create(host.m_hWnd, 33071);
    MoveWindow(a, 0, 0, 109, 20, FALSE);
    MoveWindow(b, 0, 30, 109, 20, FALSE);
    seek.m_SetRange(100, 0);
    volume.m_SetRange(100, 0);

    m_Mouse(a, WM_LBUTTONDOWN, 54, 10, MK_LBUTTON);  // seek grabs 50
    m_Mouse(b, WM_MOUSEMOVE, 34, 10);                // volume hovered at 30
    m_Mouse(a, WM_MOUSEMOVE, 34, 10);                // seek dragged to 30
    REQUIRE(host.m_Commands.size() == 4u);
    CHECK(host.m_Commands[2].id == 33071);
    CHECK(host.m_Commands[2].slider.position == 30);
    CHECK(host.m_Commands[3].id == 33070);
    CHECK(host.m_Commands[3].slider.code == SPN_GRAB);
    CHECK(host.m_Commands[3].slider.position == 30);
    m_Mouse(a, WM_LBUTTONUP, 34, 10);
}

TEST_CASE("slider: marks under the pointer")
{
    SSliderCase c;
    const int chapters[] = {0, 25, 50, 75};
    c.slider.m_SetChapters(4, chapters, nullptr, 1);
    for (int i = 1; i < 4; ++i) {
        const RECT* r = c.slider.m_GetChapterRect(i);
        REQUIRE(r);
        CHECK(c.slider.m_HitTest({r->left, 10}) == 300 + i);
    }

    SPLAYRANGEITEM ranges[2] = {{10, 60, L"a"}, {40, -1, L"b"}};
    c.slider.m_SetPlayRanges(ranges, 2, 1);
    c.slider.m_SetHighlight(SLIDER_HL_RANGE, 0);  // shows the range marks
    const RECT* r1 = c.slider.m_GetRangeRect(1);
    REQUIRE(r1);
    CHECK(r1->right == c.slider.m_GetChannelRect().right - 1);
    CHECK(c.slider.m_HitTest({50, 16}) == 401);  // of overlapping ranges, the last
    CHECK(c.slider.m_HitTest({20, 16}) == 400);

    SMARKERITEM markers[1] = {{30, L"m"}};
    c.slider.m_SetMarkers(markers, 1, 1);
    CHECK(c.slider.m_HitTest({34, 4}) == 200);  // marker marks hidden
    c.slider.m_SetHighlight(SLIDER_HL_MARKER, 0);
    CHECK(c.slider.m_HitTest({34, 4}) == 500);
    CHECK(c.slider.m_HitTest({34, 40}) == 0);  // outside the client area

    // A press on a marker is reported but grabs nothing.
    c.Down(34, 4);
    c.Up(34, 4);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_LUP, SPN_LCLICK});
    CHECK(c.host.m_Last(SPN_LDOWN)->part == SLIDER_PART_MARKER);
    CHECK(c.slider.m_GetPos() == 0);

    // A press on a chapter mark grabs like the channel.
    c.host.m_Clear();
    const RECT* ch = c.slider.m_GetChapterRect(2);
    c.Down(ch->left, 10);
    CHECK(c.host.m_SliderCodes() == Codes{SPN_LDOWN, SPN_GRAB});
    CHECK(c.host.m_Last(SPN_LDOWN)->part == SLIDER_PART_CHAPTER);
    CHECK(c.host.m_Last(SPN_LDOWN)->index == 2);
    c.Up(ch->left, 10);
}

TEST_CASE("slider: one chapter draws and hits no mark; marks beyond the capacity are dropped")
{
    SSliderCase c;
    const int one[] = {0};
    c.slider.m_SetChapters(1, one, nullptr, 1);
    CHECK(c.slider.m_HitTest({4, 10}) == 200);
    std::vector<int> many(500);
    for (int i = 0; i < 500; ++i) many[i] = i / 5;
    c.slider.m_SetChapters(500, many.data(), nullptr, 1);
    CHECK(c.slider.m_GetChapterRect(kSliderChapterCap - 1) != nullptr);
    CHECK(c.slider.m_GetChapterRect(kSliderChapterCap) == nullptr);
    // Crowded marks stay inside the channel.
    const RECT* last = c.slider.m_GetChapterRect(kSliderChapterCap - 1);
    CHECK(last->right <= c.slider.m_GetChannelRect().right);
}

TEST_CASE("slider: auto-hide keeps the thumb for a selection; fades run on timers")
{
    SSliderCase c;
    c.slider.m_SetAutoHide(1, 0);  // pointer not inside: hidden
    CHECK(c.slider.m_GetThumbAlpha() == 0);
    c.slider.m_SetSelection(10, 50);
    CHECK(c.slider.m_GetThumbAlpha() == 255);
    c.Move(60);
    SendMessageW(c.hWnd, WM_MOUSELEAVE, 0, 0);
    CHECK(c.slider.m_GetThumbAlpha() == 255);
    c.slider.m_SetSelection(-1, -1);
    CHECK(c.slider.m_GetThumbAlpha() == 0);

    // On a visible bar hiding and showing fade over the timers' ticks.
    SSliderCase v;
    ShowWindow(v.host.m_hWnd, SW_SHOWNOACTIVATE);
    v.slider.m_SetThumbVisible(0, 1, 1);
    CHECK(v.slider.m_GetThumbAlpha() == 255 - 43);
    m_Pump(250);
    CHECK(v.slider.m_GetThumbAlpha() == 0);
    v.slider.m_SetThumbVisible(1, 1, 1);
    CHECK(v.slider.m_GetThumbAlpha() == 64);
    m_Pump(250);
    CHECK(v.slider.m_GetThumbAlpha() == 255);
}

TEST_CASE("slider: the composed picture follows the colours, the position and the enable state")
{
    SSliderCase c;
    c.slider.m_UpdateBackColor(RGB(240, 240, 240));
    c.slider.m_SetAccentColor(RGB(255, 0, 0));
    c.slider.m_SetPos(50);
    const ARGB base = 0xFFF0F0F0, frame = 0xFFA0A0A0, fill = 0xFFD8D8D8, accent = 0xFFFF0000;
    struct {
        int x, y;
        ARGB enabled, disabled;
    } points[] = {
        {2, 2, base, base},      // background
        {20, 8, frame, frame},   // channel frame
        {20, 10, accent, fill},  // inner channel left of the position
        {95, 10, fill, fill},    // right of it
    };
    const CArgbImage* img = c.slider.m_GetImage();
    REQUIRE(img->m_IsValid());
    for (const auto& p : points) CHECK(Pixel(img, p.x, p.y) == p.enabled);
    c.slider.m_SetEnable(0);
    img = c.slider.m_GetImage();
    for (const auto& p : points) CHECK(Pixel(img, p.x, p.y) == p.disabled);
}
