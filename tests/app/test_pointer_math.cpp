// The arithmetic of the pointer code: input code names, the drag
// threshold, the wheel, drag-seek levels, the window moved by the pointer,
// the docked playlist's place, the still image's fit and the topmost rule.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "app/LayoutSnap.h"
#include "app/MouseCodes.h"
#include "app/PlaylistDock.h"
#include "app/PointerInput.h"
#include "app/WindowHelpers.h"
#include "settings/Settings.h"

namespace {

std::wstring Name(int code)
{
    wchar_t text[64];
    m_GetMouseCodeName(code, text, 64);
    return text;
}

std::wstring Text(const RECT& rc)
{
    return std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
           std::to_wstring(rc.right - rc.left) + L"x" + std::to_wstring(rc.bottom - rc.top);
}

}  // namespace

TEST_CASE("mouse codes have the names the binding editor shows, modifiers ignored")
{
    const struct {
        int code;
        const wchar_t* name;
    } cases[] = {
        {3, L"中央ボタン"},
        {4, L"ホイールアップ"},
        {7, L"サイドボタン２ (進む)"},
        {8, L"チルトホイールＬ"},
        {33, L"クリック(ビデオ領域)"},
        {37, L"ダブルクリック(タイトルバー)"},
        {49, L"ロッカージェスチャ(Ｌ←Ｒ)"},
        {50 | 0x300, L"ロッカージェスチャ(Ｌ→Ｒ)"},
        {193, L"カスタムボタン1"},
        {198, L"カスタムボタン6"},
        {209, L"カスタムボタン1 (Rボタン)"},
        {199, L""},
        {35, L""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.code);
        CHECK(Name(c.code) == c.name);
    }
    wchar_t small[4];
    CHECK(m_GetMouseCodeName(34, small, 4) == 1);
    CHECK(std::wstring(small) == L"ダブル");
}

TEST_CASE("middle and side buttons carry their code and hold key")
{
    CHECK(m_GetMouseButton(WM_MBUTTONUP, 0).nCode == 3);
    CHECK(m_GetMouseButton(WM_MBUTTONDOWN, 0).nHoldKey == 4);
    const SMOUSEBUTTON x1 = m_GetMouseButton(WM_XBUTTONDOWN, MAKEWPARAM(0, XBUTTON1));
    const SMOUSEBUTTON x2 = m_GetMouseButton(WM_XBUTTONDBLCLK, MAKEWPARAM(0, XBUTTON2));
    CHECK((x1.nCode == 6 && x1.nHoldKey == 5));
    CHECK((x2.nCode == 7 && x2.nHoldKey == 6));
    CHECK(m_GetMouseButton(WM_XBUTTONDOWN, MAKEWPARAM(0, 4)).nCode == 0);
    CHECK(m_GetMouseButton(WM_LBUTTONDOWN, 0).nCode == 0);
}

TEST_CASE("a press moved by the threshold or less is still a click")
{
    CHECK(m_DragThreshold(10, 100) == 10);
    CHECK(m_DragThreshold(10, 150) == 15);
    CHECK(m_DragThreshold(-3, 100) == 0);
    const POINT press = {100, 100};
    CHECK_FALSE(m_IsPastThreshold(press, POINT{110, 90}, 10));
    CHECK(m_IsPastThreshold(press, POINT{111, 100}, 10));
    CHECK(m_IsPastThreshold(press, POINT{100, 89}, 10));
}

TEST_CASE("a coarse wheel runs once per message, scaled steps when turned fast")
{
    SWHEELSTATE wheel = {};
    int steps = 0;
    CHECK(m_Wheel_Feed(&wheel, 120, 10000, &steps) == 1);
    CHECK(steps == 1);
    CHECK(m_Wheel_Feed(&wheel, -240, 10600, &steps) == 1);
    CHECK(steps == -2);
    // 50 ms later: round(100 / 50 x 1) = 2 steps, still one run.
    CHECK(m_Wheel_Feed(&wheel, 120, 10650, &steps) == 1);
    CHECK(steps == 2);
    // Faster than 5 ms counts as 5 ms.
    CHECK(m_Wheel_Feed(&wheel, 120, 10651, &steps) == 1);
    CHECK(steps == 20);
}

