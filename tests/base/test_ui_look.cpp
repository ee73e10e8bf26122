#include <doctest/doctest.h>

#include <time.h>
#include <wctype.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "../support/GdiplusScope.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "base/NumberList.h"
#include "base/UiLook.h"
#include "settings/Settings.h"

namespace {

// Restores the Windows version index a case changes.
struct SOsVersion {
    int saved = g_OsVersion;
    explicit SOsVersion(int version) { g_OsVersion = version; }
    ~SOsVersion() { g_OsVersion = saved; }
};

// A hidden top-level window at the given outer rectangle.
struct STestWindow {
    HWND hwnd;
    explicit STestWindow(RECT rc, DWORD style = WS_OVERLAPPEDWINDOW)
    {
        hwnd = CreateWindowExW(0, L"STATIC", L"", style, rc.left, rc.top, rc.right - rc.left,
                               rc.bottom - rc.top, nullptr, nullptr, nullptr, nullptr);
    }
    ~STestWindow() { DestroyWindow(hwnd); }
    RECT Outer() const
    {
        RECT rc = {};
        GetWindowRect(hwnd, &rc);
        return rc;
    }
};

bool m_Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

LOGFONTW m_FontOf(HFONT font)
{
    LOGFONTW lf = {};
    GetObjectW(font, sizeof(lf), &lf);
    return lf;
}

}  // namespace

TEST_CASE("invisible border width by display scale, only from Windows 10 on")
{
    SOsVersion win10(10);
    struct {
        int percent, border;
    } cases[] = {{75, 7}, {100, 7}, {124, 7}, {125, 8}, {150, 9}, {175, 10}, {200, 11}, {300, 15}};
    for (const auto& c : cases) {
        CAPTURE(c.percent);
        CHECK(m_GetInvisibleBorder(c.percent) == c.border);
        RECT rc = {100, 100, 500, 400};
        m_AdjustRectForBorder(&rc, 1, 0, c.percent);
        CHECK(m_Same(rc, RECT{100 + c.border, 100, 500 - c.border, 400 - c.border}));
        m_AdjustRectForBorder(&rc, 0, 0, c.percent);
        CHECK(m_Same(rc, RECT{100, 100, 500, 400}));
    }
    g_OsVersion = 9;
    CHECK(m_GetInvisibleBorder(200) == 0);
    RECT rc = {100, 100, 500, 400};
    m_AdjustRectForBorder(&rc, 1, 0, 200);
    CHECK(m_Same(rc, RECT{100, 100, 500, 400}));
}

