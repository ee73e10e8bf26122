#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include "playlist/Playlist.h"

namespace {

// The playlist window with n tracks in its track list; closed afterwards.
struct SDragFixture {
    explicit SDragFixture(int n)
    {
        g_Playlist.m_ClearPlayList();
        RECT rc = {0, 0, 300, 300};
        REQUIRE(g_Playlist.m_CreateWindow(&rc, 100));
        for (int i = 0; i < n; ++i) REQUIRE(g_Playlist.m_AppendTrack(L"C:\\clip.mp4"));
        g_Playlist.m_RebuildTrackList();
        list = g_Playlist.m_GetTrackList();
        REQUIRE(list);
    }
    ~SDragFixture()
    {
        g_Playlist.m_DestroyWindow();
        g_Playlist.m_ClearPlayList();
    }
    RECT Row(int row) const
    {
        RECT rc = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc));
        return rc;
    }
    static int At(int y) { return g_Playlist.m_GetDropIndex(POINT{10, y}); }
    HWND list = nullptr;
};

}  // namespace

TEST_CASE("drag auto-scroll speed and interval")
{
    struct Speed {
        int distance, space, speed;
    };
    const Speed speeds[] = {
        {0, 50, 0},    {50, 100, 50}, {100, 50, 200}, {150, 200, 100},
        {30, 300, 30}, {10, 0, 0},    {10, -5, 0},    {1, 1, 100},
    };
    for (const Speed& c : speeds) {
        CAPTURE(c.distance);
        CAPTURE(c.space);
        CHECK(m_Playlist_DragScrollSpeed(c.distance, c.space) == c.speed);
    }
    const int limits[][2] = {{0, 200}, {24, 200}, {25, 100}, {-30, 100}, {49, 100}, {50, 50},
                             {74, 50}, {75, 25},  {99, 25},  {100, 10},  {-200, 10}};
    for (const auto& c : limits) {
        CAPTURE(c[0]);
        CHECK(m_Playlist_DragScrollInterval(c[0]) == (UINT)c[1]);
    }
}

TEST_CASE("the insertion index under a point")
{
    SDragFixture f(5);
    const RECT row0 = f.Row(0), row2 = f.Row(2), row4 = f.Row(4);
    REQUIRE(row2.bottom > row2.top + 4);
    const int middle2 = (row2.top + row2.bottom) / 2;
    CHECK(f.At(row0.top - 1) == 0);
    CHECK(f.At(row2.top) == 2);
    CHECK(f.At(middle2 - 1) == 2);
    CHECK(f.At(middle2) == 3);
    CHECK(f.At(row2.bottom - 1) == 3);
    CHECK(f.At((row4.top + row4.bottom) / 2) == 5);
    CHECK(f.At(row4.bottom + 100) == 5);
    CHECK(g_Playlist.m_HasVScroll(f.list) == 0);
    RECT window;
    GetWindowRect(f.list, &window);
    CHECK(g_Playlist.m_GetListWidth(f.list) == window.right - window.left);
}

TEST_CASE("a scrolled list inserts from its top visible row; its width leaves out the scroll bar")
{
    SDragFixture f(60);
    REQUIRE(g_Playlist.m_HasVScroll(f.list) == 1);
    SendMessageW(f.list, LVM_ENSUREVISIBLE, 59, FALSE);
    const int top = (int)SendMessageW(f.list, LVM_GETTOPINDEX, 0, 0);
    REQUIRE(top > 0);
    CHECK(f.At(f.Row(top).top - 1) == top);
    CHECK(f.At(f.Row(59).bottom + 5) == 60);
    RECT client;
    GetClientRect(f.list, &client);
    CHECK(g_Playlist.m_GetListWidth(f.list) == client.right);
    RECT window;
    GetWindowRect(f.list, &window);
    CHECK(client.right < window.right - window.left);
}

TEST_CASE("an empty list has no insertion index")
{
    SDragFixture f(0);
    CHECK(f.At(5) == -1);
    CHECK(g_Playlist.m_OnDragTimer() == 0);
}
