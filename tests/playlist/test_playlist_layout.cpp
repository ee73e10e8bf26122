#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <math.h>

#include "playlist/PlaylistSplit.h"

TEST_CASE("the split from the fitted ratio")
{
    struct Case {
        const char* what;
        SSPLITNEEDS n;
        int mode, prevS;
        double ratio;
        int S;
        double ratioAfter;
    };
    // H, Nt, Ns, A, hideable.
    const Case cases[] = {
        {"fits, half the spare", {400, 100, 60, 23, 0}, 1, 0, 0.5, 180, 0.5},
        {"fits, ratio 0: the sub-list's need", {400, 100, 60, 23, 0}, 1, 0, 0.0, 60, 0.0},
        {"fits, ratio 1: what the tracks leave", {400, 100, 60, 23, 0}, 1, 0, 1.0, 300, 1.0},
        {"ratio 5 is held at 1", {400, 100, 60, 23, 0}, 1, 0, 5.0, 300, 1.0},
        {"ratio -1 is held at 0", {400, 100, 60, 23, 0}, 1, 0, -1.0, 60, 0.0},
        {"ratio NaN is taken as 0", {400, 100, 60, 23, 0}, 1, 0, NAN, 60, 0.0},
        {"exact fit", {160, 100, 60, 23, 0}, 1, 0, 0.7, 60, 0.7},
        {"no fit, small sub-list keeps its need", {200, 500, 60, 23, 0}, 1, 0, 0.5, 60, 0.5},
        {"no fit, sub-list past half", {200, 500, 150, 23, 0}, 1, 0, 0.5, 100, 0.5},
        {"no fit, small track list keeps its need", {200, 60, 500, 23, 0}, 1, 0, 0.5, 140, 0.5},
        {"no fit, track list past half", {200, 150, 500, 23, 0}, 1, 0, 0.5, 100, 0.5},
        {"no fit, equal needs", {200, 150, 150, 23, 0}, 1, 0, 0.5, 100, 0.5},
        {"both too tall: half, truncated", {201, 300, 300, 23, 0}, 2, 0, 0.5, 100, 0.5},
        {"hideable at ratio 0 without fit goes", {200, 300, 60, 23, 1}, 1, 0, 0.005, 0, 0.0},
        {"hideable at a ratio stays", {200, 300, 60, 23, 1}, 1, 0, 0.5, 60, 0.5},
        {"hideable that fits stays", {400, 100, 60, 23, 1}, 1, 0, 0.0, 60, 0.0},
        {"mode 3 collapses an unchanged split", {200, 500, 60, 23, 0}, 3, 60, 1.0, 23, 1.0},
        {"mode 3 keeps a changed split", {200, 500, 60, 23, 0}, 3, 90, 1.0, 60, 1.0},
        {"mode 1 never collapses", {200, 500, 60, 23, 0}, 1, 60, 1.0, 60, 1.0},
        {"mode 3 with a fit never collapses", {400, 100, 60, 23, 0}, 3, 60, 0.0, 60, 0.0},
        {"mode 3 at half does not collapse", {200, 500, 150, 23, 0}, 3, 100, 0.0, 100, 0.0},
        {"no pane height", {0, 100, 60, 23, 0}, 1, 0, 0.4, 0, 0.4},
        {"negative pane height", {-30, 100, 60, 23, 0}, 1, 0, 0.4, 0, 0.4},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        double ratio = c.ratio;
        CHECK(m_Split_SubHeight(c.n, c.mode, c.prevS, &ratio) == c.S);
        CHECK(ratio == doctest::Approx(c.ratioAfter));
    }
}

TEST_CASE("what the sub-list needs")
{
    // Row height 20, header 24, padding 1, tab strip 23.
    CHECK(m_Split_SubNeed(20, 24, 1, 23, 0, 0) == 23);
    CHECK(m_Split_SubNeed(20, 24, 1, 23, 1, 1) == 23);  // one chapter counts as none
    CHECK(m_Split_SubNeed(20, 24, 1, 23, 1, 0) == 68);  // one range does not
    CHECK(m_Split_SubNeed(20, 24, 1, 23, 3, 1) == 108);
    CHECK(m_Split_SubNeed(20, 24, 1, 0, 0, 1) == 0);
    CHECK(m_Split_TrackNeed(20, 24, 1, 5) == 125);
    CHECK(m_Split_TrackNeed(20, 24, 1, 0) == 25);
}

