// The status bar as a real window under Wine: its window text, message
// priority, timers, fades, blinking and what it draws.
#include <doctest/doctest.h>

#include <string>

#include "StatusFixture.h"

namespace {

constexpr uint32_t kBlack = 0xFF000000;

// Text rows of the bar: the font's height centred in 22 pixels.
void TextRows(int* top, int* bottom)
{
    const int h = TestFont().m_GetHeight();
    *top = (22 - h + 1) / 2;
    *bottom = *top + h;
}

int Width(const wchar_t* text)
{
    int w = 0;
    TestFont().m_MeasureText(text, &w, nullptr, unsigned(-1));
    return w;
}

// First ink column of the middle message, searched between the side panes.
int MessageLeft(const CStatusbar& bar, int from, int to)
{
    int top, bottom, first, last;
    TextRows(&top, &bottom);
    InkSpan(*bar.m_GetImage(), from, to, top, bottom, kBlack, &first, &last);
    return first;
}

}  // namespace

TEST_CASE("the window text joins the panes, shows back-quotes as blanks and fits the buffer")
{
    SStatusFixture f;
    CHECK_FALSE(IsWindowEnabled(f.bar.m_GetHwnd()));
    f.bar.m_SetPaneText(STATUS_PANE_LEFT, L"NO````FILE", 1, 0, 0);
    f.bar.m_SetPaneText(STATUS_PANE_RIGHT, L"0:00", 1, 0, 0);
    CHECK(f.bar.m_ShowMessage(L"MUTE : ON", 1, 5000, 0, 50, -1, 0) == 1);
    CHECK(f.Text() == L"NO    FILE\r\nMUTE : ON\r\n0:00");

    struct {
        WPARAM size;
        LRESULT length;
        const wchar_t* text;
    } cases[] = {{6, 5, L"NO   "}, {1, 0, L""}, {2, 1, L"N"}};
    for (const auto& c : cases) {
        CAPTURE(c.size);
        wchar_t buf[16];
        for (wchar_t& ch : buf) ch = L'#';
        const LRESULT n = SendMessageW(f.bar.m_GetHwnd(), WM_GETTEXT, c.size, LPARAM(buf));
        CHECK(n == c.length);
        CHECK(std::wstring(buf) == c.text);
        CHECK(buf[c.size] == L'#');
    }
    wchar_t untouched[4] = L"##";
    CHECK(SendMessageW(f.bar.m_GetHwnd(), WM_GETTEXT, 0, LPARAM(untouched)) == 0);
    CHECK(std::wstring(untouched) == L"##");

    // Pane texts are cut to 127 characters.
    const std::wstring longText(300, L'W');
    f.bar.m_SetPaneText(STATUS_PANE_LEFT, longText.c_str(), 1, 0, 0);
    CHECK(std::wstring(f.bar.m_GetPaneText(STATUS_PANE_LEFT)) == std::wstring(127, L'W'));
}

TEST_CASE("a message of lower priority is dropped; equal or higher replaces it; hold raises to 20")
{
    SStatusFixture f;
    CHECK(f.bar.m_ShowMessage(L"TWENTY", 1, 5000, 0, 20, -1, 0) == 1);
    CHECK(f.bar.m_ShowMessage(L"TEN", 1, 5000, 0, 10, -1, 0) == 0);
    CHECK(f.Message() == L"TWENTY");
    CHECK(f.bar.m_ShowMessage(L"AGAIN", 1, 5000, 0, 20, -1, 0) == 1);
    CHECK(f.Message() == L"AGAIN");

    CHECK(f.bar.m_ShowMessage(L"LOW", 1, 5000, 0, 5, -1, 0) == 0);
    CHECK(f.bar.m_HoldMessage() == 1);
    CHECK(f.bar.m_GetMessagePriority() == 20);
    CHECK(f.bar.m_ShowMessage(L"FIFTEEN", 1, 5000, 0, 15, -1, 0) == 0);
    CHECK(f.bar.m_ShowMessage(L"TWENTY", 1, 5000, 0, 20, -1, 0) == 1);

    CStatusbar windowless;
    CHECK(windowless.m_ShowMessage(L"X", 1, 1000, 0, 50, -1, 0) == 0);
}

TEST_CASE("the end of a message fades the middle pane out and frees the bar for any priority")
{
    SStatusFixture f;
    REQUIRE(f.bar.m_ShowMessage(L"A", 1, 5000, 0, 50, -1, 1) == 1);
    CHECK(f.bar.m_GetPaneAlpha(STATUS_PANE_MESSAGE) == 0);
    f.Tick(STATUS_TIMER_FADE + 3, 3);
    CHECK(f.bar.m_GetPaneAlpha(STATUS_PANE_MESSAGE) == 255);

    f.Tick(STATUS_TIMER_MESSAGE);
    CHECK(f.bar.m_GetPaneAlpha(STATUS_PANE_MESSAGE) == 255);
    f.Tick(STATUS_TIMER_FADE + 4, 4);
    CHECK(f.bar.m_GetPaneAlpha(STATUS_PANE_MESSAGE) == 255 - 4 * 52);
    CHECK(f.Message() == L"A");
    CHECK(f.bar.m_IsMessageShown() == 1);
    f.Tick(STATUS_TIMER_FADE + 4);
    CHECK(f.Message().empty());
    CHECK(f.bar.m_IsMessageShown() == 0);
    CHECK(f.bar.m_GetMessagePriority() == 0);
    CHECK(f.bar.m_ShowMessage(L"LOW", 1, 5000, 0, 1, -1, 0) == 1);
}

