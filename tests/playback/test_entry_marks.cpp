// The playing entry's chapters, ranges and markers, and what closing the
// open item leaves behind.
#include <doctest/doctest.h>
#include <windows.h>

#include <vector>

#include "app/WindowHelpers.h"
#include "playback/EntryMarks.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

namespace {

std::vector<SCHAPTERITEM> m_Chapters(int count, const wchar_t* name = L"")
{
    std::vector<SCHAPTERITEM> items(count);
    for (int i = 0; i < count; ++i) {
        items[i].Start = i * 10.0;
        lstrcpynW(items[i].Name, name, kChapterNameCap);
        items[i].Check = 7;  // not taken from the source: the slot's flag is
    }
    return items;
}

}  // namespace

TEST_CASE("the entry takes a copy of the chapters and keeps each slot's unchecked flag")
{
    STRACKINFO track = {};
    track.ChapterUnchecked[1] = 1;
    track.ChapterUnchecked[5] = 1;  // beyond the new count: kept for later
    struct Row {
        int count;
        const wchar_t* name;
        int fromInfo, taken, named, checked;
    };
    const Row rows[] = {
        {4, L"", 0, 4, 0, 3},     // one of four unchecked
        {4, L"Intro", 1, 4, 1, 3},
        {300, L"", 0, kFileInfoItemCap, 0, kFileInfoItemCap - 2},  // cut to 199
        {0, L"", 1, 0, 0, 0},  // none: empty, not from the information file
    };
    for (const Row& r : rows) {
        CAPTURE(r.count);
        std::vector<SCHAPTERITEM> items = m_Chapters(r.count, r.name);
        CHECK(m_Track_TakeChapters(&track, items.data(), r.count, r.fromInfo) == r.taken);
        CHECK(track.ChapterCount == r.taken);
        CHECK(int(track.ChaptersNamed) == r.named);
        CHECK(int(track.CheckedChapters) == r.checked);
        CHECK(int(track.ChaptersFromInfo) == (r.taken ? r.fromInfo : 0));
        if (r.taken) {
            CHECK(track.Chapters != items.data());  // the entry owns its copy
            CHECK(track.Chapters[r.taken - 1].Start == items[r.taken - 1].Start);
            CHECK(track.Chapters[1].Check == 1);
            CHECK(track.Chapters[0].Check == 0);
        } else {
            CHECK(track.Chapters == nullptr);
        }
        CHECK(track.ChapterUnchecked[5] == 1);
    }
    CHECK(m_Track_TakeChapters(&track, nullptr, 3, 0) == 0);
    CHECK(m_Track_TakeChapters(nullptr, nullptr, 3, 0) == 0);
    m_Track_Release(&track);
}

TEST_CASE("the entry takes the file's ranges and markers; a kind the file lacks stays")
{
    STRACKINFO track = {};
    static SFILEINFO info;
    m_FileInfo_Clear(&info);
    info.RangeCount = 2;
    info.Ranges[1] = {1000, -1, L"tail"};
    info.MarkerCount = 1;
    info.Markers[0] = {2500, L"m"};
    CHECK(m_Track_TakeRangesAndMarkers(&track, &info) == 1);
    CHECK(track.RangeCount == 2);
    CHECK(track.Ranges[1].start == 1000);
    CHECK(track.Ranges[1].end == -1);
    CHECK(track.MarkerCount == 1);
    CHECK(track.Markers[0].position == 2500);
    // A file with markers only leaves the entry's ranges as they were.
    info.RangeCount = 0;
    info.MarkerCount = kFileInfoItemCap + 5;  // a count past the table is cut
    CHECK(m_Track_TakeRangesAndMarkers(&track, &info) == 1);
    CHECK(track.RangeCount == 2);
    CHECK(track.MarkerCount == kFileInfoItemCap);
    CHECK(m_Track_TakeRangesAndMarkers(&track, nullptr) == 0);
    m_Track_Release(&track);
}

TEST_CASE("closing the item re-applies always-on-top and ends check-box mode")
{
    g_Playlist.m_AppendTrack(L"C:\\media\\a.avi");
    g_Playlist.m_CheckMode = 1;
    g_PlayingTrack = 0;
    g_ListType = 1;
    g_MediaOpen = 1;
    g_PlayStarted = 1;
    g_PlayState = 5;
    const int before = g_TopMostStateCalls;
    m_CloseFile(0, 0, 1, 0);
    CHECK(g_TopMostStateCalls > before);
    CHECK(g_PlayState == 0);
    CHECK(g_MediaOpen == 0);
    CHECK(g_Playlist.m_CheckMode == 0);
    CHECK(g_Playlist.m_GetCount() == 0);
}
