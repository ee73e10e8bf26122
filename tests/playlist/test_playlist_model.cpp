#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "base/Shortcut.h"
#include "jumplist/JumpListTrack.h"
#include "library/RecentRecords.h"
#include "playlist/Playlist.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

// Media files in a temp folder and an empty playlist; the list is cleared
// and the open-item globals reset afterwards.
struct SListFixture {
    CTempFolder folder;

    SListFixture()
    {
        g_IniPath[0] = 0;
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_MarkSaved();
        g_ListType = LIST_NONE;
        g_ListPath[0] = 0;
        g_ListModified = 0;
        g_PlayingTrack = g_TrackAfterDelete = g_JumpListTrack = -1;
    }
    ~SListFixture()
    {
        g_Playlist.m_DestroyWindow();
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_MarkSaved();
    }

    std::wstring Make(const std::wstring& name) { return folder.MakeFile(name, "x"); }

    // Files t0.mp4 .. t<n-1>.mp4 added as tracks.
    void AddTracks(int n)
    {
        for (int i = 0; i < n; ++i) REQUIRE(g_Playlist.m_AddPlayListFile(Make(Name(i)).c_str(), 0));
    }
    static std::wstring Name(int i) { return L"t" + std::to_wstring(i) + L".mp4"; }

    // The tracks by their number in the file name, in list order.
    static std::vector<int> Order()
    {
        std::vector<int> out;
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
            const wchar_t* name = wcsrchr(g_Playlist.m_GetTrack(i)->Path, L'\\');
            out.push_back(name ? _wtoi(name + 2) : -1);
        }
        return out;
    }

    void CreateWindowList()
    {
        RECT rc = {0, 0, 300, 400};
        REQUIRE(g_Playlist.m_CreateWindow(&rc, 100));
        REQUIRE(g_Playlist.m_GetTrackList());
    }
    static void Select(std::initializer_list<int> rows)
    {
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i) g_Playlist.m_SetRowSelected(i, 0);
        for (int row : rows) g_Playlist.m_SetRowSelected(row, 1);
    }
    static std::vector<int> Selected()
    {
        std::vector<int> out;
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i)
            if (g_Playlist.m_IsRowSelected(i)) out.push_back(i);
        return out;
    }
    // Every row's item data is its own track record.
    static bool RowsPointAtTracks()
    {
        HWND list = g_Playlist.m_GetTrackList();
        if ((int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != g_Playlist.m_GetCount())
            return false;
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
            LVITEMW item = {};
            item.mask = LVIF_PARAM;
            item.iItem = i;
            SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            if (item.lParam != reinterpret_cast<LPARAM>(g_Playlist.m_GetTrack(i))) return false;
        }
        return true;
    }
};

}  // namespace

