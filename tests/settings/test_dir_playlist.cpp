#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "SettingsFixture.h"
#include "settings/DirPlaylist.h"

namespace {

std::wstring Find(const wchar_t* path, int* result)
{
    wchar_t out[261] = L"junk";
    *result = m_DirPlaylist_Find(out, 0, path);
    return out;
}

}  // namespace

TEST_CASE("pairs are written as the folder alone when source and target are one")
{
    CSettingsFixture ini;
    m_DirPlaylist_Set(L"C:\\Lists\\", L"C:\\Video\\a.mp4");
    m_DirPlaylist_Set(L"d:\\music\\", L"D:\\Music\\b.mp3");
    CHECK(ini.Get(L"Dir_Playlist", L"0") == L"D:\\Music\\");
    CHECK(ini.Get(L"Dir_Playlist", L"1") == L"C:\\Video\\/C:\\Lists\\");
    CHECK(ini.Get(L"Dir_Playlist", L"2") == L"<none>");

    m_DirPlaylist_Load();
    REQUIRE(g_DirPlaylistCount == 2);
    CHECK(std::wstring(g_DirPlaylist[0].Source) == L"D:\\Music\\");
    CHECK(std::wstring(g_DirPlaylist[0].Target) == L"D:\\Music\\");
    CHECK(std::wstring(g_DirPlaylist[1].Target) == L"C:\\Lists\\");
}

TEST_CASE("finding the folder of a media path")
{
    CSettingsFixture ini;
    int result = -1;
    CHECK(Find(L"C:\\Video\\a.mp4", &result) == L"");
    CHECK(result == 0);

    ini.Write(
        L"[Dir_Playlist]\r\n0=C:\\Other\\Deep\\/C:\\O\\\r\n1=C:\\Video\\/C:\\Lists\\\r\n"
        L"2=C:\\Video\\Anime\\/C:\\AnimeLists\\\r\n3=C:\\Shows\\Drama\\/C:\\DramaLists\\\r\n");
    struct {
        const wchar_t* Path;
        const wchar_t* Folder;
        int Result;
    } cases[] = {
        {L"C:\\Video\\a.mp4", L"C:\\Lists\\", 1},
        {L"c:\\video\\A.MP4", L"C:\\Lists\\", 1},
        {L"C:\\Video\\Anime\\S1\\01.mp4", L"C:\\AnimeLists\\", 1},  // the longest source
        {L"C:\\Shows\\Comedy\\a.mp4", L"C:\\DramaLists\\", 1},      // beside a remembered folder
        // not below C:\Video: walking up, the drive's most recent pair
        {L"C:\\Video2\\a.mp4", L"C:\\O\\", 1},
        {L"F:\\x.mp4", L"C:\\O\\", 0},
        {L"", L"C:\\O\\", 1},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.Path));
        CHECK(Find(c.Path, &result) == c.Folder);
        CHECK(result == c.Result);
    }
}

TEST_CASE("at most 8 pairs, the newest first; a pair set again moves up")
{
    CSettingsFixture ini;
    for (int i = 0; i < 9; ++i) {
        wchar_t source[64], target[64];
        _snwprintf(source, 63, L"C:\\V%d\\x.mp4", i);
        _snwprintf(target, 63, L"D:\\P%d\\", i);
        m_DirPlaylist_Set(target, source);
    }
    CHECK(ini.Get(L"Dir_Playlist", L"0") == L"C:\\V8\\/D:\\P8\\");
    CHECK(ini.Get(L"Dir_Playlist", L"7") == L"C:\\V1\\/D:\\P1\\");
    CHECK(ini.Get(L"Dir_Playlist", L"8") == L"<none>");

    m_DirPlaylist_Set(L"d:\\p3\\", L"c:\\v3\\y.mp4");
    CHECK(ini.Get(L"Dir_Playlist", L"0") == L"C:\\V3\\/D:\\P3\\");
    CHECK(ini.Get(L"Dir_Playlist", L"1") == L"C:\\V8\\/D:\\P8\\");
    CHECK(ini.Get(L"Dir_Playlist", L"5") == L"C:\\V4\\/D:\\P4\\");
    CHECK(ini.Get(L"Dir_Playlist", L"6") == L"C:\\V2\\/D:\\P2\\");
    CHECK(ini.Get(L"Dir_Playlist", L"7") == L"C:\\V1\\/D:\\P1\\");

    m_DirPlaylist_Clear();
    CHECK(g_DirPlaylistCount == 0);
    for (const wchar_t* key : {L"0", L"3", L"7"}) CHECK(ini.Get(L"Dir_Playlist", key) == L"<none>");
}

TEST_CASE("a folder given as the source is taken as it is")
{
    CSettingsFixture ini;
    m_DirPlaylist_Set(L"D:\\PL\\", ini.Folder());
    m_DirPlaylist_Load();
    REQUIRE(g_DirPlaylistCount == 1);
    CHECK(std::wstring(g_DirPlaylist[0].Source) == ini.Folder());
}
