// The rules behind the playlist menus' commands: names joined for the
// clipboard, the row-height gesture and merged range bounds.
#include <doctest/doctest.h>

#include <string>

#include "playlist/PlaylistMenus.h"

TEST_CASE("names for the clipboard: one without a break, several with CR LF, cut at 1024")
{
    wchar_t out[kPlCopyCap + 1];
    const wchar_t* one[] = {L"a.avi"};
    CHECK(m_PlMenu_JoinLines(one, 1, out, kPlCopyCap + 1) == 5);
    CHECK(std::wstring(out) == L"a.avi");
    const wchar_t* three[] = {L"a.avi", L"b.avi", L"c.avi"};
    m_PlMenu_JoinLines(three, 3, out, kPlCopyCap + 1);
    CHECK(std::wstring(out) == L"a.avi\r\nb.avi\r\nc.avi");

    // 50 long paths: the text stops at the cap, never past the buffer.
    static wchar_t paths[50][261];
    const wchar_t* lines[50];
    for (int i = 0; i < 50; ++i) {
        std::wstring path = L"Z:\\" + std::wstring(240, L'x') + std::to_wstring(i) + L".avi";
        wcsncpy(paths[i], path.c_str(), 260);
        lines[i] = paths[i];
    }
    CHECK(m_PlMenu_JoinLines(lines, 50, out, kPlCopyCap + 1) == kPlCopyCap);
    CHECK(wcslen(out) == (size_t)kPlCopyCap);
    wchar_t small[8];
    CHECK(m_PlMenu_JoinLines(three, 3, small, 8) == 7);
    CHECK(std::wstring(small) == L"a.avi\r\n");
}

TEST_CASE("row-height gesture: steps to the next multiple within the gesture's limits")
{
    struct SCASE {
        int current, start, state, mode, first, wanted;
    };
    const SCASE cases[] = {
        {80, 80, 6, 0, 1, 81},    {82, 82, 6, 1, 1, 85},    {82, 82, 7, 1, 1, 80},
        {80, 80, 7, 1, 1, 75},    {50, 50, 7, 0, 1, 50},    {200, 200, 6, 1, 1, 200},
        {99, 80, 6, 0, 0, 100},   {100, 80, 6, 0, 0, 100},  {100, 80, 6, 1, 0, 100},
        {101, 120, 7, 0, 0, 100}, {100, 120, 7, 0, 0, 100}, {100, 100, 7, 1, 0, 95},
        {195, 100, 6, 1, 0, 200}, {52, 100, 7, 1, 0, 50},
    };
    for (const SCASE& c : cases) {
        CAPTURE(c.current);
        CAPTURE(c.start);
        CHECK(m_PlMenu_StepItemHeight(c.current, c.start, c.state, c.mode, c.first) == c.wanted);
    }
    // A gesture that starts at 80 % and keeps stepping up stops at 100 %.
    int value = 80;
    for (int step = 0; step < 40; ++step)
        value = m_PlMenu_StepItemHeight(value, 80, 6, 0, step == 0);
    CHECK(value == 100);
}

TEST_CASE("merged ranges run from the smallest start to the largest end")
{
    struct SCASE {
        int starts[3], ends[3], count, length, ok, start, end;
    };
    const SCASE cases[] = {
        {{1000, 5000, 0}, {2000, 8000, 0}, 2, 10000, 1, 1000, 8000},
        {{5000, -1, 0}, {8000, 2000, 0}, 2, 10000, 1, -1, 8000},
        {{1000, 3000, 0}, {2000, -1, 0}, 2, 10000, 1, 1000, -1},
        // An open end with no known length is not after the start.
        {{1000, 3000, 0}, {2000, -1, 0}, 2, 0, 0, 0, 0},
        {{4000, 4000, 0}, {4000, 4000, 0}, 2, 10000, 0, 0, 0},
    };
    for (const SCASE& c : cases) {
        int start = 0, end = 0;
        CAPTURE(c.starts[0]);
        CHECK(m_PlMenu_MergeBounds(c.starts, c.ends, c.count, c.length, &start, &end) == c.ok);
        if (c.ok) CHECK((start == c.start && end == c.end));
    }
}
