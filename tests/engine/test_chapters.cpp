// Chapter lists from markers, lengths, the chapter at a position and the
// chapter timer's delay.
#include <doctest/doctest.h>

#include <wchar.h>

#include <initializer_list>
#include <string>

#include "engine/Chapters.h"

namespace {

struct SChapterFixture {
    SCHAPTERITEM items[kChapterTableCap + 1] = {};
    int count = 0;

    // Markers as a source reports them, named M1, M2 ...
    void m_Markers(std::initializer_list<double> starts, double duration)
    {
        count = 0;
        for (double s : starts) {
            items[count].Start = s;
            swprintf(items[count].Name, kChapterNameCap, L"M%d", count + 1);
            ++count;
        }
        count = m_Chapters_StartAtZero(items, count);
        m_Chapters_FillLengths(items, count, duration);
    }
};

}  // namespace

TEST_CASE("markers become chapters that start at 0")
{
    SChapterFixture f;
    SUBCASE("a first marker within the first second moves to 0")
    {
        f.m_Markers({0.5, 60, 120}, 150);
        REQUIRE(f.count == 3);
        CHECK(f.items[0].Start == 0.0);
        CHECK(std::wstring(f.items[0].Name) == L"M1");
        CHECK(f.items[1].Start == 60.0);
        CHECK(f.items[2].Length == 30.0);
    }
    SUBCASE("a later first marker gets an unnamed chapter at 0 in front")
    {
        f.m_Markers({30, 90}, 100);
        REQUIRE(f.count == 3);
        CHECK(f.items[0].Start == 0.0);
        CHECK(f.items[0].Name[0] == L'\0');
        CHECK(f.items[0].Length == 30.0);
        CHECK(std::wstring(f.items[1].Name) == L"M1");
        CHECK(f.items[2].Start == 90.0);
        CHECK(f.items[2].Length == 10.0);
    }
    SUBCASE("no markers: one chapter over the whole file")
    {
        f.items[0].Start = 42;
        f.m_Markers({}, 100);
        REQUIRE(f.count == 1);
        CHECK(f.items[0].Start == 0.0);
        CHECK(f.items[0].Length == 100.0);
    }
    SUBCASE("a marker past the duration has no negative length")
    {
        f.m_Markers({0, 120}, 100);
        CHECK(f.items[1].Length == 0.0);
    }
}

TEST_CASE("the chapter table keeps at most 199 chapters")
{
    static SCHAPTERITEM many[250] = {};
    static SCHAPTERITEM table[kChapterTableCap] = {};
    for (int i = 0; i < 250; ++i) many[i].Start = i;
    CHECK(m_Chapters_Copy(table, many, 250) == 199);
    CHECK(table[198].Start == 198.0);
    CHECK(m_Chapters_Copy(table, nullptr, 5) == 0);
}

TEST_CASE("the chapter at a position")
{
    SChapterFixture f;
    f.m_Markers({0, 60, 120, 180}, 240);
    int none = -1;
    SUBCASE("tolerance before a start: 0.05 s running, 0.001 s paused")
    {
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 59.97, 1, &none) == 1);
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 59.97, 0, &none) == 0);
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 0.0, 0, &none) == 0);
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 239.0, 0, &none) == 3);
    }
    SUBCASE("a chapter jumped to holds near its start, then is worked out afresh")
    {
        int selected = 3;
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 179.95, 0, &selected) == 3);
        CHECK(selected == 3);
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 181.5, 0, &selected) == 3);
        CHECK(selected == -1);
        selected = 2;
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 30.0, 0, &selected) == 0);
        CHECK(selected == -1);
    }
    SUBCASE("a selection outside the table is dropped")
    {
        int selected = 9;
        CHECK(m_Chapters_IndexAt(f.items, f.count, 240, 61.0, 0, &selected) == 1);
        CHECK(selected == -1);
    }
    SUBCASE("rest to the next chapter, 50 ms early while running")
    {
        CHECK(m_Chapters_Rest(f.items, f.count, 1, 1000000000, 0) == 200000000);
        CHECK(m_Chapters_Rest(f.items, f.count, 1, 1000000000, 1) == 199500000);
        CHECK(m_Chapters_Rest(f.items, f.count, 3, 1900000000, 1) == -1);
        CHECK(m_Chapters_Rest(f.items, 0, 0, 0, 1) == -1);
    }
}

TEST_CASE("the chapter timer's delay: half the way at the rate, 10 ms to 60 s")
{
    struct {
        LONGLONG rest;
        int rate;
        UINT delay;
    } cases[] = {
        {699500000, 50, 60000},  // 70 s ahead at half speed
        {100000000, 100, 5000}, {100000000, 200, 2500}, {100000, 100, 10},
        {-5000000, 100, 10},    {100000000, 0, 5000},  // no rate: taken as normal speed, no
                                                       // division by 0
    };
    for (const auto& c : cases) {
        CAPTURE(c.rest);
        CAPTURE(c.rate);
        CHECK(m_Chapters_TimerDelay(c.rest, c.rate) == c.delay);
    }
}