TEST_CASE("adding paths: only existing playable files, and what the open item becomes")
{
    SListFixture f;
    CHECK(g_Playlist.m_AddPlayListFile(f.folder.Join(L"missing.mp4").c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_AddPlayListFile(f.Make(L"notes.txt").c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_AddPlayListFile(f.Make(L"data.xyz").c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_AddPlayListFile(L"", 0) == FALSE);
    CHECK(g_Playlist.m_GetCount() == 0);
    CHECK(g_ListType == LIST_NONE);

    const std::wstring clip = f.Make(L"クリップ.MKV");
    CHECK(g_Playlist.m_AddPlayListFile(clip.c_str(), 0) == TRUE);
    REQUIRE(g_Playlist.m_GetCount() == 1);
    CHECK(std::wstring(g_Playlist.m_GetTrack(0)->Path) == clip);
    CHECK(g_Playlist.m_GetTrack(0)->LoadedIndex == -1);
    CHECK(g_Playlist.m_GetTrack(1) == nullptr);
    CHECK(g_Playlist.m_GetTrack(-1) == nullptr);

    struct Case {
        UINT typeBefore;
        UINT typeAfter;
        int modified;
        bool pathKept;
    };
    const Case cases[] = {
        {LIST_NONE, LIST_UNSAVED, 0, false}, {LIST_SINGLE, LIST_UNSAVED, 0, false},
        {LIST_ZVPL, LIST_ZVPL, 1, true},     {LIST_M3U, LIST_M3U, 1, true},
        {LIST_FOLDER, LIST_FOLDER, 1, true}, {LIST_UNSAVED, LIST_UNSAVED, 0, true},
    };
    for (const Case& c : cases) {
        CAPTURE(c.typeBefore);
        g_ListType = c.typeBefore;
        g_ListModified = 0;
        lstrcpynW(g_ListPath, L"D:\\list.zvpl", MAX_PATH + 1);
        CHECK(g_Playlist.m_AddPlayListFile(clip.c_str(), 0) == TRUE);
        CHECK(g_ListType == c.typeAfter);
        CHECK(g_ListModified == c.modified);
        CHECK((g_ListPath[0] != 0) == c.pathKept);
    }
    g_ListType = LIST_ZVPL;
    g_ListModified = 0;
    CHECK(g_Playlist.m_AddPlayListFile(f.folder.Join(L"gone.mp4").c_str(), 0) == FALSE);
    CHECK(g_ListModified == 0);  // nothing added, nothing changed
}

TEST_CASE("a long path and a file deleted before adding")
{
    SListFixture f;
    std::wstring name = L"n";
    const size_t room = MAX_PATH - 1 - f.folder.Path().size() - 4;
    while (name.size() < room) name += L"n";
    const std::wstring longPath = f.Make(name + L".mp4");
    REQUIRE(longPath.size() == MAX_PATH - 1);
    CHECK(g_Playlist.m_AddPlayListFile(longPath.c_str(), 0) == TRUE);
    CHECK(std::wstring(g_Playlist.m_GetTrack(0)->Path) == longPath);

    // Through the long-path prefix a longer path exists, but a track cannot
    // hold it: refused, not stored cut.
    const std::wstring longer = L"\\\\?\\" + longPath.substr(0, longPath.size() - 4) + L"xx.mp4";
    HANDLE file = CreateFileW(longer.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    CloseHandle(file);
    CHECK(g_Playlist.m_AddPlayListFile(longer.c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_GetCount() == 1);
    CHECK(DeleteFileW(longer.c_str()));
    CHECK(g_Playlist.m_AppendTrack(longer.c_str()) == 0);
    CHECK(g_Playlist.m_AppendTrack((longPath + L"x").c_str()) == 1);  // 260 characters fit

    const std::wstring gone = f.Make(L"gone.avi");
    REQUIRE(DeleteFileW(gone.c_str()));
    CHECK(g_Playlist.m_AddPlayListFile(gone.c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_GetCount() == 2);
}

TEST_CASE("the list stops at 1000 tracks and logs E1010")
{
    SListFixture f;
    lstrcpynW(g_ExePath, f.folder.Join(L"Zentavio.exe").c_str(), MAX_PATH + 1);
    const int logBefore = g_Settings.Main_ErrLog;
    g_Settings.Main_ErrLog = 1;
    const std::wstring clip = f.Make(L"clip.mp4");
    for (int i = 0; i < kPlaylistTrackCap - 1; ++i) REQUIRE(g_Playlist.m_AppendTrack(clip.c_str()));
    CHECK(g_Playlist.m_AddPlayListFile(clip.c_str(), 0) == TRUE);
    CHECK(g_Playlist.m_GetCount() == kPlaylistTrackCap);
    CHECK(g_Playlist.m_AddPlayListFile(clip.c_str(), 0) == FALSE);
    CHECK(g_Playlist.m_AppendTrack(clip.c_str()) == 0);
    CHECK(g_Playlist.m_GetCount() == kPlaylistTrackCap);
    g_Settings.Main_ErrLog = logBefore;

    FILE* file = _wfopen(f.folder.Join(L"Error.log").c_str(), L"rb");
    REQUIRE(file);
    char bytes[4096] = {};
    fread(bytes, 1, sizeof(bytes) - 1, file);
    fclose(file);
    CHECK(strstr(bytes, "E1010 : ") != nullptr);
    CHECK(strstr(bytes, "(1000)") != nullptr);
}

TEST_CASE("shortcuts and jump lists add the media file they stand for")
{
    SListFixture f;
    REQUIRE(SUCCEEDED(CoInitialize(nullptr)));
    const std::wstring clip = f.Make(L"clip.mp4");

    SUBCASE("a shortcut to a media file, and one to nothing")
    {
        const std::wstring link = f.folder.Join(L"clip.lnk");
        REQUIRE(m_CreateShortcut(link.c_str(), clip.c_str()));
        CHECK(g_Playlist.m_AddPlayListFile(link.c_str(), 0) == TRUE);
        REQUIRE(g_Playlist.m_GetCount() == 1);
        CHECK(std::wstring(g_Playlist.m_GetTrack(0)->Path) == clip);
        CHECK(g_ListType == LIST_UNSAVED);
        CHECK(g_Playlist.m_AddPlayListFile(f.Make(L"broken.lnk").c_str(), 0) == FALSE);
        CHECK(g_Playlist.m_GetCount() == 1);
    }
    SUBCASE("a jump list beside its media file, in the jump-list subfolder, or alone")
    {
        CHECK(g_Playlist.m_AddPlayListFile(f.Make(L"clip.mp4.zvjl").c_str(), 0) == TRUE);
        REQUIRE(CreateDirectoryW(f.folder.Join(L"Thumbs").c_str(), nullptr));
        const std::wstring inSub = f.Make(L"Thumbs\\clip.mp4.zvjl");
        lstrcpynW(g_Settings.File_JlSub, L"", kSettingFolderCap);
        CHECK(g_Playlist.m_AddPlayListFile(inSub.c_str(), 0) == FALSE);
        lstrcpynW(g_Settings.File_JlSub, L"thumbs", kSettingFolderCap);
        CHECK(g_Playlist.m_AddPlayListFile(inSub.c_str(), 0) == TRUE);
        CHECK(g_Playlist.m_AddPlayListFile(f.Make(L"other.avi.zvjl").c_str(), 0) == FALSE);
        g_Settings.File_JlSub[0] = 0;
        REQUIRE(g_Playlist.m_GetCount() == 2);
        CHECK(std::wstring(g_Playlist.m_GetTrack(0)->Path) == clip);
        CHECK(std::wstring(g_Playlist.m_GetTrack(1)->Path) == clip);
    }
    CoUninitialize();
}

TEST_CASE("deleting one track keeps the playing and jump-list tracks in step")
{
    SListFixture f;
    SUBCASE("deleting the only track clears the list")
    {
        f.AddTracks(1);
        g_PlayingTrack = 0;
        CHECK(g_Playlist.m_DeleteTrack(0) == 1);
        CHECK(g_Playlist.m_GetCount() == 0);
        CHECK(g_ListType == LIST_NONE);
        CHECK(g_PlayingTrack == -1);
    }
    SUBCASE("invalid indexes do nothing")
    {
        f.AddTracks(3);
        g_ListType = LIST_ZVPL;
        for (int index : {-1, 3, 1000}) CHECK(g_Playlist.m_DeleteTrack(index) == 0);
        CHECK(g_Playlist.m_GetCount() == 3);
        CHECK(g_ListModified == 0);
    }
    SUBCASE("indexes follow the deletion")
    {
        struct Case {
            int deleted, playing, playingAfter, afterDelete, jump, jumpAfter;
        };
        const Case cases[] = {
            {2, 2, -1, 2, 4, 3},  // the playing track goes: playback continues at its place
            {1, 3, 2, -1, 1, -1},
            {4, 3, 3, -1, 0, 0},
            {0, -1, -1, -1, -1, -1},
        };
        for (const Case& c : cases) {
            CAPTURE(c.deleted);
            g_Playlist.m_ClearPlayList();
            f.AddTracks(5);
            g_ListType = LIST_M3U;
            g_ListModified = 0;
            g_PlayingTrack = c.playing;
            g_JumpListTrack = c.jump;
            g_TrackAfterDelete = -1;
            CHECK(g_Playlist.m_DeleteTrack(c.deleted) == 1);
            CHECK(g_Playlist.m_GetCount() == 4);
            CHECK(g_PlayingTrack == c.playingAfter);
            CHECK(g_TrackAfterDelete == c.afterDelete);
            CHECK(g_JumpListTrack == c.jumpAfter);
            CHECK(g_ListModified == 1);
            std::vector<int> expected = {0, 1, 2, 3, 4};
            expected.erase(expected.begin() + c.deleted);
            CHECK(f.Order() == expected);
        }
    }
    SUBCASE("a track's item arrays go with it")
    {
        f.AddTracks(2);
        STRACKINFO* track = g_Playlist.m_GetTrack(0);
        track->Chapters = new SCHAPTERITEM[3]();
        track->ChapterCount = 3;
        track->Markers = new SMARKERITEM[1]();
        track->MarkerCount = 1;
        g_ListType = LIST_UNSAVED;
        CHECK(g_Playlist.m_DeleteTrack(0) == 1);
        CHECK(g_ListModified == 0);  // an unsaved list has no file to differ from
        CHECK(g_Playlist.m_GetTrack(0)->ChapterCount == 0);
        CHECK(g_Playlist.m_GetTrack(0)->Chapters == nullptr);
        CHECK(g_Playlist.m_Tracks[1].Path[0] == 0);  // the freed slot is zero
    }
}

TEST_CASE("moving one track to an insertion position")
{
    SListFixture f;
    struct Case {
        int from, to, result;
        std::vector<int> order;
        int playing, playingAfter;
    };
    const Case cases[] = {
        {3, 4, 0, {0, 1, 2, 3, 4}, 3, 3},  // just below itself: no move
        {3, 3, 0, {0, 1, 2, 3, 4}, 3, 3},  {3, 0, 1, {3, 0, 1, 2, 4}, 3, 0},
        {3, 0, 1, {3, 0, 1, 2, 4}, 1, 2},  {3, 0, 1, {3, 0, 1, 2, 4}, 4, 4},
        {0, 3, 1, {1, 2, 0, 3, 4}, 0, 2},  {0, 3, 1, {1, 2, 0, 3, 4}, 2, 1},
        {1, 99, 1, {0, 2, 3, 4, 1}, 4, 3},  // past the end: to the end
        {1, -5, 1, {0, 2, 3, 4, 1}, 1, 4}, {5, 0, 0, {0, 1, 2, 3, 4}, 0, 0},
        {-1, 0, 0, {0, 1, 2, 3, 4}, 0, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.from);
        CAPTURE(c.to);
        g_Playlist.m_ClearPlayList();
        f.AddTracks(5);
        g_Playlist.m_MarkSaved();
        g_ListType = LIST_ZVPL;
        g_PlayingTrack = c.playing;
        CHECK(g_Playlist.m_MoveTrack(c.from, c.to) == c.result);
        CHECK(f.Order() == c.order);
        CHECK(g_PlayingTrack == c.playingAfter);
        CHECK(g_ListModified == c.result);
        CHECK(g_Playlist.m_IsModified() == c.result);
    }

    SUBCASE("moved away and back, the list is as saved")
    {
        CHECK(g_Playlist.m_MoveTrack(1, 4) == 1);
        CHECK(g_Playlist.m_IsModified() == 1);
        CHECK(g_Playlist.m_MoveTrack(3, 1) == 1);
        CHECK(f.Order() == std::vector<int>{0, 1, 2, 3, 4});
        CHECK(g_Playlist.m_IsModified() == 0);
    }
    SUBCASE("an unsaved list is never marked modified")
    {
        g_ListType = LIST_UNSAVED;
        g_ListModified = 0;
        CHECK(g_Playlist.m_MoveTrack(0, 5) == 1);
        CHECK(g_ListModified == 0);
    }
}

TEST_CASE("modified state: count and positions against the last save")
{
    SListFixture f;
    CHECK(g_Playlist.m_IsModified() == 0);
    f.AddTracks(3);
    CHECK(g_Playlist.m_IsModified() == 1);
    g_ListModified = 1;
    g_Playlist.m_MarkSaved();
    CHECK(g_ListModified == 0);
    CHECK(g_Playlist.m_IsModified() == 0);
    CHECK(g_Playlist.m_GetTrack(2)->LoadedIndex == 2);
    f.AddTracks(1);
    CHECK(g_Playlist.m_IsModified() == 1);
}

TEST_CASE("rows: dragging, deleting and selecting duplicates by the selected rows")
{
    SListFixture f;
    f.CreateWindowList();
    f.AddTracks(5);
    g_Playlist.m_RefreshPlayList();
    g_Playlist.m_MarkSaved();
    REQUIRE(f.RowsPointAtTracks());

    SUBCASE("dragging rows 1 and 3 to row 0")
    {
        g_PlayingTrack = 3;
        g_JumpListTrack = 2;
        f.Select({1, 3});
        CHECK(g_Playlist.m_MoveSelectedTracks(0) == 1);
        CHECK(f.Order() == std::vector<int>{1, 3, 0, 2, 4});
        CHECK(f.Selected() == std::vector<int>{0, 1});
        CHECK(g_PlayingTrack == 1);
        CHECK(g_JumpListTrack == 3);
        CHECK(f.RowsPointAtTracks());
        CHECK(g_Playlist.m_IsModified() == 1);
    }
    SUBCASE("drags that change nothing")
    {
        f.Select({1, 2});
        CHECK(g_Playlist.m_MoveSelectedTracks(1) == 0);
        CHECK(g_Playlist.m_MoveSelectedTracks(3) == 0);
        CHECK(g_Playlist.m_MoveSelectedTracks(-1) == 0);
        f.Select({4});
        CHECK(g_Playlist.m_MoveSelectedTracks(99) == 0);  // clamped to the end, where it is
        f.Select({});
        CHECK(g_Playlist.m_MoveSelectedTracks(0) == 0);
        CHECK(f.Order() == std::vector<int>{0, 1, 2, 3, 4});
    }
    SUBCASE("dragging to the end, then back, leaves the list as saved")
    {
        f.Select({0});
        CHECK(g_Playlist.m_MoveSelectedTracks(5) == 1);
        CHECK(f.Order() == std::vector<int>{1, 2, 3, 4, 0});
        f.Select({4});
        CHECK(g_Playlist.m_MoveSelectedTracks(0) == 1);
        CHECK(g_Playlist.m_IsModified() == 0);
    }
    SUBCASE("deleting selected rows with the playing one among them")
    {
        g_PlayingTrack = 3;
        g_ListType = LIST_UNSAVED;
        f.Select({1, 3});
        CHECK(g_Playlist.m_DeleteSelectedTracks() == 2);
        CHECK(f.Order() == std::vector<int>{0, 2, 4});
        CHECK(g_PlayingTrack == -1);
        CHECK(g_TrackAfterDelete == 2);  // rows 0 and 2 stayed above it
        CHECK(f.Selected() == std::vector<int>{2});
        CHECK(f.RowsPointAtTracks());
        CHECK(g_ListModified == 1);  // recomputed whatever the type
        CHECK(g_Playlist.m_Tracks[3].Path[0] == 0);
    }
    SUBCASE("deleting selected rows above the playing and jump-list tracks")
    {
        g_PlayingTrack = 4;
        g_JumpListTrack = 2;
        f.Select({0, 2});
        CHECK(g_Playlist.m_DeleteSelectedTracks() == 2);
        CHECK(f.Order() == std::vector<int>{1, 3, 4});
        CHECK(g_PlayingTrack == 2);
        CHECK(g_JumpListTrack == -1);
        CHECK(f.Selected() == std::vector<int>{1});
    }
    SUBCASE("deleting every row clears; deleting none does nothing")
    {
        CHECK(g_Playlist.m_DeleteSelectedTracks() == 0);
        CHECK(g_Playlist.m_GetCount() == 5);
        g_PlayingTrack = 2;
        f.Select({0, 1, 2, 3, 4});
        CHECK(g_Playlist.m_DeleteSelectedTracks() == 5);
        CHECK(g_Playlist.m_GetCount() == 0);
        CHECK(g_PlayingTrack == -1);
        CHECK(SendMessageW(g_Playlist.m_GetTrackList(), LVM_GETITEMCOUNT, 0, 0) == 0);
    }
    SUBCASE("duplicates differ only in case; the first of equal paths is kept")
    {
        std::wstring upper = g_Playlist.m_GetTrack(1)->Path;
        for (wchar_t& c : upper) c = towupper(c);
        REQUIRE(g_Playlist.m_AppendTrack(upper.c_str()));
        REQUIRE(g_Playlist.m_AppendTrack(g_Playlist.m_GetTrack(1)->Path));
        g_Playlist.m_RefreshPlayList();
        f.Select({0, 2});
        CHECK(g_Playlist.m_FindDuplicates(1) == 2);
        CHECK(f.Selected() == std::vector<int>{0, 2});
        CHECK(g_Playlist.m_SelectDuplicates() == 2);
        CHECK(f.Selected() == std::vector<int>{5, 6});
    }
}

TEST_CASE("dropped files are added and enter the history")
{
    SListFixture f;
    m_Recent_ClearRecords();
    const std::wstring b = f.Make(L"b.mp4"), a = f.Make(L"a.avi"), text = f.Make(L"c.txt");
    std::wstring names = b + L'\0' + text + L'\0' + a + L'\0';
    const size_t bytes = sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, bytes);
    REQUIRE(memory);
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES), names.c_str(),
           names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    g_Playlist.m_SortState = 3;

    g_Playlist.m_OnDropFiles(static_cast<HDROP>(memory));  // frees the handle
    CHECK(g_Playlist.m_GetCount() == 2);
    CHECK(g_Playlist.m_SortState == 0);
    CHECK(g_ListType == LIST_UNSAVED);
    REQUIRE(m_Recent_GetRecordCount() == 2);
    CHECK(std::wstring(m_Recent_GetRecordPath(0)) == b);
    CHECK(std::wstring(m_Recent_GetRecordPath(1)) == a);
    m_Recent_ClearRecords();
}

TEST_CASE("a folder adds its playable files, its subfolders only when asked")
{
    SListFixture f;
    f.Make(L"a.mp4");
    f.Make(L"b.txt");
    REQUIRE(CreateDirectoryW(f.folder.Join(L"sub").c_str(), nullptr));
    f.Make(L"sub\\c.mkv");
    const std::wstring folder = f.folder.Path();  // with its trailing backslash
    const int subDirBefore = g_Settings.Main_SubDir;

    g_Settings.Main_SubDir = 0;
    CHECK(g_Playlist.m_AddPlayListFile(folder.c_str(), 0) == TRUE);
    REQUIRE(g_Playlist.m_GetCount() == 1);
    CHECK(std::wstring(g_Playlist.m_GetTrack(0)->Path) == f.folder.Join(L"a.mp4"));
    CHECK(g_ListType == LIST_UNSAVED);

    g_Settings.Main_SubDir = 1;
    CHECK(g_Playlist.m_AddFolderFiles(folder.c_str(), 0, 1) == 1);  // a.mp4 is there already
    REQUIRE(g_Playlist.m_GetCount() == 2);
    CHECK(std::wstring(g_Playlist.m_GetTrack(1)->Path) == f.folder.Join(L"sub\\c.mkv"));

    CHECK(g_Playlist.m_AddFolderFiles(folder.c_str(), 1, 0) == 2);
    CHECK(g_Playlist.m_GetCount() == 2);
    CHECK(g_Playlist.m_IsModified() == 0);
    g_Settings.Main_SubDir = subDirBefore;

    CHECK(g_Playlist.m_AddPlayListFile(f.folder.Join(L"sub").c_str(), 0) == TRUE);
    CHECK(g_Playlist.m_GetCount() == 3);
}