TEST_CASE("window rectangles without the border, and placing them back")
{
    const RECT outer = {100, 100, 500, 400};
    STestWindow w(outer);
    REQUIRE(w.hwnd);
    REQUIRE(m_Same(w.Outer(), outer));
    {
        SOsVersion win10(10);
        RECT visible;
        REQUIRE(m_GetWindowRect(w.hwnd, &visible, 100));
        CHECK(m_Same(visible, RECT{107, 100, 493, 393}));

        SetWindowPos(w.hwnd, nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
        CHECK(m_SetWindowPos(w.hwnd, nullptr, 107, 100, 386, 293, SWP_NOZORDER | SWP_NOACTIVATE,
                             100, 1));
        CHECK(m_Same(w.Outer(), outer));

        CHECK(m_MoveWindow(w.hwnd, 109, 100, 382, 291, 0, 150));  // border 9 at 150 %
        CHECK(m_Same(w.Outer(), outer));
    }
    {
        SOsVersion win7(7);
        RECT visible;
        REQUIRE(m_GetWindowRect(w.hwnd, &visible, 100));
        CHECK(m_Same(visible, outer));
        m_SetWindowPos(w.hwnd, nullptr, 50, 60, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE, 100, 0);
        CHECK(m_Same(w.Outer(), RECT{50, 60, 250, 160}));
    }
    RECT none;
    CHECK(m_GetWindowRect(nullptr, &none, 100) == 0);
}

TEST_CASE("a window off the work area is moved back onto it, within the snap margin")
{
    SOsVersion win10(10);
    RECT work;
    REQUIRE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    RECT monitor;
    POINT origin = {work.left, work.top};
    REQUIRE(m_GetMonitorRect(&monitor, &origin, 0));
    CHECK(m_Same(monitor, work));

    int saved[4] = {g_Settings.Common_Snap[0], g_Settings.Common_Snap[1], g_Settings.Common_Snap[2],
                    g_Settings.Common_Snap[3]};
    struct {
        int snap, margin, dx, dy;  // the window's visible offset from the work area's corner
        int expectLeft, expectTop;
    } cases[] = {
        {1, 0, -150, -80, 0, 0},     // off the top left: to the corner
        {1, 20, -150, -80, 20, 20},  // with a margin: that far inside
        {0, 20, -150, -80, 0, 0},    // the margin counts only while snapping
        {1, 20, 40, 30, 40, 30},     // already inside: left alone
    };
    for (const auto& c : cases) {
        CAPTURE(c.margin);
        CAPTURE(c.dx);
        g_Settings.Common_Snap[0] = c.snap;
        g_Settings.Common_Snap[2] = c.margin;
        LONG x = work.left + c.dx, y = work.top + c.dy;
        // Outer rectangle of a 300 x 200 visible one at 100 %.
        STestWindow w(RECT{x - 7, y, x + 300 + 7, y + 200 + 7});
        REQUIRE(w.hwnd);
        m_KeepWindowOnMonitor(w.hwnd);
        RECT visible;
        REQUIRE(m_GetWindowRect(w.hwnd, &visible, 100));
        CHECK(visible.left == work.left + c.expectLeft);
        CHECK(visible.top == work.top + c.expectTop);
        CHECK(visible.right - visible.left == 300);
    }
    {
        // Larger than the work area: its top left (the caption) stays reachable.
        g_Settings.Common_Snap[0] = 0;
        LONG w0 = work.right - work.left + 100, h0 = work.bottom - work.top + 100;
        // A popup: the system would cut a framed window down to the screen.
        STestWindow w(RECT{work.left + 50 - 7, work.top + 50, work.left + 50 + w0 + 7,
                           work.top + 50 + h0 + 7},
                      WS_POPUP);
        REQUIRE(w.hwnd);
        REQUIRE(w.Outer().right - w.Outer().left == w0 + 14);
        m_KeepWindowOnMonitor(w.hwnd);
        RECT visible;
        REQUIRE(m_GetWindowRect(w.hwnd, &visible, 100));
        CHECK(visible.left == work.left);
        CHECK(visible.top == work.top);
    }
    for (int i = 0; i < 4; ++i) g_Settings.Common_Snap[i] = saved[i];
}

TEST_CASE("UI metrics: icon size by step, the rest scaled from their design size")
{
    struct {
        int id, percent, expected;
    } cases[] = {
        {0, 100, 13}, {0, 124, 13}, {0, 125, 16},  {0, 150, 20}, {0, 200, 26},
        {0, 250, 32}, {0, 300, 40}, {25, 150, 12}, {28, 125, 4}, {28, 150, 5},
        {5, 200, 0},  {1, 175, 2},  {36, 100, 0},  {-1, 100, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.id);
        CAPTURE(c.percent);
        CHECK(m_GetUIMetric(c.id, c.percent) == c.expected);
    }

    SSETTINGS saved = g_Settings;
    g_Settings.Ctrl_Seek = 24;
    g_Settings.Ctrl_Btn[0] = 28;
    g_Settings.Ctrl_Btn[1] = 30;
    g_Settings.Ctrl_Vol = 58;
    CHECK(m_GetUIMetric(8, 150) == 36);
    CHECK(m_GetUIMetric(2, 125) == 35);
    CHECK(m_GetUIMetric(3, 125) == 38);  // 37.5 rounds up
    CHECK(m_GetUIMetric(29, 200) == 116);
    // "Computed by the layout" must not turn into a size when scaled.
    CHECK(m_GetUIMetric(24, 150) == -1);
    int savedDpi = g_DpiPercent;
    g_DpiPercent = 200;
    CHECK(m_GetUIMetric(8, -1) == 48);
    CHECK(m_GetUIMetric(0, -1) == 26);
    g_DpiPercent = savedDpi;
    g_Settings = saved;
}

TEST_CASE("installed fonts are matched exactly and the UI fonts take their sizes")
{
    int count = m_EnumFonts();
    REQUIRE(count > 0);
    CHECK(m_EnumFonts() == count);  // listed once
    const wchar_t(*names)[kFontNameCap] = m_GetFontNames();
    std::wstring other;
    for (int i = 0; i < count && other.empty(); ++i) {
        CHECK(names[i][0] != L'@');
        std::wstring face = names[i];
        for (wchar_t& ch : face) ch = iswupper(ch) ? towlower(ch) : towupper(ch);
        if (face != names[i]) {
            CHECK(m_IsFontInstalled(names[i]) == 1);
            other = face;
        }
    }
    REQUIRE_FALSE(other.empty());
    CHECK(m_IsFontInstalled(other.c_str()) == 0);
    CHECK(m_IsFontInstalled(L"") == 0);

    int yu = m_IsFontInstalled(L"Yu Gothic UI");
    for (int percent : {100, 150, 200}) {
        CAPTURE(percent);
        HFONT ui = m_CreateUIFont(percent);
        REQUIRE(ui);
        LOGFONTW lf = m_FontOf(ui);
        CHECK(lf.lfHeight == m_FontHeightFromDpi(9.0, percent));
        CHECK(lf.lfWeight == 400);
        CHECK(lf.lfQuality == CLEARTYPE_QUALITY);
        CHECK(std::wstring(lf.lfFaceName) == (yu ? L"Yu Gothic UI" : L"Meiryo UI"));
        DeleteObject(ui);

        HFONT dialog = m_CreateDialogFont(percent);
        REQUIRE(dialog);
        lf = m_FontOf(dialog);
        if (yu) {
            CHECK(lf.lfHeight == m_FontHeightFromDpi(percent > 175 ? 9.0 : 9.5, percent));
            CHECK(lf.lfWidth == (percent <= 100 ? m_FontHeightFromDpi(6.0, percent) : 0));
        } else {
            CHECK(lf.lfHeight == m_FontHeightFromDpi(percent > 100 ? 8.0 : 9.0, percent));
            CHECK(std::wstring(lf.lfFaceName) == L"メイリオ");
        }
        DeleteObject(dialog);
    }
}

TEST_CASE("windows touch when within the gap and dock when their sides line up")
{
    RECT a = {0, 0, 300, 200};
    struct {
        RECT b;
        int gap, expected;
    } cases[] = {
        {{303, 0, 500, 200}, 4, 2},    // beside it, 3 pixels away, same height
        {{310, 0, 500, 200}, 4, 0},    // 10 pixels away
        {{303, 50, 500, 150}, 4, 1},   // beside it, other height
        {{-205, 0, -5, 200}, 3, 0},    // 5 pixels away with gap 3
        {{-204, 0, -4, 200}, 3, 2},    // 4 pixels away with gap 3: within gap + 1
        {{0, 202, 300, 400}, 4, 2},    // below it, same width
        {{50, 202, 250, 400}, 4, 1},   // below it, narrower
        {{302, 202, 500, 400}, 4, 0},  // only the corners near each other
    };
    for (const auto& c : cases) {
        CAPTURE(c.b.left);
        CAPTURE(c.b.top);
        CHECK(m_GetDockSide(&a, &c.b, c.gap) == c.expected);
    }
}

TEST_CASE("accent colour: the flat face colours of Windows 8 to 10")
{
    COLORREF colour = 0;
    {
        SOsVersion win8(8);
        REQUIRE(m_GetAccentColor(&colour, 0));
        CHECK(colour == 0xEBEBEB);
    }
    {
        SOsVersion win81(9);
        REQUIRE(m_GetAccentColor(&colour, 0));
        CHECK(colour == 0xEBEBEB);
    }
    {
        SOsVersion win10(10);
        REQUIRE(m_GetAccentColor(&colour, 0));
        CHECK(colour == 0xFFFFFF);
    }
    CHECK(m_GetAccentColor(nullptr, 1) == 0);
}

TEST_CASE("local time fields and the bounded formatter")
{
    tm local = {};
    local.tm_year = 2023 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 14;
    local.tm_hour = 3;
    local.tm_min = 25;
    local.tm_sec = 7;
    local.tm_isdst = -1;
    __time64_t t = _mktime64(&local);
    REQUIRE(t != -1);
    CHECK(m_GetLocalHour(&t) == 3);
    CHECK(m_GetLocalMinute(&t) == 25);
    CHECK(m_GetLocalSecond(&t) == 7);
    __time64_t bad = -1;
    CHECK(m_GetLocalHour(&bad) == -1);
    CHECK(m_GetLocalSecond(nullptr) == -1);

    wchar_t out[64];
    CHECK(m_FormatW64(out, 64, L"%02d:%02d %s", 3, 25, L"AM") == 8);
    CHECK(std::wstring(out) == L"03:25 AM");
    CHECK(m_FormatW64(out, 6, L"%d", 123456) == -1);  // five characters and the end
    CHECK(wcslen(out) <= 5);
    CHECK(m_FormatW64(out, 6, L"%d", 12345) == 5);
    CHECK(std::wstring(out) == L"12345");
    std::wstring longText(100, L'x');
    CHECK(m_FormatW64(out, 1000, L"%s", longText.c_str()) == -1);  // never past 64
    CHECK(wcslen(out) == 63);
}

TEST_CASE("the program's mark: cell 45 of the item-icon strip, a dimmed 32 px icon")
{
    CGdiplusScope gdiplus;
    REQUIRE(gdiplus.m_Ok);
    CArgbImage strip;
    REQUIRE(m_LoadPngResource(&strip, 168));
    REQUIRE(strip.m_Height == 32);
    REQUIRE(strip.m_Width >= 46 * 32);
    HICON icon = m_CreateAppIcon();
    REQUIRE(icon);
    ICONINFO info = {};
    REQUIRE(GetIconInfo(icon, &info));
    BITMAP bm = {};
    GetObjectW(info.hbmColor, sizeof(bm), &bm);
    CHECK(bm.bmWidth == 32);
    CHECK(bm.bmHeight == 32);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = 32;
    bi.bmiHeader.biHeight = -32;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    DWORD pixels[32 * 32] = {};
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, 32, pixels, &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    // Every pixel is the cell's, its alpha scaled by 160/255; the cell is
    // the mark, not an empty or neighbouring one.
    int wrong = 0, inked = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int cell = int(strip.m_Row(y)[45 * 32 + x] >> 24);
            const int want = int(std::floor(cell * 160.0 / 255.0 + 0.5));
            const int got = int(pixels[y * 32 + x] >> 24);
            wrong += std::abs(got - want) > 0;
            inked += got > 0;
        }
    }
    CHECK(wrong == 0);
    CHECK(inked > 100);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}
