// The image button as a real window: sent mouse messages give exactly the
// WM_COMMAND codes of each button, in order; disabled and blocked buttons
// stay silent; strip frames cross-fade; the composed look.
#include <doctest/doctest.h>

#include <cstdlib>
#include <vector>

#include "ControlTestHost.h"
#include "controls/ButtonPlus.h"

namespace {

using Codes = std::vector<UINT>;

struct SButtonCase {
    CTestHost host;
    CButtonPlus button;
    HWND hWnd;

    SButtonCase()
    {
        hWnd = button.m_Create(host.m_hWnd, 32969);
        MoveWindow(hWnd, 10, 10, 32, 24, FALSE);
    }
    void Click(UINT down, UINT up, int x, int y)
    {
        m_Mouse(hWnd, down, 10, 10);
        m_Mouse(hWnd, up, x, y);
    }
};

// A 96 x 24 strip of four opaque frames: red, green, blue, white.
void MakeStrip(CArgbImage* strip)
{
    REQUIRE(strip->m_Create(nullptr, 96, 24, 32));
    const ARGB colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    for (int i = 0; i < 4; ++i) strip->m_FillRectXY(colours[i], 0, i * 24, 0, i * 24 + 24, 24);
}

bool Near(ARGB a, ARGB b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) -
                     static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

}  // namespace

TEST_CASE("button: each mouse button sends down, up and click; outside no click")
{
    struct {
        UINT down, up;
        Codes inside, outside;
    } cases[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, {BPN_LDOWN, BPN_LUP, BPN_CLICK}, {BPN_LDOWN, BPN_LUP}},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, {BPN_RDOWN, BPN_RUP, BPN_RCLICK}, {BPN_RDOWN, BPN_RUP}},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, {BPN_MDOWN, BPN_MUP, BPN_MCLICK}, {BPN_MDOWN, BPN_MUP}},
    };
    for (const auto& k : cases) {
        SButtonCase c;
        REQUIRE(c.hWnd);
        m_Mouse(c.hWnd, k.down, 10, 10);
        CHECK(GetCapture() == c.hWnd);
        m_Mouse(c.hWnd, k.up, 10, 10);
        CHECK(GetCapture() != c.hWnd);
        CHECK(c.host.m_ButtonCodes() == k.inside);
        for (const auto& r : c.host.m_Commands) {
            CHECK(r.id == 32969);
            CHECK(r.lParam == reinterpret_cast<LPARAM>(c.hWnd));
        }
        c.host.m_Clear();
        c.Click(k.down, k.up, 40, 10);  // released right of the button
        CHECK(c.host.m_ButtonCodes() == k.outside);
        c.host.m_Clear();
        m_Mouse(c.hWnd, k.up, 10, 10);  // an up without a press
        CHECK(c.host.m_ButtonCodes().empty());
    }
}

TEST_CASE("button: a double click is a second press")
{
    SButtonCase c;
    m_Mouse(c.hWnd, WM_LBUTTONDOWN, 10, 10);
    m_Mouse(c.hWnd, WM_LBUTTONUP, 10, 10);
    m_Mouse(c.hWnd, WM_LBUTTONDBLCLK, 10, 10);
    m_Mouse(c.hWnd, WM_LBUTTONUP, 10, 10);
    CHECK(c.host.m_ButtonCodes() ==
          Codes{BPN_LDOWN, BPN_LUP, BPN_CLICK, BPN_LDOWN, BPN_LUP, BPN_CLICK});
}

TEST_CASE("button: a drawn-disabled button sends nothing for any button")
{
    for (int viaMessage : {0, 1}) {
        SButtonCase c;
        if (viaMessage)
            SendMessageW(c.hWnd, WM_ENABLE, FALSE, 0);
        else
            c.button.m_SetEnable(0);
        CHECK(IsWindowEnabled(c.hWnd));
        c.Click(WM_LBUTTONDOWN, WM_LBUTTONUP, 10, 10);
        c.Click(WM_RBUTTONDOWN, WM_RBUTTONUP, 10, 10);
        c.Click(WM_MBUTTONDOWN, WM_MBUTTONUP, 10, 10);
        CHECK(c.host.m_ButtonCodes().empty());
        CHECK(GetCapture() != c.hWnd);
    }
}

TEST_CASE("button: blocked presses for 100 ms, by button")
{
    SButtonCase c;
    c.button.m_BlockInput(255);
    c.Click(WM_LBUTTONDOWN, WM_LBUTTONUP, 10, 10);
    c.Click(WM_RBUTTONDOWN, WM_RBUTTONUP, 10, 10);
    c.Click(WM_MBUTTONDOWN, WM_MBUTTONUP, 10, 10);
    CHECK(c.host.m_ButtonCodes().empty());
    m_Pump(160);
    c.Click(WM_LBUTTONDOWN, WM_LBUTTONUP, 10, 10);
    CHECK(c.host.m_ButtonCodes() == Codes{BPN_LDOWN, BPN_LUP, BPN_CLICK});

    c.host.m_Clear();
    c.button.m_BlockInput(1);  // left only
    c.Click(WM_LBUTTONDOWN, WM_LBUTTONUP, 10, 10);
    c.Click(WM_RBUTTONDOWN, WM_RBUTTONUP, 10, 10);
    CHECK(c.host.m_ButtonCodes() == Codes{BPN_RDOWN, BPN_RUP, BPN_RCLICK});

    c.host.m_Clear();
    c.button.m_BlockInput(0);  // lifted at once
    c.Click(WM_LBUTTONDOWN, WM_LBUTTONUP, 10, 10);
    CHECK(c.host.m_ButtonCodes() == Codes{BPN_LDOWN, BPN_LUP, BPN_CLICK});
}

