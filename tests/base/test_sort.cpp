#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/SortUtil.h"

TEST_CASE("m_SortFileRecords by path in natural order and by key")
{
    const wchar_t* names[] = {L"file10.mp4", L"file2.mp4", L"File1.mp4", L"a.mp4"};
    std::vector<SFILERECORD> records(4);
    int items[4];
    const INT64 keys[] = {5, -7, 5, 0};
    for (int i = 0; i < 4; ++i) {
        records[i].index = i;
        wcscpy(records[i].path, names[i]);
        records[i].key = keys[i];
        records[i].item = &items[i];
    }

    m_SortFileRecords(records.data(), 0, 3, 2);
    const int byPath[] = {3, 2, 1, 0};
    for (int i = 0; i < 4; ++i) {
        CHECK(records[i].index == byPath[i]);
        CHECK(records[i].item == &items[byPath[i]]);
        CHECK(std::wstring(records[i].path) == names[byPath[i]]);
    }

    m_SortFileRecords(records.data(), 0, 3, 1);
    for (int i = 0; i < 3; ++i) CHECK(records[i].key <= records[i + 1].key);
    CHECK(records[0].index == 1);
}

TEST_CASE("m_SortPathsLogical sorts only the range and takes a null name as empty")
{
    const wchar_t* names[] = {L"z", L"track 10", L"track 9", nullptr, L"Track 1", L"a"};
    SPATHRECORD records[6];
    for (int i = 0; i < 6; ++i) records[i] = {i, names[i], 100 + i};
    m_SortPathsLogical(records, 1, 4);
    const int expected[] = {0, 3, 4, 2, 1, 5};
    for (int i = 0; i < 6; ++i) {
        CHECK(records[i].index == expected[i]);
        CHECK(records[i].data == 100 + expected[i]);
    }
}

TEST_CASE("m_SortByTime orders any input, large sorted and equal runs included")
{
    std::vector<STIMERECORD> records;
    unsigned int seed = 12345;
    for (int i = 0; i < 500; ++i) {
        seed = seed * 1103515245u + 12345u;
        records.push_back({i, (double)(seed % 1000) / 8.0, 0});
    }
    std::vector<double> expected;
    for (const STIMERECORD& r : records) expected.push_back(r.time);
    std::sort(expected.begin(), expected.end());
    m_SortByTime(records.data(), 0, (int)records.size() - 1);
    for (size_t i = 0; i < records.size(); ++i) CHECK(records[i].time == expected[i]);

    // Sorted, reversed and constant inputs of this size would overflow the
    // stack if a side were recursed into without bound.
    std::vector<STIMERECORD> big(200000);
    for (int i = 0; i < (int)big.size(); ++i) big[i] = {i, (double)(big.size() - i), 0};
    m_SortByTime(big.data(), 0, (int)big.size() - 1);
    CHECK(std::is_sorted(big.begin(), big.end(), [](const STIMERECORD& a, const STIMERECORD& b) {
        return a.time < b.time;
    }));
    for (STIMERECORD& r : big) r.time = 1.0;
    m_SortByTime(big.data(), 0, (int)big.size() - 1);
    CHECK(big.front().time == 1.0);

    m_SortByTime(records.data(), 3, 3);
    m_SortByTime(records.data(), 5, 2);
}
