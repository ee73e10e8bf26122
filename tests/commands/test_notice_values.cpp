// The main window's notices where their values come from outside: the path
// a pointer-carrying notice hands over, read only as far as it is there,
// and index and row values past their tables, which change nothing.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "commands/CommandHandlers.h"
#include "commands/MainNotices.h"
#include "playback/AudioDeviceList.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

namespace {

constexpr int kPathCap = MAX_PATH + 2;

// A committed page of its own, filled with the text at its very end so that
// the next byte past it is not readable.
struct SPageEnd {
    explicit SPageEnd(const std::wstring& text, DWORD protect = PAGE_READWRITE)
    {
        SYSTEM_INFO info = {};
        GetSystemInfo(&info);
        size = info.dwPageSize;
        page = static_cast<BYTE*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                               PAGE_READWRITE));
        REQUIRE(page);
        const size_t bytes = text.size() * sizeof(wchar_t);
        REQUIRE(bytes <= size);
        memcpy(page + size - bytes, text.data(), bytes);
        at = reinterpret_cast<const wchar_t*>(page + size - bytes);
        DWORD old = 0;
        if (protect != PAGE_READWRITE) REQUIRE(VirtualProtect(page, size, protect, &old));
    }
    ~SPageEnd() { VirtualFree(page, 0, MEM_RELEASE); }
    BYTE* page = nullptr;
    size_t size = 0;
    const wchar_t* at = nullptr;
};

}  // namespace

TEST_CASE("a notice's path is taken only when it is there in full")
{
    wchar_t out[kPathCap];
    const std::wstring maxPath(MAX_PATH, L'a');
    const std::wstring tooLong(MAX_PATH + 1, L'b');

    SUBCASE("a path with its terminator, up to 260 characters")
    {
        const wchar_t* path = L"C:\\media\\a.mp4";
        CHECK(m_NoticePath(reinterpret_cast<LPARAM>(path), out, kPathCap) == 1);
        CHECK(std::wstring(out) == path);
        CHECK(m_NoticePath(reinterpret_cast<LPARAM>(maxPath.c_str()), out, kPathCap) == 1);
        CHECK(std::wstring(out) == maxPath);
    }
    SUBCASE("nothing, an empty text, a text without terminator in reach")
    {
        const LPARAM values[] = {0, reinterpret_cast<LPARAM>(L""),
                                 reinterpret_cast<LPARAM>(tooLong.c_str())};
        for (LPARAM v : values) {
            out[0] = L'x';
            CHECK(m_NoticePath(v, out, kPathCap) == 0);
            CHECK(out[0] == 0);
        }
    }
    SUBCASE("memory that is not there or not readable")
    {
        CHECK(m_NoticePath(16, out, kPathCap) == 0);
        SPageEnd hidden(L"C:\\a.mp4", PAGE_NOACCESS);
        CHECK(m_NoticePath(reinterpret_cast<LPARAM>(hidden.at), out, kPathCap) == 0);
    }
    SUBCASE("a text that runs to the end of its memory")
    {
        SPageEnd open(L"C:\\media\\cut");
        CHECK(m_NoticePath(reinterpret_cast<LPARAM>(open.at), out, kPathCap) == 0);
        SPageEnd ends(std::wstring(L"C:\\media\\whole.mp4") + L'\0');
        CHECK(m_NoticePath(reinterpret_cast<LPARAM>(ends.at), out, kPathCap) == 1);
        CHECK(std::wstring(out) == L"C:\\media\\whole.mp4");
    }
    SUBCASE("an output too small for a whole path")
    {
        CHECK(m_NoticePath(reinterpret_cast<LPARAM>(L"C:\\a.mp4"), out, MAX_PATH) == 0);
    }
}

TEST_CASE("the size page's control ids name their window-size kind and mask")
{
    const int rows[][3] = {{1282, 2, 2}, {1283, 3, 4}, {1284, 3, 1}, {1285, 2, 8}};
    for (const auto& r : rows) {
        int kind = 0, mask = 0;
        CHECK(m_OptionSizeKind(r[0], &kind, &mask) == 1);
        CHECK(kind == r[1]);
        CHECK(mask == r[2]);
    }
    for (int id : {0, 1281, 1286, -1282}) {
        int kind = 0, mask = 0;
        CHECK(m_OptionSizeKind(id, &kind, &mask) == 0);
    }
}

TEST_CASE_FIXTURE(CSettingsFixture, "a device row outside the table changes no skip flag")
{
    g_AudioDevices = SAUDIODEVICES{};
    g_AudioDevices.Count = 2;
    lstrcpynW(g_AudioDevices.Items[0].Name, L"Speakers A", kAudioDeviceNameCap);
    lstrcpynW(g_AudioDevices.Items[1].Name, L"Speakers B", kAudioDeviceNameCap);
    g_AudioDevices.Items[1].Skip = 1;
    for (LPARAM row : {0, -1, 3, 99}) {
        CHECK(m_OnNotifyMain(NOTICE_OPTION_AUDIO_SKIP, row) == 0);
        CHECK(g_AudioDevices.Items[0].Skip == 0);
        CHECK(g_AudioDevices.Items[1].Skip == 1);
    }
    // The rows count from 1: each inverts its own record.
    m_OnNotifyMain(NOTICE_OPTION_AUDIO_SKIP, 1);
    m_OnNotifyMain(NOTICE_OPTION_AUDIO_SKIP, 2);
    CHECK(g_AudioDevices.Items[0].Skip == 1);
    CHECK(g_AudioDevices.Items[1].Skip == 0);
    g_AudioDevices = SAUDIODEVICES{};
}

TEST_CASE_FIXTURE(CSettingsFixture, "a track index outside the list opens nothing")
{
    g_Playlist.m_ClearPlayList();
    REQUIRE(g_Playlist.m_AppendTrack(L"Z:\\nowhere\\a.mp4") == 1);
    REQUIRE(g_Playlist.m_AppendTrack(L"Z:\\nowhere\\b.mp4") == 1);
    // The open's own fallback would take the first track.
    g_OpenRequest = SOPENREQUEST{};
    g_OpenRequest.nTrack = -7;
    for (LPARAM index : {-5, -1, 2, 1000}) {
        CHECK(m_OnNotifyMain(2010, index) == 0);
        CHECK(g_OpenRequest.nTrack == -7);
        CHECK(g_PlayingTrack == -1);
    }
    g_Playlist.m_ClearPlayList();
}
