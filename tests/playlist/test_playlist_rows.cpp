#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/ToolWindowPlacement.h"
#include "filedata/DataFiles.h"
#include "playlist/NameElision.h"
#include "playlist/Playlist.h"

namespace {

// Three tracks in the list window; the list and view settings are reset
// afterwards.
struct SRowsFixture {
    SPLAYLISTVIEW savedView = g_PlaylistView;

    SRowsFixture()
    {
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_SetCheckMode(0);
        g_PlayingTrack = -1;
        const wchar_t* paths[] = {L"C:\\m\\b.wav", L"C:\\m\\a.wav", L"C:\\m\\c.mp3"};
        for (const wchar_t* p : paths) REQUIRE(g_Playlist.m_AppendTrack(p));
        lstrcpyW(g_Playlist.m_GetTrack(0)->Name, L"Bee");
        g_Playlist.m_GetTrack(0)->Milliseconds = 3600000;
        g_Playlist.m_GetTrack(1)->Milliseconds = -1000;
        g_Playlist.m_GetTrack(2)->Milliseconds = 61500;
        RECT rc = {0, 0, 300, 300};
        REQUIRE(g_Playlist.m_CreateWindow(&rc, 100));
    }
    ~SRowsFixture()
    {
        g_Playlist.m_DestroyWindow();
        g_Playlist.m_SetCheckMode(0);
        g_Playlist.m_ClearPlayList();
        g_PlaylistView = savedView;
    }
    static std::wstring Text(int row, int column)
    {
        wchar_t text[300] = {};
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 300;
        SendMessageW(g_Playlist.m_GetTrackList(), LVM_GETITEMTEXTW, row,
                     reinterpret_cast<LPARAM>(&item));
        return text;
    }
    // State image: 0 none, 1 cleared, 2 set.
    static int Check(int row)
    {
        const UINT state = (UINT)SendMessageW(g_Playlist.m_GetTrackList(), LVM_GETITEMSTATE, row,
                                              LVIS_STATEIMAGEMASK);
        return (int)(state >> 12);
    }
    static int HasCheckBoxes()
    {
        const DWORD style = (DWORD)SendMessageW(g_Playlist.m_GetTrackList(),
                                                LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        return (style & LVS_EX_CHECKBOXES) ? 1 : 0;
    }
};

}  // namespace

TEST_CASE("row time texts")
{
    struct {
        INT64 ms;
        const wchar_t* text;
    } cases[] = {
        {0, L""},          {-1, L""},         {-3600000, L""},    {1, L"0:00 "},
        {499, L"0:00 "},   {500, L"0:01 "},   {61500, L"1:02 "},  {3599000, L"59:59 "},
        {3599499, L"59:59 "}, {3599500, L"1:00:00 "}, {3600000, L"1:00:00 "},
        {36000000 + 61000, L"10:01:01 "},
    };
    for (const auto& c : cases) {
        CAPTURE(c.ms);
        wchar_t text[32];
        CPlaylist::m_FormatRowTime(c.ms, text, 32);
        CHECK(std::wstring(text) == c.text);
    }
}

TEST_CASE("track rows show number, name and time by the view settings")
{
    SRowsFixture f;
    CHECK(f.Text(0, 0) == L"1, Bee");
    CHECK(f.Text(1, 0) == L"2, a.wav");
    CHECK(f.Text(2, 0) == L"3, c.mp3");
    CHECK(f.Text(0, 1) == L"1:00:00 ");
    CHECK(f.Text(1, 1) == L"");  // negative duration
    CHECK(f.Text(2, 1) == L"1:02 ");

    g_PlaylistView.bNumber = 0;
    g_PlaylistView.bExtension = 0;
    g_PlaylistView.bOmit = 1;
    lstrcpyW(g_Playlist.m_GetTrack(2)->Elided, L"see");
    g_Playlist.m_RefreshTrackRows();
    CHECK(f.Text(0, 0) == L"Bee");
    CHECK(f.Text(1, 0) == L"a");
    CHECK(f.Text(2, 0) == L"see");
    g_PlaylistView.bOmit = 0;
    g_Playlist.m_RefreshTrackRows();
    CHECK(f.Text(2, 0) == L"c");
}

TEST_CASE("check boxes follow the mode and the check-state text")
{
    SRowsFixture f;
    CHECK(f.HasCheckBoxes() == 0);

    g_Playlist.m_ApplyCheckString(L"5:3");
    CHECK(g_Playlist.m_CheckMode == 1);
    CHECK(f.HasCheckBoxes() == 1);
    CHECK(std::vector<int>{f.Check(0), f.Check(1), f.Check(2)} == std::vector<int>{1, 2, 1});
    CHECK(g_Playlist.m_CheckedTracks == 1);
    g_Playlist.m_GetTrack(0)->ChapterCount = 4;
    CHECK(g_Playlist.m_CountCheckedChapters(0) == 2);

    // Toggling a row changes its flag, its box and the count.
    CHECK(g_Playlist.m_ToggleCheck(0, 0, -1) == 1);
    CHECK(f.Check(0) == 2);
    CHECK(g_Playlist.m_CheckedTracks == 2);
    CHECK(g_Playlist.m_ToggleCheck(0, 1, 0) == 1);
    CHECK(f.Check(1) == 1);
    CHECK(g_Playlist.m_ToggleCheck(0, 3, 1) == 0);

    // A rebuilt list keeps the boxes.
    g_Playlist.m_RebuildTrackList();
    CHECK(std::vector<int>{f.Check(0), f.Check(1), f.Check(2)} == std::vector<int>{2, 1, 1});

    // "+" keeps the flags but hides the boxes; every track counts.
    g_Playlist.m_ApplyCheckString(L"+1");
    CHECK(g_Playlist.m_CheckMode == 0);
    CHECK(f.HasCheckBoxes() == 0);
    CHECK(g_Playlist.m_CheckedTracks == 3);
    CHECK(g_Playlist.m_CountCheckedChapters(0) == 4);
    CHECK(g_Playlist.m_GetTrack(0)->Unchecked == 1);
}

TEST_CASE("a refreshed list holds the rows a rebuild makes, whatever happened to them")
{
    SRowsFixture f;
    HWND list = g_Playlist.m_GetTrackList();
    auto setState = [list](int row, UINT state, UINT mask) {
        LVITEMW item = {};
        item.state = state;
        item.stateMask = mask;
        SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    };
    struct {
        const char* what;
        std::function<void()> change;
        std::vector<std::wstring> names, times;
        std::vector<int> checks;
    } cases[] = {
        {"nothing",
         [] {},
         {L"1, Bee", L"2, a.wav", L"3, c.mp3"},
         {L"1:00:00 ", L"", L"1:02 "},
         {0, 0, 0}},
        {"a row selected and focused",
         [&] { setState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); },
         {L"1, Bee", L"2, a.wav", L"3, c.mp3"},
         {L"1:00:00 ", L"", L"1:02 "},
         {0, 0, 0}},
        {"a row marked cut",
         [&] { setState(2, LVIS_CUT, LVIS_CUT); },
         {L"1, Bee", L"2, a.wav", L"3, c.mp3"},
         {L"1:00:00 ", L"", L"1:02 "},
         {0, 0, 0}},
        {"a name and a time changed in the tracks only",
         [] {
             lstrcpyW(g_Playlist.m_GetTrack(2)->Name, L"Sea");
             g_Playlist.m_GetTrack(1)->Milliseconds = 125000;
         },
         {L"1, Bee", L"2, a.wav", L"3, Sea"},
         {L"1:00:00 ", L"2:05 ", L"1:02 "},
         {0, 0, 0}},
        {"a row deleted from the list",
         [list] { SendMessageW(list, LVM_DELETEITEM, 0, 0); },
         {L"1, Bee", L"2, a.wav", L"3, Sea"},
         {L"1:00:00 ", L"2:05 ", L"1:02 "},
         {0, 0, 0}},
        {"check boxes on and a track unchecked behind the list",
         [] {
             g_Playlist.m_SetCheckMode(1);
             g_Playlist.m_GetTrack(1)->Unchecked = 1;
         },
         {L"1, Bee", L"2, a.wav", L"3, Sea"},
         {L"1:00:00 ", L"2:05 ", L"1:02 "},
         {2, 1, 2}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.what);
        c.change();
        g_Playlist.m_RefreshPlayList();
        REQUIRE(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3);
        for (int row = 0; row < 3; ++row) {
            CAPTURE(row);
            CHECK(f.Text(row, 0) == c.names[row]);
            CHECK(f.Text(row, 1) == c.times[row]);
            CHECK(f.Check(row) == c.checks[row]);
            CHECK(SendMessageW(list, LVM_GETITEMSTATE, row, ~(UINT)LVIS_STATEIMAGEMASK) == 0);
        }
        CHECK(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) == -1);
    }
}