TEST_CASE("a fine wheel of 60 gathers one step per message and runs on every fifth")
{
    SWHEELSTATE wheel = {};
    int runs = 0, last = -1;
    DWORD now = 5000;
    for (int i = 1; i <= 10; ++i, now += 30) {
        if (m_Wheel_Feed(&wheel, 60, now, nullptr)) {
            ++runs;
            last = i;
        }
    }
    CHECK(runs == 2);
    CHECK(last == 10);
    // A turn the other way starts gathering afresh.
    m_Wheel_Feed(&wheel, 60, now, nullptr);
    m_Wheel_Feed(&wheel, 60, now + 30, nullptr);
    CHECK(wheel.nAccum == 2);
    m_Wheel_Feed(&wheel, -60, now + 60, nullptr);
    CHECK(wheel.nAccum == -1);
    // Large fine deltas step by more: 250 / 5 = 50 -> 10 at once.
    SWHEELSTATE big = {};
    int steps = 0;
    CHECK(m_Wheel_Feed(&big, 250, 1000, &steps) == 1);
    CHECK(steps == 10);
    // Back to whole notches after a pause of more than 500 ms.
    CHECK(m_Wheel_Feed(&big, 120, 1600, &steps) == 1);
    CHECK(big.bFine == 0);
}

TEST_CASE("drag-seek levels and their steps and intervals")
{
    const struct {
        int dx, level;
    } levels[] = {{0, 0},  {7, 0},   {-7, 0},  {8, 1},   {38, 1},
                  {39, 2}, {-39, 2}, {255, 8}, {256, 9}, {2000, 9}};
    for (const auto& c : levels) {
        CAPTURE(c.dx);
        CHECK(m_DragSeek_Level(c.dx) == c.level);
    }
    const struct {
        int level, dx, keyFrames, step, interval;
    } timing[] = {
        {1, 20, 0, 1000, 250},  {1, 20, 1, 1000, 400},   {9, 300, 0, 30000, 50},
        {9, 300, 1, 15000, 20}, {1, -20, 0, -1000, 250},
    };
    for (const auto& c : timing) {
        CAPTURE(c.level);
        CAPTURE(c.keyFrames);
        int step = 0, interval = 0;
        m_DragSeek_Timing(c.level, c.dx, c.keyFrames, &step, &interval);
        CHECK(step == c.step);
        CHECK(interval == c.interval);
    }
}

TEST_CASE("a window moved by the pointer follows it, held back at the edge and snapped")
{
    g_Settings.Common_Snap[0] = 1;
    g_Settings.Common_Snap[1] = 16;
    g_SnapTargets.nCount = 0;
    const RECT work = {0, 0, 1280, 760};
    m_AddSnapTarget(&g_SnapTargets, SNAP_AREA, &work);
    const RECT start = {100, 100, 500, 400};
    const POINT press = {300, 120};
    // Far from every edge: moved by the travel alone.
    CHECK(Text(m_DragMoveRect(&start, press, POINT{400, 220}, nullptr, 1)) == L"200,200,400x300");
    // 12 px from the left edge: snapped onto it, size kept.
    CHECK(Text(m_DragMoveRect(&start, press, POINT{212, 220}, nullptr, 1)) == L"0,200,400x300");
    // 17 px away it stays, and without snapping it is never pulled.
    CHECK(Text(m_DragMoveRect(&start, press, POINT{217, 220}, nullptr, 1)) == L"17,200,400x300");
    CHECK(Text(m_DragMoveRect(&start, press, POINT{212, 220}, nullptr, 0)) == L"12,200,400x300");
    // Past the bottom the soft limit pulls part of the overhang back.
    const RECT pulled = m_DragMoveRect(&start, press, POINT{400, 620}, &work, 0);
    CHECK(pulled.bottom > work.bottom);
    CHECK(pulled.bottom < 900);
    g_SnapTargets.nCount = 0;
}