TEST_CASE("button: keys go on to the parent")
{
    SButtonCase c;
    SendMessageW(c.hWnd, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(c.hWnd, WM_KEYUP, VK_SPACE, 0);
    CHECK(c.host.m_Keys == std::vector<UINT>{WM_KEYDOWN, WM_KEYUP});
}

TEST_CASE("button: strip frames and their cross-fade")
{
    SButtonCase c;
    CArgbImage strip;
    MakeStrip(&strip);
    c.button.m_SetImage(&strip, 0, 0, 0, 0, 0);
    CHECK(c.button.m_GetFrameCount() == 4);
    c.button.m_SetImage(&strip, 0, 48, 0, 0, 0);  // from x 48: two frames
    CHECK(c.button.m_GetFrameCount() == 2);

    c.button.m_SetImage(&strip, 0, 0, 0, 0, 0);
    c.button.m_SetFrame(3, 0, 0);
    c.button.m_SetImage(&strip, 2, 0, 0, 0, 0);  // frame 3 no longer exists
    CHECK(c.button.m_GetFrame() == 0);

    c.button.m_SetFrame(0, 0, 8);  // the same frame: nothing
    CHECK(c.button.m_GetFrameFadeAlpha() == 0);
    c.button.m_SetFrame(1, 0, 8);
    CHECK(c.button.m_GetFrameFadeAlpha() == 255 - 32);
    for (int i = 0; i < 40 && c.button.m_GetFrameFadeAlpha() > 160; ++i) m_Pump(10);
    const int running = c.button.m_GetFrameFadeAlpha();
    REQUIRE(running > 0);
    c.button.m_SetFrame(0, 0, 8);  // back to the frame fading out: reversed
    CHECK(c.button.m_GetFrameFadeAlpha() == 255 - running - 32);
    m_Pump(300);
    CHECK(c.button.m_GetFrameFadeAlpha() == 0);
    CHECK(c.button.m_GetFrame() == 0);
}

TEST_CASE("button: the composed look")
{
    SButtonCase c;
    CArgbImage strip;
    MakeStrip(&strip);
    c.button.m_SetImage(&strip, 0, 0, 0, 0, 0);
    c.button.m_SetBackColor(RGB(200, 200, 200));
    c.button.m_SetFrame(1, 0, 0);
    const ARGB back = 0xFFC8C8C8;
    const CArgbImage* img = c.button.m_GetImage();
    REQUIRE(img->m_IsValid());
    CHECK(img->m_Row(12)[2] == back);         // beside the centred frame
    CHECK(img->m_Row(12)[16] == 0xFF00FF00);  // frame 1

    c.button.m_SetCheck(1, 0);  // style 11 checked: a black box at alpha 0x28
    img = c.button.m_GetImage();
    CHECK(Near(img->m_Row(12)[2], 0xFFA8A8A8, 1));
    CHECK(img->m_Row(0)[0] < img->m_Row(12)[2]);  // and a faint frame

    c.button.m_SetCheck(0, 0);
    c.button.m_SetEnable(0);  // the strip at 30 % alpha, no box
    img = c.button.m_GetImage();
    CHECK(img->m_Row(12)[2] == back);
    CHECK(Near(img->m_Row(12)[16], 0xFF8CD88C, 2));
}

TEST_CASE("button: a zero-sized button composes nothing")
{
    CTestHost host;
    CButtonPlus button;
    HWND hWnd = button.m_Create(host.m_hWnd, 1);
    REQUIRE(hWnd);
    button.m_SetDrawStyle(13, 1, BUTTON_VARIANT_ROUND6);
    CHECK_FALSE(button.m_GetImage()->m_IsValid());
    UpdateWindow(hWnd);
}

TEST_CASE(
    "button: the hover fade starts on entering; without the fade or while blocked the hover is "
    "full at once")
{
    SButtonCase c;
    c.button.m_SetBackColor(RGB(200, 200, 200));
    const ARGB idle = c.button.m_GetImage()->m_Row(12)[2];
    m_Mouse(c.hWnd, WM_MOUSEMOVE, 10, 10);
    CHECK(c.button.m_GetHoverAlpha() == 85);  // ceil(255 / 3)
    CHECK(c.button.m_GetImage()->m_Row(12)[2] < idle);

    c.button.m_SetHoverFade(0, 1);
    CHECK(c.button.m_GetHoverAlpha() == 0);
    SendMessageW(c.hWnd, WM_MOUSELEAVE, 0, 0);
    m_Mouse(c.hWnd, WM_MOUSEMOVE, 10, 10);
    CHECK(c.button.m_GetHoverAlpha() == 255);
    CHECK(Near(c.button.m_GetImage()->m_Row(12)[2], 0xFFA8A8A8, 1));  // the full hover box

    c.button.m_SetHoverFade(1, 1);
    SendMessageW(c.hWnd, WM_MOUSELEAVE, 0, 0);
    c.button.m_BlockInput(255);
    m_Mouse(c.hWnd, WM_MOUSEMOVE, 10, 10);
    CHECK(c.button.m_GetHoverAlpha() == 255);
}
