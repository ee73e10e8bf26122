#include <doctest/doctest.h>

#include <string>

#include "../support/TempFolder.h"
#include "filedata/ResumeOpen.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/Shuffle.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

std::wstring KeyName(const wchar_t* path)
{
    wchar_t name[17];
    const UINT64 key = m_Resume_GetKey(path);
    wsprintfW(name, L"%08X%08X", static_cast<UINT>(key >> 32), static_cast<UINT>(key));
    return name;
}

std::wstring Stored(const wchar_t* path)
{
    wchar_t text[256] = {};
    GetPrivateProfileStringW(kResumeSection, KeyName(path).c_str(), L"", text, 256,
                             g_ResumeFilePath);
    return text;
}

void Store(const wchar_t* path, const wchar_t* text)
{
    WritePrivateProfileStringW(kResumeSection, KeyName(path).c_str(), text, g_ResumeFilePath);
}

// A single file open at a position (no engine: the record in force holds it).
struct SOPENITEM {
    CTempFolder Temp;
    std::wstring Media;
    explicit SOPENITEM(int positionMs)
    {
        lstrcpynW(g_ResumeFilePath, Temp.Join(L"Resume.dat").c_str(), MAX_PATH + 1);
        Media = Temp.Join(L"clip.avi");
        g_ListType = LIST_SINGLE;
        lstrcpynW(g_ListPath, Media.c_str(), MAX_PATH + 1);
        g_PlayState = 5;
        g_MediaOpen = 0;
        g_DurationMs = 30000;
        g_Settings.Common_RsmIgnr[0] = g_Settings.Common_RsmIgnr[1] = 5000;
        g_Settings.Common_RsmIgnr[2] = 15000;
        g_Settings.Common_RsmItvl = 30;
        m_Resume_LoadCurrent();
        g_ResumeOpen.Position = positionMs;
    }
    ~SOPENITEM()
    {
        m_Resume_ClearOpenItem();
        g_ListType = LIST_NONE;
        g_ListPath[0] = 0;
        g_PlayState = 0;
    }
};

}  // namespace

TEST_CASE("closing saves, restores or deletes the open file's record")
{
    SUBCASE("save: a position worth keeping, and nothing for 3 s")
    {
        SOPENITEM item(8000);
        m_Resume_OnClose(1);
        CHECK(Stored(item.Media.c_str()) == L"8");
        g_ResumeOpen.Position = 3000;
        m_Resume_OnClose(1);
        CHECK(Stored(item.Media.c_str()) == L"");
        g_ResumeOpen.Position = 27000;  // within the last 5 s
        m_Resume_OnClose(1);
        CHECK(Stored(item.Media.c_str()) == L"");
    }
    SUBCASE("restore undoes the saves made since the open")
    {
        CTempFolder temp;
        lstrcpynW(g_ResumeFilePath, temp.Join(L"Resume.dat").c_str(), MAX_PATH + 1);
        const std::wstring media = temp.Join(L"clip.avi");
        Store(media.c_str(), L"12.5");
        SOPENITEM item(20000);
        lstrcpynW(g_ResumeFilePath, temp.Join(L"Resume.dat").c_str(), MAX_PATH + 1);
        lstrcpynW(g_ListPath, media.c_str(), MAX_PATH + 1);
        m_Resume_LoadCurrent();
        CHECK(g_ResumeCurrent.Position == 12500);
        g_ResumeOpen.Position = 20000;
        m_Resume_Save();  // the auto-save
        CHECK(Stored(media.c_str()) == L"20");
        m_Resume_OnClose(0);
        CHECK(Stored(media.c_str()) == L"12.5");
        // Without auto-save there is nothing to undo.
        m_Resume_Save();
        g_Settings.Common_RsmItvl = 0;
        m_Resume_OnClose(0);
        CHECK(Stored(media.c_str()) == L"20");
        g_Settings.Common_RsmItvl = 30;
    }
    SUBCASE("delete removes what was stored")
    {
        SOPENITEM item(9000);
        m_Resume_Save();
        CHECK(Stored(item.Media.c_str()) == L"9");
        m_Resume_OnClose(-1);
        CHECK(Stored(item.Media.c_str()) == L"");
        CHECK(g_ResumeCurrentSaved.HasData == 0);
    }
    SUBCASE("an unchanged record is not written again; a changed one moves to the end")
    {
        SOPENITEM item(9000);
        Store(L"other.avi", L"50");
        m_Resume_Save();
        Store(L"later.avi", L"60");
        m_Resume_Save();  // unchanged: stays before later.avi
        wchar_t keys[512] = {};
        GetPrivateProfileStringW(kResumeSection, nullptr, L"", keys, 512, g_ResumeFilePath);
        CHECK(std::wstring(keys + lstrlenW(keys) + 1) == KeyName(item.Media.c_str()));
        g_ResumeOpen.Position = 11000;
        m_Resume_Save();
        GetPrivateProfileStringW(kResumeSection, nullptr, L"", keys, 512, g_ResumeFilePath);
        const wchar_t* third = keys + lstrlenW(keys) + 1;
        third += lstrlenW(third) + 1;
        CHECK(std::wstring(third) == KeyName(item.Media.c_str()));
        CHECK(Stored(item.Media.c_str()) == L"11");
    }
}

