#include <doctest/doctest.h>

#include <initializer_list>

#include "app/Layout.h"
#include "app/LayoutAnchor.h"
#include "app/LayoutSnap.h"

namespace {

// Unframed metrics at 100 %: 28-pixel buttons, no spacing.
SROWMETRICS Flat()
{
    SROWMETRICS m = {};
    m.nButtonWidth = 28;
    m.nButtonHeight = 28;
    m.nGap = 1;
    m.nSeparator = 1;
    m.nSeekGapLeft = 4;
    m.nSeekGapRight = 2;
    m.nVolumeWidth = 58;
    m.nVolumeGap = 2;
    m.nRightInset = 2;
    return m;
}

SBUTTONORDER Order(std::initializer_list<int> codes)
{
    SBUTTONORDER o = {};
    for (int c : codes) o.nCodes[o.nCount++] = c;
    return o;
}

SBUTTONORDER DefaultOrder()
{
    return Order(
        {1, 255, 2, 255, 4, 5, 6, 7, 255, 20, 26, 27, 255, 18, 23, 24, 25, 17, 255, 193, 194, 195});
}

}  // namespace

TEST_CASE("button codes name the control buttons; gaps and unknown codes name none")
{
    CHECK(m_ButtonIdFromCode(1) == 32969);
    CHECK(m_ButtonIdFromCode(2) == 32970);
    CHECK(m_ButtonIdFromCode(28) == 32985);
    CHECK(m_ButtonIdFromCode(193) == 32986);
    CHECK(m_ButtonIdFromCode(198) == 32991);
    for (int code : {0, 3, 8, 22, 29, 192, 199, 254, 255}) CHECK(m_ButtonIdFromCode(code) == 0);
}

TEST_CASE("row width counts buttons, gaps and separators; unknown codes take no room")
{
    SROWMETRICS m = Flat();
    SBUTTONORDER def = DefaultOrder();
    int n = 0;
    // 17 buttons and 5 separators.
    CHECK(m_GetButtonRowWidth(&def, &m, 100000, def.nCount, &n) == 17 * 28 + 5);
    CHECK(n == 22);
    SBUTTONORDER odd = Order({2, 3, 254, 8, 7});
    CHECK(m_GetButtonRowWidth(&odd, &m, 100000, 5, &n) == 28 + 1 + 28);
    // Only the slots that fit, and never more than asked.
    CHECK(m_GetButtonRowWidth(&def, &m, 60, def.nCount, &n) == 28 + 1 + 28 + 1);
    CHECK(n == 4);
    CHECK(m_GetButtonRowWidth(&def, &m, 100000, 2, &n) == 29);
    CHECK(m_GetButtonRowWidth(&def, &m, 0, 5, &n) == 0);
    CHECK(n == 0);
    CHECK(m_GetButtonRowWidth(&def, &m, 100, -1, &n) == 0);
    // The framed style adds the spacing after buttons and separators.
    m.nSpacing = 1;
    SBUTTONORDER three = Order({2, 255, 254});
    CHECK(m_GetButtonRowWidth(&three, &m, 1000, 3, &n) == 29 + 2 + 1);
}

TEST_CASE("extra button width is odd and at least 9")
{
    SROWMETRICS m = Flat();
    CHECK(m_ExtraButtonWidth(&m) == 13);  // 28 / 2.18 = 12.8 -> 13
    m.nButtonWidth = 30;                  // 13.76 -> 14 -> 15
    CHECK(m_ExtraButtonWidth(&m) == 15);
    m.nButtonWidth = 10;
    CHECK(m_ExtraButtonWidth(&m) == 9);
}

