// The on-screen display bars as a real layered window under Wine: creation,
// layout, the show and hide timers with their fades, and the gauges.
#include <doctest/doctest.h>

#include <string>

#include "StatusFixture.h"
#include "controls/LayeredWnd.h"

namespace {

struct SOsdFixture {
    HWND owner;
    CLayeredWnd osd;

    SOsdFixture()
    {
        owner = MakeHostWindow(640, 360);
        osd.m_Create(owner);
        osd.m_SetBottomFont(L"Arial", 32, 0xDCFFFFFF, 0);
        osd.m_SetTopFont(L"Arial", 48, 0xDCFFFFFF);
        RECT rc = {40, 40, 680, 400};
        osd.m_SetRect(&rc);
    }
    ~SOsdFixture()
    {
        osd.m_DestroyWindow();
        DestroyWindow(owner);
    }
    void Tick(UINT id, int times = 1)
    {
        for (int i = 0; i < times; ++i) SendMessageW(osd.m_GetHwnd(), WM_TIMER, id, 0);
    }
};

bool SameRect(const RECT& r, int l, int t, int rr, int b)
{
    return r.left == l && r.top == t && r.right == rr && r.bottom == b;
}

}  // namespace

TEST_CASE("the overlay is a hidden, disabled, click-through layered tool window laid out in bars")
{
    CLayeredWnd early;
    early.m_ShowBars(1, -1, 1, -1, 1, 1);
    early.m_SetPosition(5000);
    CHECK(early.m_IsTopShown() == 0);

    SOsdFixture f;
    HWND hWnd = f.osd.m_GetHwnd();
    REQUIRE(hWnd);
    const LONG_PTR ex = GetWindowLongPtrW(hWnd, GWL_EXSTYLE);
    CHECK((ex & WS_EX_LAYERED) != 0);
    CHECK((ex & WS_EX_TOOLWINDOW) != 0);
    CHECK((ex & WS_EX_TRANSPARENT) != 0);
    CHECK((GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CAPTION) == 0);
    CHECK_FALSE(IsWindowVisible(hWnd));
    CHECK_FALSE(IsWindowEnabled(hWnd));
    CHECK(GetWindow(hWnd, GW_OWNER) == f.owner);

    CHECK(SameRect(f.osd.m_GetTopBar(), 0, 0, 640, 54));
    CHECK(SameRect(f.osd.m_GetBottomBar(), 0, 288, 640, 360));
    CHECK(SameRect(f.osd.m_GetPositionArea(), 16, 302, 480, 346));
    RECT wr;
    GetWindowRect(hWnd, &wr);
    CHECK(SameRect(wr, 40, 40, 680, 400));
    const CArgbImage& img = *f.osd.m_GetImage();
    CHECK(img.m_Width == 640);
    CHECK(img.m_Row(180)[320] == 0);
    CHECK(img.m_Row(1)[1] == 0x7F000000);

    // An empty rectangle leaves the layout as it was.
    RECT empty = {10, 10, 10, 50};
    f.osd.m_SetRect(&empty);
    CHECK(SameRect(f.osd.m_GetTopBar(), 0, 0, 640, 54));
}

TEST_CASE("showing fades a bar in by 64 a tick; its hide timer fades it out again")
{
    SOsdFixture f;
    f.osd.m_ShowBars(1, 3000, 0, 0, 1, 1);
    CHECK(f.osd.m_IsTopShown() == 1);
    CHECK(f.osd.m_GetTopAlpha() == 64);
    CHECK(f.osd.m_LastUpdateOk() == 1);
    f.Tick(OSD_TIMER_FADE_IN, 3);
    CHECK(f.osd.m_GetTopAlpha() == 255);
    CHECK(f.osd.m_GetBottomAlpha() == 0);

    f.Tick(OSD_TIMER_HIDE_TOP);
    CHECK(f.osd.m_IsTopShown() == 0);
    CHECK(f.osd.m_GetTopAlpha() == 191);
    f.Tick(OSD_TIMER_FADE_TOP, 2);
    CHECK(f.osd.m_GetTopAlpha() == 63);
    f.Tick(OSD_TIMER_FADE_TOP);
    CHECK(f.osd.m_GetTopAlpha() == 0);

    // Without fades: straight to 255, and hidden at once.
    f.osd.m_ShowBars(0, 0, 1, 3000, 0, 0);
    CHECK(f.osd.m_GetBottomAlpha() == 255);
    f.Tick(OSD_TIMER_HIDE_BOTTOM);
    CHECK(f.osd.m_GetBottomAlpha() == 0);
    CHECK(f.osd.m_IsBottomShown() == 0);
}