TEST_CASE("a folder's list entry ends in -1 within its last seconds (0 in repeat FILE)")
{
    CTempFolder temp;
    lstrcpynW(g_ResumeFilePath, temp.Join(L"Resume.dat").c_str(), MAX_PATH + 1);
    const std::wstring folder = temp.Path();
    g_ListType = LIST_FOLDER;
    lstrcpynW(g_ListPath, folder.c_str(), MAX_PATH + 1);
    g_Playlist.m_ClearPlayList();
    g_Playlist.m_AppendTrack(temp.Join(L"a.avi").c_str());
    g_Playlist.m_AppendTrack(temp.Join(L"b.avi").c_str());
    g_PlayingTrack = 0;
    g_PlayState = 5;
    g_DurationMs = 30000;
    m_Resume_LoadCurrent();
    g_ResumeOpen.Position = 27000;
    SRESUMEINFO made;
    CHECK(m_Resume_MakeRecord(&made, 1) == 1);
    CHECK(made.Position == -1);
    wchar_t text[kResumeValueCap];
    m_Resume_FormatValue(&made, text);
    CHECK(std::wstring(text) == L"-1");
    g_PlayingTrack = 1;
    g_ResumeOpen.Position = 2000;  // too early: the entry alone
    m_Resume_MakeRecord(&made, 1);
    m_Resume_FormatValue(&made, text);
    CHECK(std::wstring(text) == L",2");
    // A shuffled list keeps the pass it stands in, and an open takes it.
    g_ShufflePass = 2;
    m_Resume_MakeRecord(&made, 1);
    m_Resume_FormatValue(&made, text);
    CHECK(std::wstring(text) == L",2/3");
    g_ShufflePass = 0;
    g_ResumeOpen = made;
    g_ResumeOpen.HasData = 1;
    int track = 0, startMs = 0;
    m_Resume_StartEntry(&track, &startMs);
    CHECK(g_ShufflePass == 2);
    g_ShufflePass = 0;
    m_Resume_ClearOpenItem();
    g_Playlist.m_ClearPlayList();
    g_ListType = LIST_NONE;
    g_ListPath[0] = 0;
    g_PlayState = 0;
    g_PlayingTrack = -1;
}

TEST_CASE("[Common] Spf puts the store in an existing data folder only")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    const std::wstring exe = temp.Join(L"exe");
    const std::wstring data = temp.Join(L"data");
    const std::wstring file = temp.Join(L"file.txt");
    CreateDirectoryW(exe.c_str(), nullptr);
    CreateDirectoryW(data.c_str(), nullptr);
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    wchar_t exeFolder[MAX_PATH + 1];
    lstrcpynW(exeFolder, g_ExeFolder, MAX_PATH + 1);
    lstrcpynW(g_ExeFolder, exe.c_str(), MAX_PATH + 1);
    struct {
        int flag;
        std::wstring folder;
        std::wstring expected;
    } rows[] = {
        {1, data, data + L"\\Resume.dat"},
        {1, data + L"\\", data + L"\\Resume.dat"},
        {0, data, exe + L"\\Resume.dat"},
        {1, file, exe + L"\\Resume.dat"},  // a file is no folder
        {1, temp.Join(L"missing"), exe + L"\\Resume.dat"},
        {1, L"", exe + L"\\Resume.dat"},
    };
    for (const auto& row : rows) {
        g_Settings.Common_Spf[0] = row.flag;
        lstrcpynW(g_Settings.Common_SpfDir, row.folder.c_str(), kSettingPathCap);
        m_GetResumeFilePath();
        CHECK(std::wstring(g_ResumeFilePath) == row.expected);
    }
    g_Settings.Common_Spf[0] = 0;
    g_Settings.Common_SpfDir[0] = 0;
    lstrcpynW(g_ExeFolder, exeFolder, MAX_PATH + 1);
}