TEST_CASE("button row: wide, narrow, expanded and with an inline seek bar")
{
    SROWMETRICS m = Flat();
    SBUTTONORDER def = DefaultOrder();
    const int A = 17 * 28 + 5, R = 2 + 58 + 28 + 2;
    SROWINPUT in = {};
    in.nHeight = 28;
    SROWLAYOUT out;

    SUBCASE("wide enough: all buttons, no extra button")
    {
        in.nWidth = A + R + 10;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK_FALSE(out.bOverflow);
        CHECK(out.rcButtons.right == A);
        CHECK(IsRectEmpty(&out.rcSeek));
        CHECK(out.rcVolumeButton.left == in.nWidth - R);
        CHECK(out.rcVolumeSlider.right == in.nWidth - 2);
        CHECK(out.rcVolumeSlider.left == in.nWidth - 60);
        CHECK(out.nHiddenSlots == 0);
    }
    SUBCASE("too narrow: the extra button follows the last slot that fits")
    {
        in.nWidth = 300;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK(out.bOverflow);
        int n = 0;
        int room = 300 - 13 - R - 1 - 4 - 2;
        int shown = m_GetButtonRowWidth(&def, &m, room, def.nCount, &n);
        CHECK(out.rcButtons.right == shown);
        CHECK(out.rcExtra.left == shown);
        CHECK(out.rcExtra.right - out.rcExtra.left == 13);
        CHECK(out.rcExtra.right <= out.rcVolumeButton.left);
        CHECK(out.nExtraFrame == 0);
        CHECK(out.rcVolumeButton.left == 300 - R);
    }
    SUBCASE("expanded: the extra button at the right end, the volume hidden")
    {
        in.nWidth = 300;
        in.bExpanded = 1;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK(out.bOverflow);
        CHECK(out.rcExtra.right == 300);
        CHECK(out.nExtraFrame == 1);
        CHECK(out.nButtonLimit == 300 - 13 - 1);
        CHECK(IsRectEmpty(&out.rcVolumeButton));
        CHECK(IsRectEmpty(&out.rcVolumeSlider));
    }
    SUBCASE("inline seek bar takes what the buttons leave")
    {
        in.bSeekInline = 1;
        in.nSeekMinWidth = 13;
        in.nWidth = A + R + 200;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK_FALSE(out.bOverflow);
        int s = in.nWidth - A - 4 - 1 - R - 2;
        CHECK(out.rcSeek.right == in.nWidth - R - 2);
        CHECK(out.rcSeek.right - out.rcSeek.left == s);
        CHECK(out.rcGrip.right == out.rcSeek.left);
        CHECK(out.rcGrip.right - out.rcGrip.left == 5);
    }
    SUBCASE("hidden slots leave room for the inline seek bar")
    {
        in.bSeekInline = 1;
        in.nSeekMinWidth = 13;
        in.nHiddenSlots = 3;
        in.nWidth = A + R + 10;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK(out.bOverflow);
        CHECK(out.nHiddenSlots == 3);
        // The last three slots (custom buttons 1 to 3) stay hidden.
        CHECK(out.rcButtons.right == A - 3 * 28);
        CHECK(out.rcSeek.right - out.rcSeek.left == in.nWidth - (A - 84) - 13 - R - 7);
        CHECK(out.rcExtra.right <= out.rcGrip.left);
    }
    SUBCASE("dragging the seek edge wider drops slots and counts them")
    {
        in.bSeekInline = 1;
        in.nSeekMinWidth = 13;
        in.bDraggingSeek = 1;
        in.nSeekUserWidth = 200;
        in.nWidth = A + R + 100;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK(out.bOverflow);
        CHECK(out.nHiddenSlots > 0);
        CHECK(out.rcSeek.right - out.rcSeek.left >= 200);
        in.nSeekUserWidth = 20;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK_FALSE(out.bOverflow);
        CHECK(out.nHiddenSlots == 0);
    }
    SUBCASE("a stored hidden count without an inline seek bar hides nothing")
    {
        in.nHiddenSlots = 3;
        in.nWidth = A + R + 10;
        m_CalcControlBar(&def, &m, &in, &out);
        CHECK_FALSE(out.bOverflow);
        CHECK(out.rcButtons.right == A);
    }
}

TEST_CASE("sizing anchor by grip code")
{
    const int table[][2] = {{11, 12}, {15, 12}, {12, 9}, {17, 9}, {13, 6}, {16, 6}, {14, 3},
                            {18, 3},  {21, 4},  {22, 1}, {23, 8}, {24, 2}, {0, 0},  {19, 0}};
    for (const auto& row : table) {
        CAPTURE(row[0]);
        CHECK(m_GetSizingAnchor(row[0]) == row[1]);
    }
}

TEST_CASE("automatic anchor by free space, anchor points and placement")
{
    RECT work = {0, 0, 1000, 800};
    RECT nearTopLeft = {10, 10, 410, 310};  // free 600 x 500
    RECT nearBottomRight = {590, 490, 990, 790};
    RECT centred = {300, 250, 700, 550};
    CHECK(m_CalcAutoAnchor(&nearTopLeft, &work) == (ANCHOR_LEFT | ANCHOR_TOP));
    CHECK(m_CalcAutoAnchor(&nearBottomRight, &work) == (ANCHOR_RIGHT | ANCHOR_BOTTOM));
    CHECK(m_CalcAutoAnchor(&centred, &work) == 0);
    POINT p = m_AnchorPoint(&nearBottomRight, ANCHOR_RIGHT | ANCHOR_BOTTOM);
    CHECK(p.x == 990);
    CHECK(p.y == 790);
    RECT placed = m_PlaceAtAnchor(ANCHOR_RIGHT | ANCHOR_BOTTOM, p, 200, 100);
    CHECK(placed.left == 790);
    CHECK(placed.top == 690);
    // Centred axes keep the centre; odd halves round up.
    placed = m_PlaceAtAnchor(0, POINT{500, 400}, 201, 101);
    CHECK(placed.left == 399);
    CHECK(placed.top == 349);
}