TEST_CASE("pane fades: in, unchanged text, forced cross-fade, a new text mid-fade, out")
{
    SStatusFixture f;
    CStatusbar& b = f.bar;
    b.m_SetPaneText(STATUS_PANE_LEFT, L"A", 1, 0, 1);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 0);
    f.Tick(STATUS_TIMER_FADE);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 86);
    f.Tick(STATUS_TIMER_FADE, 2);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 255);

    b.m_SetPaneText(STATUS_PANE_LEFT, L"A", 1, 0, 1);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 255);
    b.m_SetPaneText(STATUS_PANE_LEFT, L"A", 1, 0, 2);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 0);
    f.Tick(STATUS_TIMER_FADE + 2, 5);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 255);

    // A new text at full alpha with fade mode 1 is swapped in at once.
    b.m_SetPaneText(STATUS_PANE_LEFT, L"B", 1, 0, 1);
    CHECK(std::wstring(b.m_GetPaneText(STATUS_PANE_LEFT)) == L"B");
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_LEFT) == 255);

    // While a fade runs, a new text cross-fades from alpha 0.
    b.m_SetPaneText(STATUS_PANE_RIGHT, L"C", 1, 0, 1);
    f.Tick(STATUS_TIMER_FADE + 6);
    b.m_SetPaneText(STATUS_PANE_RIGHT, L"D", 1, 0, 1);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_RIGHT) == 0);
    f.Tick(STATUS_TIMER_FADE + 8);
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_RIGHT) == 52);

    // No text fades the old one out; fade mode 0 empties at once.
    b.m_SetPaneText(STATUS_PANE_LEFT, nullptr, 1, 0, 1);
    f.Tick(STATUS_TIMER_FADE + 1, 4);
    CHECK(std::wstring(b.m_GetPaneText(STATUS_PANE_LEFT)) == L"B");
    f.Tick(STATUS_TIMER_FADE + 1);
    CHECK(std::wstring(b.m_GetPaneText(STATUS_PANE_LEFT)).empty());
    b.m_SetPaneText(STATUS_PANE_RIGHT, nullptr, 1, 0, 0);
    CHECK(std::wstring(b.m_GetPaneText(STATUS_PANE_RIGHT)).empty());
    CHECK(b.m_GetPaneAlpha(STATUS_PANE_RIGHT) == 255);
}

TEST_CASE("blink count 3 hides and shows the text three times about every 250 ms")
{
    SStatusFixture f;
    REQUIRE(f.bar.m_ShowMessage(L"BLINK", 1, 4000, 3, 50, -1, 0) == 1);
    int hides = 0, shows = 0;
    bool hidden = false;
    DWORD lastChange = GetTickCount();
    DWORD shortest = 100000;
    Pump(2000, [&] {
        const bool now = f.Message().empty();
        if (now == hidden) return;
        const DWORD t = GetTickCount();
        if (t - lastChange < shortest) shortest = t - lastChange;
        lastChange = t;
        hidden = now;
        (now ? hides : shows)++;
    });
    CHECK(hides == 3);
    CHECK(shows == 3);
    CHECK(f.Message() == L"BLINK");
    CHECK(shortest >= 200);
}

TEST_CASE("duration -1 shows a message about 2500 ms; duration 0 ends it at once")
{
    SStatusFixture f;
    REQUIRE(f.bar.m_ShowMessage(L"LONG", 1, -1, 0, 50, -1, 1) == 1);
    const DWORD start = GetTickCount();
    DWORD gone = 0;
    Pump(3500, [&] {
        if (!gone && f.Message().empty()) gone = GetTickCount() - start;
    });
    CHECK(gone >= 2500);
    CHECK(gone < 3200);

    REQUIRE(f.bar.m_ShowMessage(L"ZERO", 1, 0, 0, 50, -1, 1) == 1);
    Pump(400);
    CHECK(f.Message().empty());
    CHECK(f.bar.m_IsMessageShown() == 0);
}

