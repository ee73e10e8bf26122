#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "app/AppMessages.h"
#include "playlist/Playlist.h"

namespace {

// Tracks appended by file name (missing ones too); the list is cleared
// and the open-item globals reset around each test.
struct SSortFixture {
    CTempFolder folder;

    SSortFixture() { Reset(); }
    ~SSortFixture()
    {
        g_Playlist.m_DestroyWindow();
        Reset();
    }
    static void Reset()
    {
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_MarkSaved();
        g_ListType = LIST_NONE;
        g_ListPath[0] = 0;
        g_ListModified = 0;
        g_PlayingTrack = -1;
    }
    void Add(const std::wstring& name, size_t bytes, int exists = 1)
    {
        const std::wstring path =
            exists ? folder.MakeFile(name, std::string(bytes, 'x')) : folder.Join(name);
        REQUIRE(g_Playlist.m_AppendTrack(path.c_str()));
    }
    static std::vector<std::wstring> Names()
    {
        std::vector<std::wstring> out;
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i)
            out.push_back(wcsrchr(g_Playlist.m_GetTrack(i)->Path, L'\\') + 1);
        return out;
    }
    static void SetWriteTime(const std::wstring& path, int day)
    {
        HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        REQUIRE(file != INVALID_HANDLE_VALUE);
        SYSTEMTIME st = {2020, 1, 0, (WORD)day, 12, 0, 0, 0};
        FILETIME ft;
        SystemTimeToFileTime(&st, &ft);
        CHECK(SetFileTime(file, &ft, nullptr, &ft));
        CloseHandle(file);
    }
};

using Names = std::vector<std::wstring>;

}  // namespace

TEST_CASE("sort keys order the tracks; the playing track follows its record")
{
    struct Case {
        int key;
        int ascending;
        Names expected;
    } cases[] = {
        {1, 1, {L"clip1.wav", L"clip2.wav", L"Clip3.wav", L"clip10.wav", L"gone.wav"}},
        {1, 0, {L"gone.wav", L"clip10.wav", L"Clip3.wav", L"clip2.wav", L"clip1.wav"}},
        {2, 1, {L"clip10.wav", L"Clip3.wav", L"clip2.wav", L"clip1.wav", L"gone.wav"}},
        {6, 1, {L"gone.wav", L"clip10.wav", L"clip2.wav", L"Clip3.wav", L"clip1.wav"}},
        {6, 0, {L"clip1.wav", L"Clip3.wav", L"clip2.wav", L"clip10.wav", L"gone.wav"}},
        {5, 1, {L"gone.wav", L"clip1.wav", L"clip2.wav", L"Clip3.wav", L"clip10.wav"}},
        {5, 0, {L"clip10.wav", L"Clip3.wav", L"clip2.wav", L"clip1.wav", L"gone.wav"}},
        {4, 1, {L"gone.wav", L"clip1.wav", L"clip2.wav", L"Clip3.wav", L"clip10.wav"}},
        {3, 1, {L"clip1.wav", L"clip2.wav", L"Clip3.wav", L"clip10.wav", L"gone.wav"}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.key);
        CAPTURE(c.ascending);
        SSortFixture f;
        f.Add(L"clip10.wav", 10);
        f.Add(L"Clip3.wav", 30);
        f.Add(L"clip2.wav", 20);
        f.Add(L"clip1.wav", 40);
        f.Add(L"gone.wav", 0, 0);
        const wchar_t* shown[] = {L"A", L"B", L"", L"E", L"Z"};
        for (int i = 0; i < 5; ++i) lstrcpynW(g_Playlist.m_GetTrack(i)->Name, shown[i], 8);
        const int days[] = {9, 3, 2, 1};
        for (int i = 0; i < 4; ++i) f.SetWriteTime(g_Playlist.m_GetTrack(i)->Path, days[i]);
        g_PlayingTrack = 2;  // clip2.wav
        g_Playlist.m_SortPlayList(c.key, c.ascending, 0);
        CHECK(SSortFixture::Names() == c.expected);
        CHECK(g_Playlist.m_SortState == (c.ascending ? c.key : -c.key));
        REQUIRE(g_PlayingTrack >= 0);
        CHECK(std::wstring(wcsrchr(g_Playlist.m_GetTrack(g_PlayingTrack)->Path, L'\\') + 1) ==
              L"clip2.wav");
    }
}

TEST_CASE("sorting by the loaded position puts tracks added later last")
{
    SSortFixture f;
    for (const wchar_t* name : {L"n.wav", L"b.wav", L"a.wav", L"c.wav"}) f.Add(name, 1);
    const int loaded[] = {-1, 2, 0, 1};
    for (int i = 0; i < 4; ++i) g_Playlist.m_GetTrack(i)->LoadedIndex = loaded[i];
    g_Playlist.m_SortPlayList(0, 1, 0);
    CHECK(SSortFixture::Names() == Names{L"a.wav", L"c.wav", L"b.wav", L"n.wav"});

    // Past position 1000 a later track counts as 1000.
    g_Playlist.m_GetTrack(0)->LoadedIndex = 1001;
    g_Playlist.m_SortPlayList(0, 1, 0);
    CHECK(SSortFixture::Names() == Names{L"c.wav", L"b.wav", L"n.wav", L"a.wav"});
}

TEST_CASE("a sort with refresh rebuilds the rows and marks the list modified")
{
    SSortFixture f;
    for (const wchar_t* name : {L"b.wav", L"a.wav"}) f.Add(name, 1);
    g_Playlist.m_MarkSaved();
    g_ListType = LIST_ZVPL;
    lstrcpyW(g_ListPath, f.folder.Join(L"list.zvpl").c_str());
    RECT rc = {0, 0, 300, 300};
    REQUIRE(g_Playlist.m_CreateWindow(&rc, 100));
    g_Playlist.m_SortPlayList(1, 1, 1);
    CHECK(g_ListModified == 1);
    wchar_t text[64] = {};
    LVITEMW item = {};
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(g_Playlist.m_GetTrackList(), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    CHECK(std::wstring(text) == L"1, a.wav");
    GetWindowTextW(g_Playlist.m_GetWindow(), text, 64);
    CHECK(std::wstring(text) == L"*list.zvpl");
    // Nothing to sort in an empty list.
    SSortFixture::Reset();
    g_Playlist.m_SortState = 0;
    g_Playlist.m_SortPlayList(3, 0, 1);
    CHECK(g_Playlist.m_SortState == 0);
}