TEST_CASE("aspect-locked drag sizing")
{
    SSIZINGIN in = {};
    in.nFrameW = 16;
    in.nFrameH = 100;
    in.dAspect = 16.0 / 9.0;
    in.rcWork = RECT{0, 0, 1920, 1040};
    in.nMinWidth = 136;

    SUBCASE("a right-edge drag derives the height from the width")
    {
        RECT rc = {100, 100, 100 + 16 + 640, 100 + 300};
        m_CalcSizingRect(&in, 22, &rc);
        CHECK(rc.left == 100);
        CHECK(rc.right - rc.left == 656);
        CHECK(rc.bottom - rc.top == 100 + 360);
    }
    SUBCASE("a top-left corner by height keeps the bottom-right corner")
    {
        in.nAnchor = m_GetSizingAnchor(11);
        RECT rc = {200, 200, 1000, 200 + 100 + 450};
        in.ptAnchor = m_AnchorPoint(&rc, in.nAnchor);
        m_CalcSizingRect(&in, 11, &rc);
        CHECK(rc.right == 1000);
        CHECK(rc.bottom == 750);
        CHECK(rc.right - rc.left == 16 + 800);
    }
    SUBCASE("never larger than the work area at the aspect")
    {
        RECT rc = {0, 0, 5000, 5000};
        m_CalcSizingRect(&in, 18, &rc);
        CHECK(rc.bottom - rc.top <= 1040);
        CHECK(rc.right - rc.left <= 1920);
        CHECK(rc.left >= 0);
        CHECK(rc.top >= 0);
        int videoW = rc.right - rc.left - 16, videoH = rc.bottom - rc.top - 100;
        CHECK(videoW == doctest::Approx(videoH * 16.0 / 9.0).epsilon(0.01));
    }
    SUBCASE("never smaller than the minimum")
    {
        RECT rc = {500, 500, 510, 510};
        m_CalcSizingRect(&in, 22, &rc);
        CHECK(rc.right - rc.left == 136);
        CHECK(rc.bottom - rc.top == 100 + 68);  // (136 - 16) / 1.78 + 0.5 rounded
    }
}

TEST_CASE("snapping to work areas and windows")
{
    SSNAPTARGETS list = {};
    RECT work = {0, 0, 1000, 800};
    RECT other = {600, 100, 900, 400};
    m_AddSnapTarget(&list, SNAP_AREA, &work);
    m_AddSnapTarget(&list, SNAP_WINDOW, &other);

    SUBCASE("a move within the distance lands on the area's edges, size kept")
    {
        RECT rc = {10, 790 - 200, 310, 790 + 5};
        CHECK(m_SnapRectToTargetsIn(&list, 16, &rc, 1, 1, 1, 1, 1));
        CHECK(rc.left == 0);
        CHECK(rc.bottom == 800);
        CHECK(rc.right - rc.left == 300);
    }
    SUBCASE("beside a window: facing sides meet and the tops line up")
    {
        RECT rc = {300, 105, 590, 300};
        CHECK(m_SnapRectToTargetsIn(&list, 16, &rc, 1, 1, 1, 1, 1));
        CHECK(rc.right == 600);
        CHECK(rc.top == 100);
    }
    SUBCASE("sizing moves only the flagged sides")
    {
        RECT rc = {10, 100, 990, 300};
        CHECK(m_SnapRectToTargetsIn(&list, 16, &rc, 0, 0, 0, 1, 0));
        CHECK(rc.left == 10);
        CHECK(rc.right == 1000);
    }
    SUBCASE("out of reach or exactly at the distance: nothing")
    {
        RECT rc = {16, 300, 200, 500};
        CHECK_FALSE(m_SnapRectToTargetsIn(&list, 16, &rc, 1, 1, 1, 1, 1));
        CHECK(rc.left == 16);
    }
    SUBCASE("equal distances: the earlier target wins")
    {
        SSNAPTARGETS two = {};
        RECT a = {0, 0, 1000, 800}, b = {20, 0, 1000, 800};
        m_AddSnapTarget(&two, SNAP_AREA, &a);
        m_AddSnapTarget(&two, SNAP_AREA, &b);
        RECT rc = {10, 100, 200, 300};
        m_SnapRectToTargetsIn(&two, 16, &rc, 1, 1, 0, 0, 0);
        CHECK(rc.left == 0);
    }
}