TEST_CASE("the docked playlist flips to the other side or is pushed against the edge")
{
    const RECT work = {0, 0, 1280, 760};
    const RECT main = {700, 100, 1100, 400};
    int side = 0;
    // Right of the main window there is no room for 300: it goes left.
    CHECK(Text(m_DockRectInArea(&main, 300, 200, 3, 4, &work, 0, &side)) == L"396,100,300x300");
    CHECK(side == 1);
    // Kept on the right, it is pushed back against the work area's edge.
    CHECK(Text(m_DockRectInArea(&main, 300, 200, 3, 4, &work, 1, &side)) == L"980,100,300x300");
    CHECK(side == 3);
    // Room on the right: it stays there at the dock distance.
    CHECK(Text(m_DockRectInArea(&main, 150, 200, 3, 4, &work, 0, &side)) == L"1104,100,150x300");
    // Neither side has room: pushed against the edge it crossed.
    const RECT wide = {100, 100, 1200, 400};
    CHECK(Text(m_DockRectInArea(&wide, 300, 200, 1, 0, &work, 0, &side)) == L"0,100,300x300");
    CHECK(side == 1);
    // Below the window with no room: above it, the main width and its own height.
    const RECT low = {100, 500, 600, 700};
    CHECK(Text(m_DockRectInArea(&low, 300, 200, 4, 0, &work, 0, &side)) == L"100,300,500x200");
    CHECK(side == 2);
    // Sides other than 1..4 go right.
    CHECK(Text(m_DockRectInArea(&low, 100, 200, 9, 0, &work, 0, &side)) == L"600,500,100x200");
    CHECK(side == 3);
}

TEST_CASE("in full screen or a maximised window the playlist sits at the bottom right")
{
    const RECT area = {0, 0, 1280, 720};
    CHECK(Text(m_CornerRectInArea(&area, 300, 400, 8, 60)) == L"972,252,300x400");
    // Taller than the area less two gaps and the panel: cut to that.
    CHECK(Text(m_CornerRectInArea(&area, 300, 900, 8, 60)) == L"972,8,300x644");
}

TEST_CASE("a still image keeps its aspect and is centred with rounded bars")
{
    const RECT area = {0, 0, 800, 400};
    CHECK(Text(m_FitStillImage(SIZE{400, 300}, &area)) == L"134,0,533x400");
    const RECT tall = {10, 20, 410, 820};
    CHECK(Text(m_FitStillImage(SIZE{400, 300}, &tall)) == L"10,270,400x300");
    CHECK(IsRectEmpty(&area) == FALSE);
    const RECT none = m_FitStillImage(SIZE{0, 300}, &area);
    CHECK(IsRectEmpty(&none));
}

TEST_CASE("with PlyTop an on mode is applied only while a file plays")
{
    CHECK(m_TopMost_Effective(1, 1, 0) == 0);
    CHECK(m_TopMost_Effective(1, 1, 1) == 1);
    CHECK(m_TopMost_Effective(1, 0, 0) == 1);
    CHECK(m_TopMost_Effective(0, 0, 1) == 0);
}

TEST_CASE("the video clip texts: mode 2 shows the limit, unknown modes show OFF")
{
    CHECK(std::wstring(m_VideoClip_Text(0)) == L"VIDEO````CLIP : OFF");
    CHECK(std::wstring(m_VideoClip_Text(1)) == L"VIDEO````CLIP : ON");
    CHECK(std::wstring(m_VideoClip_Text(2)) == L"VIDEO````CLIP : ON```(LIMIT)");
    CHECK(std::wstring(m_VideoClip_Text(7)) == L"VIDEO````CLIP : OFF");
}