TEST_CASE("a new message outlives the fade-out of the last one; an empty one does not hold the bar")
{
    SUBCASE("hidden bar: the new text comes without a fade while the old one fades out")
    {
        SStatusFixture f(400, 22, false);
        REQUIRE(f.bar.m_ShowMessage(L"OLD", 1, 5000, 0, 50, -1, 1) == 1);
        f.Tick(STATUS_TIMER_MESSAGE);
        f.Tick(STATUS_TIMER_FADE + 4, 2);
        REQUIRE(f.bar.m_ShowMessage(L"NEW", 1, 5000, 0, 50, -1, 1) == 1);
        Pump(300);
        CHECK(f.Message() == L"NEW");
        CHECK(f.bar.m_IsMessageShown() == 1);
    }
    SUBCASE("the same text again while it fades out comes back")
    {
        SStatusFixture f;
        REQUIRE(f.bar.m_ShowMessage(L"SAME", 1, 5000, 0, 50, -1, 0) == 1);
        f.Tick(STATUS_TIMER_MESSAGE);
        f.Tick(STATUS_TIMER_FADE + 4, 2);
        REQUIRE(f.bar.m_ShowMessage(L"SAME", 1, 5000, 0, 50, -1, 1) == 1);
        Pump(300);
        CHECK(f.Message() == L"SAME");
        CHECK(f.bar.m_GetPaneAlpha(STATUS_PANE_MESSAGE) == 255);
        CHECK(f.bar.m_IsMessageShown() == 1);
    }
    SUBCASE("an empty message ends with its duration")
    {
        SStatusFixture f;
        REQUIRE(f.bar.m_ShowMessage(L"", 1, 5000, 0, 50, -1, 1) == 1);
        f.Tick(STATUS_TIMER_MESSAGE);
        CHECK(f.bar.m_IsMessageShown() == 0);
        CHECK(f.bar.m_ShowMessage(L"LOW", 1, 5000, 0, 1, -1, 0) == 1);
    }
}

TEST_CASE("clearing respects the priority limit and, without fade, empties at once")
{
    SStatusFixture f;
    REQUIRE(f.bar.m_ShowMessage(L"HIGH", 1, 5000, 2, 150, -1, 0) == 1);
    f.bar.m_ClearMessage(0, 100);
    CHECK(f.Message() == L"HIGH");
    REQUIRE(f.bar.m_ShowMessage(L"MID", 1, 5000, 2, 150, -1, 0) == 1);
    f.bar.m_ClearMessage(0, 150);
    CHECK(f.Message().empty());
    CHECK(f.bar.m_IsMessageShown() == 0);
    Pump(600);
    CHECK(f.Message().empty());
}

TEST_CASE("the middle text is centred, keeps the centre of its run, and is not drawn when too wide")
{
    SStatusFixture f;
    CStatusbar& b = f.bar;
    b.m_SetPaneText(STATUS_PANE_LEFT, L"NO````FILE", 1, 0, 0);
    b.m_SetPaneText(STATUS_PANE_RIGHT, L"1:23", 1, 0, 0);
    const int from = Width(L"NO````FILE") + 12, to = 400 - Width(L"1:23") - 12;

    b.m_ShowMessage(L"MUTE : ON", 1, 5000, 0, 50, -1, 0);
    CHECK(MessageLeft(b, from, to) ==
          doctest::Approx((400 - Width(L"MUTE : ON")) / 2).epsilon(0.02));

    b.m_ShowMessage(L"MUTE : ON", 1, 5000, 0, 50, 200, 0);
    b.m_Update();
    CHECK(MessageLeft(b, from, to) == doctest::Approx(100).epsilon(0.02));

    // Centring width 0: the first text of the run sets the centre.
    b.m_ClearMessage(0, 100);
    b.m_ShowMessage(L"VOL", 1, 5000, 0, 50, 0, 0);
    const int first = MessageLeft(b, from, to);
    b.m_ShowMessage(L"VOLUME : 100", 1, 5000, 0, 50, 0, 0);
    CHECK(MessageLeft(b, from, to) == first);

    b.m_ShowMessage(std::wstring(60, L'W').c_str(), 1, 5000, 0, 50, -1, 0);
    CHECK(MessageLeft(b, from, to) == -1);
}

TEST_CASE("the corner mark, the progress fill and the level meter")
{
    SStatusFixture f;
    CStatusbar& b = f.bar;
    b.m_Update();
    const CArgbImage& img = *b.m_GetImage();
    CHECK(img.m_Row(22 - 3)[400 - 3] != kBlack);
    b.m_SetPaneText(STATUS_PANE_RIGHT, L"1:23", 1, 0, 0);
    CHECK(img.m_Row(22 - 3)[400 - 3] == kBlack);

    b.m_SetProgressRange(0);
    b.m_SetProgress(5);
    CHECK(img.m_Row(1)[200] == kBlack);
    b.m_ResetProgress(1);
    b.m_SetProgress(5000);
    CHECK(m_Red(img.m_Row(1)[100]) > 0x40);
    CHECK(img.m_Row(1)[300] == kBlack);
    b.m_ResetProgress(0);

    b.m_SetLevels(32767, 0);
    CHECK(img.m_Row(10)[0] != kBlack);
    CHECK(img.m_Row(10)[120] == kBlack);
    CHECK(img.m_Row(10)[399] == kBlack);
    b.m_SetLevels(0, 40000);
    CHECK(img.m_Row(10)[0] == kBlack);
    CHECK(img.m_Row(10)[398] != kBlack);
}