TEST_CASE("snapped sides of a sizing drag")
{
    CHECK(m_SnapSidesForHit(HTRIGHT, 0) == 4);
    CHECK(m_SnapSidesForHit(HTTOPLEFT, 0) == 3);
    CHECK(m_SnapSidesForHit(HTBOTTOMRIGHT, 0) == 12);
    // Aspect hold: a left drag snaps left, top and bottom; a top drag
    // left, right and top.
    CHECK(m_SnapSidesForHit(HTLEFT, 1) == 1 + 2 + 8);
    CHECK(m_SnapSidesForHit(HTTOP, 1) == 1 + 4 + 2);
    CHECK(m_SnapSidesForHit(HTBOTTOMLEFT, 1) == 1 + 8);
}

TEST_CASE("soft limit pulls an overhang back with resistance, size kept")
{
    RECT bounds = {0, 0, 1000, 800};
    RECT rc = {-100, 10, 300, 210};  // 100 out of 400: 100 / (0.0625 x 0.3 + 1) = 98
    m_SoftLimitRect(&rc, &bounds);
    CHECK(rc.left == -98);
    CHECK(rc.right - rc.left == 400);
    RECT below = {10, 700, 110, 900};  // 100 out of 200: 100 / 1.075 = 93
    m_SoftLimitRect(&below, &bounds);
    CHECK(below.bottom == 893);
    RECT inside = {10, 10, 20, 20};
    m_SoftLimitRect(&inside, &bounds);
    CHECK(inside.left == 10);
}

TEST_CASE("size stops: FIT, the anchor's room, FULL and the box; the nearest within reach")
{
    RECT area = {0, 0, 1200, 600};  // the work area less the frame
    SSIZESTOPS stops;
    // Anchored left and top at (200, 100): the room is 1000 x 500 pixels.
    m_CalcSizeStops(&stops, &area, 16.0 / 9.0, 640, ANCHOR_LEFT | ANCHOR_TOP, POINT{200, 100},
                    SIZE{0, 0});
    // The area is wider than 16:9: the 16:9 box comes last.
    REQUIRE(stops.nCount == 4);
    CHECK(stops.items[3].nKind == SIZESTOP_BOX);
    CHECK(stops.items[0].nKind == SIZESTOP_FIT);
    CHECK(stops.items[0].nWidth == 1067);
    CHECK(stops.items[0].nHeight == 600);
    CHECK(stops.items[1].nKind == SIZESTOP_ANCHOR_ROOM);
    CHECK(stops.items[1].nWidth == 889);
    CHECK(stops.items[1].nHeight == 500);
    CHECK(stops.items[2].nKind == SIZESTOP_FULL);
    CHECK(stops.items[0].dFactor == doctest::Approx(1066.666667 / 640).epsilon(0.001));

    CHECK(m_NearestSizeStop(&stops, 880, 480, 8) == -1);
    CHECK(m_NearestSizeStop(&stops, 883, 480, 8) == 1);  // 6 pixels from its width
    CHECK(m_NearestSizeStop(&stops, 500, 599, 8) == 0);  // 1 pixel from its height

    // A drag that comes within reach of a stop takes it.
    SSIZINGIN in = {};
    in.dAspect = 16.0 / 9.0;
    in.rcWork = area;
    in.nMinWidth = 100;
    in.pStops = &stops;
    in.nStopDistance = 8;
    RECT rc = {0, 0, 884, 300};
    m_CalcSizingRect(&in, 22, &rc);
    CHECK(rc.right - rc.left == 889);
    CHECK(rc.bottom - rc.top == 500);
}

TEST_CASE("an axis spanning the work area is anchored by the saved place")
{
    // Saved on the left edge only, the right only, both with the playlist
    // on either side or none, and neither.
    CHECK(m_AnchorAxisFromSaved(0, 500, 0, 1000, 0, 1, 4) == 1);
    CHECK(m_AnchorAxisFromSaved(500, 1000, 0, 1000, 0, 1, 4) == 4);
    CHECK(m_AnchorAxisFromSaved(0, 1000, 0, 1000, -1, 1, 4) == 4);
    CHECK(m_AnchorAxisFromSaved(0, 1000, 0, 1000, 1, 1, 4) == 1);
    CHECK(m_AnchorAxisFromSaved(0, 1000, 0, 1000, 0, 1, 4) == 0);
    CHECK(m_AnchorAxisFromSaved(10, 900, 0, 1000, 0, 1, 4) == -1);
}
