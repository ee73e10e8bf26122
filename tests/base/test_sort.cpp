#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <shlwapi.h>

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

namespace {

// The order is a permutation and sorted by StrCmpLogicalW, pair by pair.
void m_CheckLogicalOrder(const std::vector<const wchar_t*>& texts, const std::vector<int>& order)
{
    std::vector<int> seen(order.begin(), order.end());
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < (int)seen.size(); ++i) REQUIRE(seen[i] == i);
    for (size_t i = 1; i < order.size(); ++i) {
        const wchar_t* a = texts[order[i - 1]] ? texts[order[i - 1]] : L"";
        const wchar_t* b = texts[order[i]] ? texts[order[i]] : L"";
        INFO("at ", i);
        CHECK(StrCmpLogicalW(a, b) <= 0);
    }
}

std::vector<int> m_OrderLogical(const std::vector<const wchar_t*>& texts)
{
    std::vector<int> order(texts.size()), scratch(2 * texts.size());
    m_SortIndexLogical(texts.data(), order.data(), scratch.data(), (int)texts.size());
    return order;
}

}  // namespace

TEST_CASE("m_SortIndexLogical orders as StrCmpLogicalW where a plain guess goes wrong")
{
    // Symbols, accents, kana and case that code order places otherwise
    // than the natural order does, numbers with leading zeros, null.
    std::vector<const wchar_t*> texts = {L"file10.mp4",
                                         L"file9.mp4",
                                         L"File1.mp4",
                                         L"a_b",
                                         L"a-b",
                                         L"ab",
                                         L"A",
                                         L"_x",
                                         L"\u00e9t\u00e9",
                                         L"ete",
                                         L"fin",
                                         L"\u30c6\u30b9\u30c8",
                                         L"\u3066\u3059\u3068",
                                         L"x007",
                                         L"x7",
                                         L"x08",
                                         L"",
                                         nullptr,
                                         L"Zeta",
                                         L"alpha 2 beta 10",
                                         L"alpha 2 beta 9",
                                         L"[1]",
                                         L"(1)"};
    const std::vector<int> order = m_OrderLogical(texts);
    m_CheckLogicalOrder(texts, order);
    const std::vector<int> byPath = {2, 1, 0};
    std::vector<const wchar_t*> three = {texts[0], texts[1], texts[2]};
    CHECK(m_OrderLogical(three) == byPath);
}

TEST_CASE("m_SortIndexLogical on many generated names, sorted or reversed or not")
{
    const wchar_t pieces[] = L"aAbB_-. 019\u8a18\u9332\u00e9Z";
    std::vector<std::wstring> store;
    unsigned int seed = 99;
    for (int i = 0; i < 700; ++i) {
        std::wstring name;
        const int length = 1 + (int)(seed % 9);
        for (int k = 0; k < length; ++k) {
            seed = seed * 1103515245u + 12345u;
            name += pieces[(seed >> 16) % (sizeof(pieces) / sizeof(pieces[0]) - 1)];
        }
        store.push_back(name);
    }
    std::vector<const wchar_t*> texts;
    for (const std::wstring& s : store) texts.push_back(s.c_str());
    std::vector<int> order = m_OrderLogical(texts);
    m_CheckLogicalOrder(texts, order);

    std::vector<const wchar_t*> sorted, reversed;
    for (int i : order) sorted.push_back(texts[i]);
    reversed.assign(sorted.rbegin(), sorted.rend());
    m_CheckLogicalOrder(sorted, m_OrderLogical(sorted));
    m_CheckLogicalOrder(reversed, m_OrderLogical(reversed));
}

TEST_CASE("m_SortIndexByKey orders indexes by key and leaves the keys")
{
    const INT64 keys[] = {5, -7, 0x7FFFFFFFFFFFFFFFLL, 5, 0, 1000};
    int order[6];
    m_SortIndexByKey(keys, order, 6);
    for (int i = 1; i < 6; ++i) CHECK(keys[order[i - 1]] <= keys[order[i]]);
    CHECK(order[0] == 1);
    CHECK(order[5] == 2);
    CHECK(keys[0] == 5);
}