TEST_CASE("hide-after -1 keeps a bar, 0 hides it at once; showing mid fade-out turns it round")
{
    SOsdFixture f;
    f.osd.m_ShowBars(1, -1, 1, 0, 0, 0);
    Pump(300);
    CHECK(f.osd.m_IsTopShown() == 1);
    CHECK(f.osd.m_GetTopAlpha() == 255);
    CHECK(f.osd.m_IsBottomShown() == 0);
    CHECK(f.osd.m_GetBottomAlpha() == 0);

    f.osd.m_ShowBars(1, 0, 0, 0, 0, 0);
    Pump(100);
    CHECK(f.osd.m_IsTopShown() == 0);
    CHECK(f.osd.m_GetTopAlpha() == 0);

    f.osd.m_ShowBars(1, 5000, 0, 0, 0, 1);
    f.Tick(OSD_TIMER_HIDE_TOP);
    f.Tick(OSD_TIMER_FADE_TOP);
    CHECK(f.osd.m_GetTopAlpha() == 127);
    f.osd.m_ShowBars(1, -1, 0, 0, 1, 1);
    CHECK(f.osd.m_GetTopAlpha() == 191);
    Pump(400);
    CHECK(f.osd.m_GetTopAlpha() == 255);
    CHECK(f.osd.m_IsTopShown() == 1);
}

TEST_CASE("with only the bottom bar shown the fade-in stops when it reaches 255")
{
    SOsdFixture f;
    f.osd.m_ShowBars(0, 0, 1, -1, 1, 0);
    Pump(300);
    CHECK(f.osd.m_GetBottomAlpha() == 255);
    CHECK(f.osd.m_GetTopAlpha() == 0);
}

TEST_CASE("gauge texts and fills: a full position fills the gauge and reads 100.0")
{
    wchar_t text[32];
    struct {
        int value;
        const wchar_t* pos;
        const wchar_t* vol;
    } cases[] = {{10000, L"POS:100.0%", L"VOL:10000%"},
                 {0, L"POS:0.0%", L"VOL:  0%"},
                 {1234, L"POS:12.3%", L"VOL:1234%"},
                 {5, L"POS:0.1%", L"VOL:  5%"}};
    for (const auto& c : cases) {
        m_OsdPositionText(c.value, text, 32);
        CHECK(std::wstring(text) == c.pos);
        m_OsdVolumeText(c.value, text, 32);
        CHECK(std::wstring(text) == c.vol);
    }
    m_OsdPositionText(10000, text, 5);
    CHECK(std::wstring(text) == L"POS:");

    SOsdFixture f;
    const RECT& area = f.osd.m_GetPositionArea();
    const CArgbImage& img = *f.osd.m_GetImage();
    const int y = area.top + 3;
    f.osd.m_SetPosition(10000);
    const uint32_t fullEnd = img.m_Row(y)[area.right - 6];
    f.osd.m_SetPosition(0);
    const uint32_t emptyEnd = img.m_Row(y)[area.right - 6];
    CHECK(fullEnd != emptyEnd);
    CHECK(m_Red(fullEnd) > m_Red(emptyEnd));
    f.osd.m_SetPosition(99999);
    CHECK(img.m_Row(y)[area.right - 6] == fullEnd);
}
