// The shuffle order's life: when a build keeps, replaces or frees the order,
// and which pass survives.
#include <doctest/doctest.h>
#include <windows.h>

#include "base/Crc64.h"
#include "playlist/Playlist.h"
#include "playlist/Shuffle.h"

namespace {

void m_SetList(const wchar_t* path, int count)
{
    lstrcpynW(g_ListPath, path, MAX_PATH + 1);
    g_Playlist.m_Count = count;
}

}  // namespace

TEST_CASE("a build keeps a current order, rebuilds on a new count or path, and frees below 3")
{
    m_SetList(L"C:\\Lists\\a.zvpl", 5);
    m_Shuffle_Build(0);
    REQUIRE(g_ShuffleOrder != nullptr);
    CHECK(g_ShuffleSize == 4 * 5);
    CHECK(g_ShuffleSeed == m_Crc64String(L"C:\\Lists\\a.zvpl"));
    CHECK(g_ShuffleOrder[0] == static_cast<int>(g_ShuffleSeed % 5));
    const int* first = g_ShuffleOrder;
    g_ShufflePass = 2;

    // Current: the same table stays and the pass with it.
    m_Shuffle_Build(0);
    CHECK(g_ShuffleOrder == first);
    CHECK(g_ShufflePass == 2);

    // Another count or only another letter case: a new order, pass 0.
    m_SetList(L"C:\\Lists\\a.zvpl", 6);
    m_Shuffle_Build(0);
    CHECK(g_ShuffleSize == 4 * 6);
    CHECK(g_ShufflePass == 0);
    m_SetList(L"C:\\LISTS\\A.zvpl", 6);
    m_Shuffle_Build(0);
    CHECK(g_ShuffleSeed == m_Crc64String(L"C:\\LISTS\\A.zvpl"));
    CHECK(g_ShuffleSeed != m_Crc64String(L"C:\\Lists\\a.zvpl"));

    // Two entries: no order.
    m_SetList(L"C:\\Lists\\a.zvpl", 2);
    m_Shuffle_Build(1);
    CHECK(g_ShuffleOrder == nullptr);
    CHECK(g_ShuffleSize == 0);
    m_SetList(L"", 0);
}

TEST_CASE("a pass restored after the order was freed survives the next build")
{
    m_SetList(L"C:\\Lists\\b.zvpl", 7);
    m_Shuffle_Build(1);
    REQUIRE(g_ShuffleSize == 4 * 7);
    m_Shuffle_Free();  // the close
    CHECK(g_ShuffleOrder == nullptr);
    CHECK(g_ShufflePass == 0);

    g_ShufflePass = 2;  // from the resume record at the next open
    m_Shuffle_Free();
    CHECK(g_ShufflePass == 2);
    m_Shuffle_Build(1);
    CHECK(g_ShufflePass == 2);
    CHECK(g_ShuffleSize == 4 * 7);
    m_Shuffle_Free();
    m_SetList(L"", 0);
}

TEST_CASE("an empty path seeds 0, so the order starts with entry 0")
{
    m_SetList(L"", 3);
    m_Shuffle_Build(1);
    REQUIRE(g_ShuffleSize == 9);
    CHECK(g_ShuffleSeed == 0);
    CHECK(g_ShuffleOrder[0] == 0);
    m_Shuffle_Free();
    m_SetList(L"", 0);
}