TEST_CASE("list titles by the kind of the open item")
{
    lstrcpyW(g_DefaultPlaylistPath, L"C:\\data\\Default.zvpl");
    struct {
        UINT type;
        int count;
        const wchar_t* path;
        int modified;
        int docked;
        const wchar_t* title;
    } cases[] = {
        {LIST_NONE, 0, L"", 0, 1, L"PLAYLIST"},
        {LIST_NONE, 0, L"", 0, 0, L"PLAYLIST - ZENTAVIO"},
        {LIST_SINGLE, 1, L"C:\\m\\a.wav", 0, 1, L"PLAYLIST"},
        {LIST_UNSAVED, 2, L"", 1, 0, L"PLAYLIST - ZENTAVIO"},
        {LIST_FOLDER, 2, L"C:\\m\\clips", 0, 1, L"clips"},
        {LIST_ZVPL, 0, L"C:\\m\\list.zvpl", 1, 0, L"PLAYLIST - ZENTAVIO"},  // empty list
        {LIST_ZVPL, 2, L"C:\\m\\list.zvpl", 1, 0, L"*list.zvpl"},
        {LIST_M3U, 2, L"C:\\m\\list.m3u8", 0, 1, L"list.m3u8"},
        {LIST_ZVPL, 2, L"c:\\DATA\\default.zvpl", 1, 1, L"DEFAULT PLAYLIST"},
        {LIST_FOLDERLIST, 2, L"C:\\m\\zentavio_fldrmg.zvpl", 1, 1, L"zentavio_fldrmg.zvpl (ZVPL)"},
        {LIST_BOOKMARK, 2, L"C:\\m\\a.zvbm", 0, 0, L""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.type);
        CAPTURE(c.docked);
        wchar_t title[CPlaylist::kTitleCap];
        CPlaylist::m_MakeTitle(c.type, c.count, c.path, c.modified, c.docked, title,
                               CPlaylist::kTitleCap);
        CHECK(std::wstring(title) == c.title);
    }
    // A long name is cut to the title's room.
    std::wstring longPath = L"C:\\" + std::wstring(200, L'x') + L".zvpl";
    wchar_t title[CPlaylist::kTitleCap];
    CPlaylist::m_MakeTitle(LIST_ZVPL, 1, longPath.c_str(), 0, 1, title, CPlaylist::kTitleCap);
    CHECK(wcslen(title) == 99);
    g_DefaultPlaylistPath[0] = 0;
}