TEST_CASE("the fitted ratio of a split the user chose")
{
    const SSPLITNEEDS fits = {400, 100, 60, 23, 0};
    CHECK(m_Split_RatioFor(fits, 180, 0.0) == doctest::Approx(0.5));
    CHECK(m_Split_RatioFor(fits, 20, 0.3) == 0.0);   // above the need only
    CHECK(m_Split_RatioFor(fits, 400, 0.3) == 1.0);  // held within 0..1
    // Whatever the user chose, the ratio gives the same split back.
    for (int S : {60, 100, 177, 300}) {
        double ratio = m_Split_RatioFor(fits, S, 0.0);
        CHECK(m_Split_SubHeight(fits, 1, 0, &ratio) == S);
    }
    // No fit: the share of the overflow.
    const SSPLITNEEDS tall = {200, 500, 60, 23, 0};
    CHECK(m_Split_RatioFor(tall, 60, 0.0) == doctest::Approx(1.0));
    CHECK(m_Split_RatioFor(tall, 24, 0.0) == doctest::Approx(0.9));
    // An exact fit leaves nothing to share: the ratio stays a number.
    const SSPLITNEEDS exact = {160, 100, 60, 23, 0};
    CHECK(m_Split_RatioFor(exact, 80, 0.42) == doctest::Approx(0.42));
    // So does a pane squeezed to nothing.
    const SSPLITNEEDS squeezed = {0, 100, 60, 23, 0}, negative = {-30, 100, 60, 23, 0};
    CHECK(m_Split_RatioFor(squeezed, 0, 0.42) == doctest::Approx(0.42));
    CHECK(m_Split_RatioFor(negative, 0, 0.42) == doctest::Approx(0.42));
    // A hideable sub-list at ratio 0 shares what the tracks leave.
    const SSPLITNEEDS hideable = {200, 150, 60, 23, 1};
    CHECK(m_Split_RatioFor(hideable, 25, 0.0) == doctest::Approx(0.5));
    const SSPLITNEEDS hideableExact = {150, 150, 60, 23, 1};
    CHECK(m_Split_RatioFor(hideableExact, 25, 0.0) == 0.0);
}

TEST_CASE("the plain ratio is kept without a pane")
{
    CHECK(m_Split_PlainRatio(50, 200, 0.1) == doctest::Approx(0.25));
    CHECK(m_Split_PlainRatio(50, 0, 0.1) == doctest::Approx(0.1));
    CHECK(m_Split_PlainRatio(50, -8, 0.1) == doctest::Approx(0.1));
    CHECK(m_Split_PlainRatio(300, 200, 0.1) == 1.0);
    CHECK(m_Split_PlainRatio(10, 0, NAN) == 0.0);
}