TEST_CASE("a border double click fits the video area to the ratio from the opposite side")
{
    const RECT window = {100, 100, 900, 600};  // video area 800 x 450 inside
    const SIZE area = {760, 380};
    const struct {
        int hit;
        double ratio;
        const wchar_t* want;
    } cases[] = {
        {HTRIGHT, 16.0 / 9.0, L"100,100,716x500"},       // width from the height: 676
        {HTLEFT, 16.0 / 9.0, L"184,100,716x500"},        // right edge stays
        {HTBOTTOM, 16.0 / 9.0, L"100,100,800x548"},      // height from the width: 428
        {HTTOP, 16.0 / 9.0, L"100,52,800x548"},          // bottom edge stays
        {HTBOTTOMRIGHT, 4.0 / 3.0, L"100,100,547x500"},  // too wide: width shrinks
        {HTTOPLEFT, 2.5, L"100,176,800x424"},            // too tall: height shrinks
        {HTBOTTOMRIGHT, 2.0, L"100,100,800x500"},        // already 2:1 within 0.005
    };
    for (const auto& c : cases) {
        CAPTURE(c.hit);
        CHECK(Text(m_BorderRatioRect(&window, area, c.hit, c.ratio)) == c.want);
    }
}

TEST_CASE("the drag-seek cursor is built again only for another level or DPI")
{
    const HCURSOR first = m_GetDragSeekCursor(3, 100);
    REQUIRE(first);
    CHECK(m_GetDragSeekCursor(3, 100) == first);
    const HCURSOR back = m_GetDragSeekCursor(-3, 100);
    CHECK(back);
    CHECK(back != first);
    CHECK(m_GetDragSeekCursor(-3, 150) != back);
    ICONINFO info = {};
    REQUIRE(GetIconInfo(m_GetDragSeekCursor(-3, 150), &info));
    CHECK(info.fIcon == FALSE);
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    CHECK(bitmap.bmWidth == 72);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
}

TEST_CASE("drag-resize turns vertical travel into the zoom of the displayed height")
{
    CHECK(m_DragResize_Zoom(360, 1.0, 2) == doctest::Approx(1.0));
    CHECK(m_DragResize_Zoom(360, 1.0, -2) == doctest::Approx(1.0));
    CHECK(m_DragResize_Zoom(360, 1.0, 90) == doctest::Approx(450.0 / 360));
    CHECK(m_DragResize_Zoom(360, 0.5, -60) == doctest::Approx(120.0 / 360));
    CHECK(m_DragResize_Zoom(360, 1.0, -1000) == doctest::Approx(1.0 / 360));
    CHECK(m_DragResize_Zoom(0, 1.5, 90) == doctest::Approx(1.5));
}
TEST_CASE("a drag-resize past the limit height grows the excess with the height")
{
    struct {
        int h0, dy, limit, height;
    } cases[] = {
        {360, 100, 0, 460},     // no limit
        {360, 100, 1000, 460},  // below it
        {900, 100, 1000, 1000},
        {900, 200, 1000, 1110},  // 100 over, counted 1100 / 1000 times
        {1200, -100, 1000, 1110},  // shrinking above it: 100 over x 1.1
        {10, -50, 1000, 1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.h0);
        CAPTURE(c.dy);
        CHECK(m_DragResize_Height(c.h0, c.dy, c.limit) == c.height);
    }
    CHECK(m_DragResize_Zoom(500, 1.8, 200, 1000) == doctest::Approx(1110.0 / 500));
}

TEST_CASE("the seek bar handle's width follows the pointer and stops at 0")
{
    CHECK(m_HandleDrag_Width(200, -50) == 250);
    CHECK(m_HandleDrag_Width(200, 50) == 150);
    CHECK(m_HandleDrag_Width(200, 250) == 0);
}

TEST_CASE("mouse points are mapped between windows; the wheels' screen points are not")
{
    HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 100, 80, 300, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND child = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 30, 40, 100, 50, parent,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(child);
    const LPARAM at = MAKELPARAM(5, 6);
    for (UINT msg : {UINT(WM_MOUSEMOVE), UINT(WM_LBUTTONDOWN), UINT(WM_RBUTTONUP)})
        CHECK(m_MapMouseLParam(child, parent, msg, at) == MAKELPARAM(35, 46));
    CHECK(m_MapMouseLParam(parent, child, WM_MOUSEMOVE, MAKELPARAM(10, 20)) ==
          MAKELPARAM(-20, -20));
    CHECK(m_MapMouseLParam(child, parent, WM_MOUSEWHEEL, at) == at);
    CHECK(m_MapMouseLParam(child, parent, WM_MOUSEHWHEEL, at) == at);
    DestroyWindow(parent);
}