namespace {

int m_TenPerChar(const wchar_t*, int length, void*) { return length * 10; }

std::vector<std::wstring> m_Pieces(const wchar_t* name)
{
    SNAMEPIECES pieces;
    m_SplitWords(name, &pieces);
    std::vector<std::wstring> out;
    for (int i = 0; i < pieces.count; ++i)
        out.push_back(std::wstring(name + pieces.start[i], pieces.start[i + 1] - pieces.start[i]));
    return out;
}

// Elided names at a column width of `available` pixels, 10 per character.
std::vector<std::wstring> m_Elide(std::vector<const wchar_t*> names, int available,
                                  int numberOn, const wchar_t* listName = L"")
{
    SELIDEREQUEST request = {names.data(), (int)names.size(), listName, available, numberOn,
                             m_TenPerChar, nullptr};
    std::vector<wchar_t[kTrackElidedCap]> out(names.size());
    if (!m_ElideNames(request, out.data())) return {};
    std::vector<std::wstring> texts;
    for (auto& t : out) texts.push_back(t);
    return texts;
}

using Texts = std::vector<std::wstring>;

}  // namespace

TEST_CASE("names are cut into pieces")
{
    struct {
        const wchar_t* name;
        Texts pieces;
    } cases[] = {
        {L"Show Season 01 Alpha.mkv", {L"Show ", L"Season ", L"01 ", L"Alpha", L".mkv"}},
        {L"Live [Disc 1 (A)] #3.mp4", {L"Live ", L"[Disc 1 (A)] ", L"#3", L".mp4"}},
        {L"a(b c)d", {L"a", L"(b c)d"}},
        {L"番組「第1話 出発」第2話", {L"番組", L"「第1話 出発」", L"第2話"}},
        {L"# x", {L"# ", L"x"}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.pieces.size());
        CHECK(m_Pieces(c.name) == c.pieces);
    }
    // Only the first 128 characters are looked at.
    std::wstring longName(300, L'x');
    SNAMEPIECES pieces;
    m_SplitWords(longName.c_str(), &pieces);
    CHECK(pieces.count == 1);
    CHECK(pieces.start[1] == 128);
}