TEST_CASE("tab widths shrink from the widest and grow from the narrowest")
{
    struct Case {
        const char* what;
        int natural[3], reference, minimum, room;
        int out[3];
    };
    const Case cases[] = {
        {"room for three widest", {100, 80, 90}, 95, 40, 300, {100, 100, 100}},
        {"the reference is the widest", {60, 50, 70}, 95, 40, 285, {95, 95, 95}},
        {"shrink, ties from the earlier", {100, 80, 90}, 95, 40, 250, {85, 80, 85}},
        {"shrink stops at the minimum", {100, 100, 100}, 95, 40, 60, {40, 40, 40}},
        {"grow, ties from the earlier", {60, 50, 70}, 95, 40, 200, {65, 65, 70}},
        {"grow by one", {60, 50, 70}, 95, 40, 181, {60, 51, 70}},
        {"natural widths fit exactly", {60, 50, 70}, 95, 40, 180, {60, 50, 70}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        int out[3];
        m_Tabs_FitWidths(c.natural, c.reference, c.minimum, c.room, out);
        CHECK(out[0] == c.out[0]);
        CHECK(out[1] == c.out[1]);
        CHECK(out[2] == c.out[2]);
    }
}

TEST_CASE("column shares and widths")
{
    struct Case {
        double in[2], out[2];
    };
    const Case cases[] = {
        {{75, 20}, {75, 20}},  {{5, 200}, {20, 80}}, {{NAN, NAN}, {75, 20}},
        {{150, 10}, {100, 0}}, {{-5, -5}, {20, 0}},  {{19.9, 50}, {20, 50}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.in[0]);
        CAPTURE(c.in[1]);
        double out[2];
        m_Columns_ClampRatios(c.in, out);
        CHECK(out[0] == doctest::Approx(c.out[0]));
        CHECK(out[1] == doctest::Approx(c.out[1]));
    }
    int widths[2];
    const double shares[2] = {75, 20};
    m_Columns_FromRatios(401, shares, widths);
    CHECK(widths[0] == 301);
    CHECK(widths[1] == 80);
    const double low[2] = {5, 20};
    m_Columns_FromRatios(400, low, widths);
    CHECK(widths[0] == 80);  // never below a fifth
    // The time column: margins of 10 at 200 %, 2, the text; at least 40 at 100 %.
    CHECK(m_Columns_TimeWidth(50, 100) == 57);
    CHECK(m_Columns_TimeWidth(0, 100) == 40);
    CHECK(m_Columns_TimeWidth(50, 200) == 80);
    CHECK(m_Columns_TimeWidth(90, 200) == 102);
}

TEST_CASE("row height never below the check image")
{
    struct Case {
        int dpi, percent, check, rows;
    };
    const Case cases[] = {
        {100, 100, 16, 19}, {200, 100, 32, 38}, {150, 100, 24, 29},
        {100, 200, 16, 38}, {100, 999, 16, 38}, {100, 50, 16, 16},
        {100, 0, 16, 16},   {200, 60, 32, 32},  {100, 150, 40, 40},
    };
    for (const Case& c : cases) {
        CAPTURE(c.dpi);
        CAPTURE(c.percent);
        CHECK(m_Rows_Height(c.dpi, c.percent, c.check) == c.rows);
    }
    CHECK(m_Rows_CellEdge(32, 100) == 16);
    CHECK(m_Rows_CellEdge(32, 150) == 24);
    CHECK(m_Rows_CellEdge(1, 100) == 1);
}

TEST_CASE("loading bars and DPI stay in range")
{
    CHECK(m_Playlist_LoadingBars(12, 6) == 4);
    CHECK(m_Playlist_LoadingBars(12, 0) == 7);
    CHECK(m_Playlist_LoadingBars(12, 12) == 1);
    CHECK(m_Playlist_LoadingBars(5, 12) == 1);  // the list shrank under the scan
    CHECK(m_Playlist_LoadingBars(0, 0) == 1);
    CHECK(m_Playlist_ClampDpi(150) == 150);
    CHECK(m_Playlist_ClampDpi(521) == 500);
    CHECK(m_Playlist_ClampDpi(30) == 50);
    CHECK(m_Playlist_ClampDpi(0) == 100);
}

TEST_CASE("a DPI change keeps the pointer's place, or centres across monitors")
{
    SPLAYLISTDPIMOVE in = {};
    in.Window = SIZE{600, 450};
    in.Now = RECT{100, 100, 500, 400};
    in.Pointer = POINT{200, 250};
    in.Fx = 0.25;
    in.Fy = 0.5;
    struct Case {
        const char* what;
        POINT pointer;
        RECT monitorNew;
        RECT window;
        POINT after;
        int follow;
    };
    const RECT same = {0, 0, 1920, 1080};
    const Case cases[] = {
        {"same monitor", {200, 250}, same, {50, 25, 650, 475}, {200, 250}, 1},
        {"pointer away: the centre stays", {900, 900}, same, {0, 25, 600, 475}, {300, 250}, 0},
        {"monitor to the right",
         {200, 250},
         {1920, 0, 3840, 1080},
         {2000, 25, 2600, 475},
         {2150, 250},
         1},
        {"monitor below", {200, 250}, {0, 1080, 1920, 2160}, {50, 100, 650, 550}, {200, 325}, 1},
    };
    for (const Case& c : cases) {
        CAPTURE(c.what);
        in.Pointer = c.pointer;
        in.Suggested = RECT{2000, 100, 2600, 550};
        if (c.monitorNew.top == 1080) in.Suggested = RECT{0, 100, 600, 550};
        in.MonitorOld = same;
        in.MonitorNew = c.monitorNew;
        RECT window;
        POINT after;
        CHECK(m_Playlist_DpiMove(in, &window, &after) == c.follow);
        CHECK(window.left == c.window.left);
        CHECK(window.top == c.window.top);
        CHECK(window.right == c.window.right);
        CHECK(window.bottom == c.window.bottom);
        CHECK(after.x == c.after.x);
        CHECK(after.y == c.after.y);
    }
    // Without a suggested rectangle the monitors are not looked at.
    in.Pointer = POINT{200, 250};
    in.Suggested = RECT{};
    in.MonitorNew = RECT{};
    RECT window;
    POINT after;
    m_Playlist_DpiMove(in, &window, &after);
    CHECK(window.left == 50);
    CHECK(window.top == 25);
}
