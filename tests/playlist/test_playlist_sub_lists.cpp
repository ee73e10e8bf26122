#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/ToolWindowPlacement.h"
#include "filedata/PlayRangeState.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

// Two scanned tracks of ten minutes in the window: the first with two
// chapters, two ranges and two markers, the second with none; the list,
// the view settings and the playing state are reset afterwards.
struct SSubListFixture {
    SPLAYLISTVIEW savedView = g_PlaylistView;

    SSubListFixture()
    {
        g_Playlist.m_ClearPlayList();
        g_PlayingTrack = -1;
        REQUIRE(g_Playlist.m_AppendTrack(L"C:\\m\\a.avi"));
        REQUIRE(g_Playlist.m_AppendTrack(L"C:\\m\\b.avi"));
        for (int i = 0; i < 2; ++i) {
            STRACKINFO* t = g_Playlist.m_GetTrack(i);
            t->Scanned = 1;
            t->Milliseconds = 600000;
        }
        STRACKINFO* t = g_Playlist.m_GetTrack(0);
        t->ChapterCount = 2;
        t->Chapters = new SCHAPTERITEM[2]{{0.0, 90.0, L"", 0}, {90.0, 510.0, L"", 0}};
        t->RangeCount = 2;
        t->Ranges = new SPLAYRANGEITEM[2]{{-1, 30000, L""}, {60000, -1, L"Tail"}};
        t->MarkerCount = 2;
        t->Markers = new SMARKERITEM[2]{{30000, L""}, {61000, L"Intro"}};
        RECT rc = {0, 0, 300, 400};
        REQUIRE(g_Playlist.m_CreateWindow(&rc, 100));
    }
    ~SSubListFixture()
    {
        g_Playlist.m_DestroyWindow();
        g_Playlist.m_ClearPlayList();
        g_PlaylistView = savedView;
        g_PlayingTrack = -1;
        g_PlayRangeIndex = -1;
    }
    static HWND List(int id) { return g_Playlist.m_GetList(id); }
    static std::vector<std::wstring> Column(int id, int column)
    {
        std::vector<std::wstring> out;
        const int rows = (int)SendMessageW(List(id), LVM_GETITEMCOUNT, 0, 0);
        for (int row = 0; row < rows; ++row) {
            wchar_t text[300] = {};
            LVITEMW item = {};
            item.iSubItem = column;
            item.pszText = text;
            item.cchTextMax = 300;
            SendMessageW(List(id), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
            out.push_back(text);
        }
        return out;
    }
    static std::vector<int> Images(int id)
    {
        std::vector<int> out;
        const int rows = (int)SendMessageW(List(id), LVM_GETITEMCOUNT, 0, 0);
        for (int row = 0; row < rows; ++row) {
            LVITEMW item = {};
            item.mask = LVIF_IMAGE;
            item.iItem = row;
            SendMessageW(List(id), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            out.push_back(item.iImage);
        }
        return out;
    }
};

using Texts = std::vector<std::wstring>;

}  // namespace

TEST_CASE("chapter rows by the chapter form, with and without numbers and names")
{
    SSubListFixture f;
    struct {
        int form;
        Texts texts, times;
    } cases[] = {
        {0, {L"1, CHAPTER 1", L"2, CHAPTER 2"}, {L"0:00 ", L"1:30 "}},
        {1, {L"1, CHAPTER 1", L"2, CHAPTER 2"}, {L"1:30 ", L"8:30 "}},
        {2, {L"1, CHAPTER 1 (1:30)", L"2, CHAPTER 2 (8:30)"}, {L"0:00 ", L"1:30 "}},
        {3, {L"1, [0:00] CHAPTER 1", L"2, [1:30] CHAPTER 2"}, {L"1:30 ", L"8:30 "}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.form);
        g_PlaylistView.nChapter = c.form;
        g_Playlist.m_SetCurrentTrack(0);
        CHECK(f.Column(kChapterListId, 0) == c.texts);
        CHECK(f.Column(kChapterListId, 1) == c.times);
    }
    // One named chapter names them all (the other by its empty name).
    lstrcpyW(g_Playlist.m_GetTrack(0)->Chapters[1].Name, L"Song");
    g_PlaylistView.bNumber = 0;
    g_PlaylistView.nChapter = 0;
    g_Playlist.m_FillChapterList(-1, 0);
    CHECK(f.Column(kChapterListId, 0) == Texts{L"", L"Song"});
    CHECK(g_Playlist.m_GetTrack(0)->ChaptersNamed == 1);
}

TEST_CASE("range and marker rows; a range without ends runs from 0 to the track's length")
{
    SSubListFixture f;
    g_Playlist.m_SetCurrentTrack(0);
    CHECK(f.Column(kRangeListId, 0) == Texts{L"1, 0:00-0:30", L"2, 1:00-10:00 / Tail"});
    CHECK(f.Column(kRangeListId, 1) == Texts{L"0:30 ", L"9:00 "});
    CHECK(f.Column(kMarkerListId, 0) == Texts{L"1, 0:30", L"2, 1:01 / Intro"});
    // Not the playing track: every range idle.
    CHECK(f.Images(kRangeListId) == std::vector<int>{3, 3});
    g_PlayingTrack = 0;
    g_PlayRangeIndex = 1;
    g_Playlist.m_SelectPlayingRange();
    CHECK(f.Images(kRangeListId) == std::vector<int>{3, 2});
}

TEST_CASE("the shown track: kept, taken from the playing one, or none; counts follow it")
{
    SSubListFixture f;
    struct {
        int before, playing, asked, shown;
    } cases[] = {
        {-1, 1, -1, 1},                   // none shown: the playing one
        {0, 1, -1, 0},                    // -1 keeps a shown one
        {-1, 1, -2, -1},                  // -2 keeps even none
        {1, -1, -2, 1},  {0, -1, 5, -1},  // past the list: none
    };
    for (const auto& c : cases) {
        CAPTURE(c.asked);
        CAPTURE(c.before);
        g_Playlist.m_ShownTrack = c.before;
        g_PlayingTrack = c.playing;
        g_Playlist.m_SetCurrentTrack(c.asked);
        CHECK(g_Playlist.m_ShownTrack == c.shown);
    }
    g_PlayingTrack = -1;
    g_Playlist.m_SetCurrentTrack(0);
    // Chapters not from the information file count negative.
    CHECK(g_Playlist.m_W.TabCounts[0] == -2);
    CHECK(g_Playlist.m_W.TabCounts[1] == 2);
    CHECK(g_Playlist.m_W.TabCounts[2] == 2);
    g_Playlist.m_SetCurrentTrack(1);
    CHECK(f.Column(kChapterListId, 0).empty());
    CHECK(g_Playlist.m_W.TabCounts[1] == 0);
    // An unscanned track shows no rows.
    g_Playlist.m_GetTrack(0)->Scanned = 0;
    g_Playlist.m_SetCurrentTrack(0);
    CHECK(f.Column(kMarkerListId, 0).empty());
}

TEST_CASE("tabs show one sub-list; hiding the pane leaves the chapter list")
{
    SSubListFixture f;
    auto shown = [&] {
        std::vector<int> out;
        for (int id : {kChapterListId, kRangeListId, kMarkerListId})
            out.push_back((GetWindowLongW(f.List(id), GWL_STYLE) & WS_VISIBLE) ? 1 : 0);
        return out;
    };
    g_Playlist.m_SelectTab(2, 0);
    CHECK(shown() == std::vector<int>{0, 0, 1});
    CHECK(g_PlaylistView.nTab == 2);
    g_Playlist.m_W.SubHeight = 50;
    CHECK(g_Playlist.m_GetSubListId() == kMarkerListId);
    // Tabs past the three are ignored.
    g_Playlist.m_SelectTab(7, 1);
    g_Playlist.m_SelectTab(-1, 1);
    CHECK(g_Playlist.m_W.Tab == 2);

    g_Playlist.m_ShowTabs(0, 1);
    CHECK(shown() == std::vector<int>{1, 0, 0});
    CHECK(g_PlaylistView.nTab == -1);
    CHECK(g_Playlist.m_GetSubListId() == kChapterListId);
    // While hidden no tab can be chosen.
    g_Playlist.m_SelectTab(1, 0);
    CHECK(g_Playlist.m_W.Tab == 0);
    g_Playlist.m_ShowTabs(1, 1);
    CHECK(g_PlaylistView.nTab == 0);
    g_Playlist.m_W.SubHeight = 0;
    CHECK(g_Playlist.m_GetSubListId() == 0);
}