TEST_CASE("elision leaves out shared pieces in order until the widest name fits")
{
    const std::vector<const wchar_t*> show = {L"Show Season 01 Alpha.mkv",
                                              L"Show Season 02 Beta.mkv",
                                              L"Show Season 03 Gamma.mkv"};
    struct {
        int available;
        int numberOn;
        const wchar_t* listName;
        Texts expected;
    } cases[] = {
        // Room enough: nothing is left out.
        {240, 0, L"", {L"Show Season 01 Alpha.mkv", L"Show Season 02 Beta.mkv", L"Show Season 03 Gamma.mkv"}},
        // Shared trailing pieces go first.
        {200, 0, L"", {L"Show Season 01 Alpha", L"Show Season 02 Beta", L"Show Season 03 Gamma"}},
        // Then shared leading pieces from the front, up to the first that differs.
        {199, 0, L"", {L"01 Alpha", L"02 Beta", L"03 Gamma"}},
        // The number (1, 2, 3) goes last, and only with numbers shown.
        {40 + 50, 1, L"", {L"Alpha", L"Beta", L"Gamma"}},
        {50, 0, L"", {L"01 Alpha", L"02 Beta", L"03 Gamma"}},
        // Pieces naming the list go before the other shared ones.
        {150, 0, L"Show", {L"Season 01 Alpha", L"Season 02 Beta", L"Season 03 Gamma"}},
        {149, 0, L"Show", {L"01 Alpha", L"02 Beta", L"03 Gamma"}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.available);
        CAPTURE(c.numberOn);
        CHECK(m_Elide(show, c.available, c.numberOn, c.listName) == c.expected);
    }
}

TEST_CASE("the number position needs numbers running 1, 2, 3")
{
    CHECK(m_Elide({L"Ep 02 a.wav", L"Ep 03 bb.wav", L"Ep 04 c.wav"}, 20, 1) ==
          Texts{L"02 a", L"03 bb", L"04 c"});
    CHECK(m_Elide({L"Ep 01 a.wav", L"Ep 03 bb.wav", L"Ep 02 c.wav"}, 20, 1) ==
          Texts{L"01 a", L"03 bb", L"02 c"});
    CHECK(m_Elide({L"Ep #1 a.wav", L"Ep #2 bb.wav", L"Ep #3 c.wav"}, 20, 1) ==
          Texts{L"a", L"bb", L"c"});
    // Leaving out everything would leave nothing: the number stays.
    CHECK(m_Elide({L"Ep 1.wav", L"Ep 2.wav"}, 0, 1) == Texts{L"1", L"2"});
    // Names sharing nothing are left alone.
    CHECK(m_Elide({L"alpha.mkv", L"beta.mp4"}, 0, 0).empty());
}

TEST_CASE("the track list shows elided names with Omt on")
{
    SRowsFixture f;
    lstrcpyW(g_Playlist.m_GetTrack(0)->Path, L"C:\\m\\Show Season 01 Alpha.mkv");
    lstrcpyW(g_Playlist.m_GetTrack(1)->Path, L"C:\\m\\Show Season 02 Beta.mkv");
    lstrcpyW(g_Playlist.m_GetTrack(2)->Path, L"C:\\m\\Show Season 03 Gamma.mkv");
    g_Playlist.m_GetTrack(0)->Name[0] = 0;
    SendMessageW(g_Playlist.m_GetTrackList(), LVM_SETCOLUMNWIDTH, 0, 60);
    g_PlaylistView.bOmit = 1;
    g_PlaylistView.bNumber = 0;
    g_Playlist.m_RefreshTrackRows();
    CHECK(f.Text(0, 0) == L"01 Alpha");
    CHECK(f.Text(2, 0) == L"03 Gamma");
    SendMessageW(g_Playlist.m_GetTrackList(), LVM_SETCOLUMNWIDTH, 0, 600);
    CHECK(g_Playlist.m_ElideTrackNames() == 1);
    const std::wstring full = g_Playlist.m_GetTrack(0)->Elided;
    CAPTURE(std::string(full.begin(), full.end()));
    CHECK(full == L"Show Season 01 Alpha.mkv");
    CHECK(g_Playlist.m_ElideTrackNames() == 0);
}
