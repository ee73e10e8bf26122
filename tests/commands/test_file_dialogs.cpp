// The dialog buffer's choices, the folder kept as "LastDir", and the folder
// association rebuilt from the playlists in the history.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "commands/FileDialogs.h"
#include "commands/FolderAssoc.h"
#include "library/RecentRecords.h"
#include "settings/DirPlaylist.h"

namespace {

std::wstring Buffer(std::initializer_list<const wchar_t*> texts)
{
    std::wstring out;
    for (const wchar_t* t : texts) out.append(t).push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

std::wstring AllPaths(const std::wstring& buffer, int* count, int* skipped)
{
    SCHOSENFILES chosen;
    REQUIRE(m_ChosenFiles_Init(&chosen, buffer.data(), (int)buffer.size()));
    *count = chosen.Count;
    *skipped = 0;
    std::wstring all;
    wchar_t path[kPathCap];
    int result;
    while ((result = m_ChosenFiles_Next(&chosen, path)) != 0) {
        if (result < 0)
            ++*skipped;
        else
            all += std::wstring(path) + L"|";
    }
    return all;
}

void SetWriteTime(const std::wstring& path, int daysAgo)
{
    HANDLE file =
        CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t;
    t.LowPart = now.dwLowDateTime;
    t.HighPart = now.dwHighDateTime;
    t.QuadPart -= (ULONGLONG)daysAgo * 864000000000ULL;
    FILETIME written;
    written.dwLowDateTime = t.LowPart;
    written.dwHighDateTime = t.HighPart;
    CHECK(SetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
}

std::string Utf16(const std::wstring& text)
{
    std::string bytes("\xFF\xFE", 2);
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

}  // namespace

TEST_CASE("a dialog buffer gives its chosen paths, never one cut short")
{
    int count = 0, skipped = 0;
    CHECK(AllPaths(Buffer({L"C:\\v\\a.mp4"}), &count, &skipped) == L"C:\\v\\a.mp4|");
    CHECK(count == 0);
    CHECK(AllPaths(Buffer({L"C:\\v", L"b.mp4", L"a.mp4"}), &count, &skipped) ==
          L"C:\\v\\b.mp4|C:\\v\\a.mp4|");
    CHECK(count == 2);
    // A drive's root already ends in its backslash.
    CHECK(AllPaths(Buffer({L"C:\\", L"a.mp4", L"b.mp4"}), &count, &skipped) ==
          L"C:\\a.mp4|C:\\b.mp4|");
    const std::wstring longName(255, L'x');
    CHECK(AllPaths(Buffer({L"C:\\a\\b", longName.c_str(), L"c.mp4"}), &count, &skipped) ==
          L"C:\\a\\b\\c.mp4|");
    CHECK(skipped == 1);

    // No closing pair of NULs inside the buffer: nothing is taken.
    const wchar_t open[] = {L'C', L':', L'\\', L'a', 0, L'b'};
    SCHOSENFILES chosen;
    CHECK(m_ChosenFiles_Init(&chosen, open, 6) == 0);
    const wchar_t empty[] = {0, 0};
    CHECK(m_ChosenFiles_Init(&chosen, empty, 2) == 0);
}

TEST_CASE("the folder kept for the dialogs has no trailing backslash but at a root")
{
    const struct {
        const wchar_t* path;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\Video\\a.mp4", L"C:\\Video"},
        {L"C:\\Video\\Sub\\", L"C:\\Video"},
        {L"C:\\a.mp4", L"C:\\"},
        {L"\\\\server\\share\\v\\a.mp4", L"\\\\server\\share\\v"},
    };
    for (const auto& c : cases) {
        wchar_t out[kPathCap];
        m_DialogFolder_Of(c.path, out);
        CHECK(std::wstring(out) == c.folder);
    }
    wchar_t trimmed[kPathCap] = L"D:\\Music\\\\";
    m_DialogFolder_Trim(trimmed);
    CHECK(std::wstring(trimmed) == L"D:\\Music");
}

TEST_CASE("the rebuild pairs each playlist once, the newest first")
{
    CSettingsFixture ini;
    CTempFolder media;
    const std::wstring old = media.MakeFile(
        L"old.zvpl",
        Utf16(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\n[TRACK_1]\r\nPATH=C:\\Old\\a.mp4\r\n"));
    const std::wstring fresh =
        media.MakeFile(L"fresh.M3U8", "#EXTM3U\r\n#EXTINF:10,b\r\nD:\\Fresh\\b.mp4\r\n");
    const std::wstring empty = media.MakeFile(L"empty.m3u", "#EXTM3U\r\n");
    REQUIRE(!old.empty());
    REQUIRE(!fresh.empty());
    SetWriteTime(old, 10);
    SetWriteTime(fresh, 1);
    m_Recent_ClearRecords();
    for (const std::wstring& p :
         {fresh, old, media.Join(L"gone.zvpl"), media.Join(L"clip.mp4"), empty, old})
        m_Recent_AddRecord(p.c_str());

    m_DirPlaylist_Rebuild();
    m_DirPlaylist_Load();
    REQUIRE(g_DirPlaylistCount == 2);
    CHECK(std::wstring(g_DirPlaylist[0].Source) == L"D:\\Fresh\\");
    CHECK(std::wstring(g_DirPlaylist[0].Target) == media.Path());
    CHECK(std::wstring(g_DirPlaylist[1].Source) == L"C:\\Old\\");

    m_DirPlaylist_ClearCmd();
    CHECK(ini.Get(L"Dir_Playlist", L"0") == L"<none>");

    // No playlist in the history: the table stays as it was.
    m_DirPlaylist_Set(L"E:\\L\\", L"E:\\V\\c.mp4");
    m_Recent_ClearRecords();
    m_Recent_AddRecord(media.Join(L"clip.mp4").c_str());
    m_DirPlaylist_Rebuild();
    m_DirPlaylist_Load();
    CHECK(g_DirPlaylistCount == 1);
    m_Recent_ClearRecords();
}

TEST_CASE("a path entered again in the history moves to the newest place")
{
    m_Recent_ClearRecords();
    m_Recent_Add(L"C:\\a.mp4", 0);
    m_Recent_Add(L"C:\\b.mp4", 3);
    m_Recent_Add(L"c:\\A.MP4", 0);
    REQUIRE(m_Recent_GetRecordCount() == 2);
    CHECK(std::wstring(m_Recent_GetRecordPath(0)) == L"C:\\b.mp4");
    CHECK(std::wstring(m_Recent_GetRecordPath(1)) == L"c:\\A.MP4");
    CHECK(m_Recent_GetRecordMinutes(0) == 3);
    // A full table lets its oldest go.
    m_Recent_ClearRecords();
    for (int i = 0; i <= kRecentRecordCap; ++i) {
        wchar_t path[32];
        wsprintfW(path, L"C:\\%d.mp4", i);
        m_Recent_Add(path, 0);
    }
    CHECK(m_Recent_GetRecordCount() == kRecentRecordCap);
    CHECK(std::wstring(m_Recent_GetRecordPath(0)) == L"C:\\1.mp4");
    m_Recent_ClearRecords();
}
