#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../playlist/ListFileFixture.h"
#include "TempFolder.h"
#include "WideStringMaker.h"
#include "base/ErrorLog.h"
#include "commands/ListResumeNotices.h"
#include "filedata/ResumeOpenFiles.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeTrack.h"
#include "filedata/ResumeValue.h"
#include "playback/PlayState.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"

namespace {

SLogFolder s_Log;

std::string m_Log() { return m_ReadBytes(s_Log.folder.Join(L"Error.log")); }

std::wstring KeyName(const std::wstring& path)
{
    wchar_t name[17];
    const UINT64 key = m_Resume_GetKey(path.c_str());
    wsprintfW(name, L"%08X%08X", static_cast<UINT>(key >> 32), static_cast<UINT>(key));
    return name;
}

std::wstring Key(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    wchar_t text[256] = {};
    GetPrivateProfileStringW(section, key, L"<none>", text, 256, file.c_str());
    return text;
}

// Media files a, b and c in a temp folder, Resume.dat beside them, the
// error log on and nothing open.
struct SListFixture {
    CTempFolder folder;
    std::wstring a, b, c;

    SListFixture()
    {
        g_Settings.Main_ErrLog = 1;
        g_Playlist.m_ClearPlayList();
        lstrcpynW(g_ResumeFilePath, folder.Join(L"Resume.dat").c_str(), MAX_PATH + 1);
        a = folder.MakeFile(L"a.wav", "RIFF");
        b = folder.MakeFile(L"b.wav", "RIFF");
        c = folder.MakeFile(L"c.wav", "RIFF");
    }
    ~SListFixture()
    {
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_CheckMode = 0;
        m_Resume_ClearOpenItem();
        g_ListPath[0] = 0;
        g_ListType = LIST_NONE;
        g_PlayState = 0;
        g_MediaOpen = 0;
        g_OpenThread = nullptr;
        g_ListModified = 0;
        g_TrackPropsInUse = g_TrackPropsDirty = 0;
        g_Settings.Main_ErrLog = 0;
    }
    void Add(std::initializer_list<const std::wstring*> paths)
    {
        for (const std::wstring* p : paths) REQUIRE(g_Playlist.m_AddPlayListFile(p->c_str(), 0));
    }
    std::wstring Stored(const std::wstring& path)
    {
        return Key(g_ResumeFilePath, kResumeSection, KeyName(path).c_str());
    }
    void Store(const std::wstring& path, const wchar_t* text)
    {
        WritePrivateProfileStringW(kResumeSection, KeyName(path).c_str(), text, g_ResumeFilePath);
    }
    std::wstring List(const std::wstring& name, const std::wstring& body)
    {
        return folder.MakeFile(name, m_Utf16(body));
    }
};

std::wstring EntryText(const STRACKINFO& track, int checkBoxes)
{
    SRESUMEINFO record;
    m_Resume_MakeEntryRecord(&track, checkBoxes, &record);
    wchar_t text[kResumeValueCap] = {};
    m_Resume_FormatValue(&record, text);
    return text;
}

}  // namespace

TEST_CASE("an open-files entry's record: its chapter check states and its own settings")
{
    static STRACKINFO track;
    struct SCASE {
        int chapterCount;
        int unchecked[2];
        int checkBoxes;
        const wchar_t* text;
    };
    const SCASE cases[] = {
        {3, {0, 2}, 1, L",,:5"},
        {3, {0, 2}, 0, L",,+:5"},
        // Flags past the chapter count are not the entry's.
        {2, {2, -1}, 1, L""},
        // Without a chapter count every flag counts.
        {0, {100, -1}, 1, L",,:10000000000000000000000000"},
        {0, {-1, -1}, 1, L""},
    };
    for (const SCASE& k : cases) {
        memset(&track, 0, sizeof(track));
        lstrcpynW(track.Path, L"C:\\media\\a.wav", MAX_PATH + 1);
        track.ChapterCount = k.chapterCount;
        for (int u : k.unchecked)
            if (u >= 0) track.ChapterUnchecked[u] = 1;
        CAPTURE(k.chapterCount);
        CHECK(EntryText(track, k.checkBoxes) == k.text);
    }

    // Settings only with the entry's settings flag.
    memset(&track, 0, sizeof(track));
    m_Resume_ClearRecord(&track.Resume);
    track.Resume.BoostOn = 1;
    track.Resume.Boost = 150;
    track.Resume.PositionOn = 1;
    track.Resume.Position = 9000;
    CHECK(EntryText(track, 1) == L"");
    track.SettingsPresent = 1;
    CHECK(EntryText(track, 1) == L",,,,,,,150");
}

TEST_CASE_FIXTURE(SListFixture,
                  "the open-files list takes its entries' records and saves them back")
{
    Store(a, L"12,,:5,3");
    Store(b, L"7,,,1,,,,150");
    Add({&a, &b, &c});
    REQUIRE(g_ListType == LIST_UNSAVED);

    // Only an unsaved list without a path and with entries is the open-files
    // list; a change without new tracks takes nothing from the store.
    m_ListResume_OnNotice(kNoticePlaylistChanged, 0);
    CHECK(g_OpenFilesMode == 1);
    CHECK(g_Playlist.m_GetTrack(0)->ChapterUnchecked[0] == 0);
    lstrcpynW(g_ListPath, L"C:\\lists\\saved.zvpl", MAX_PATH + 1);
    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);
    CHECK(g_OpenFilesMode == 0);
    g_ListPath[0] = 0;

    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);
    REQUIRE(g_OpenFilesMode == 1);
    const STRACKINFO* ta = g_Playlist.m_GetTrack(0);
    const STRACKINFO* tb = g_Playlist.m_GetTrack(1);
    CHECK((ta->ChapterUnchecked[0] == 1 && ta->ChapterUnchecked[1] == 0 &&
           ta->ChapterUnchecked[2] == 1));
    CHECK(g_Playlist.m_CheckMode == 1);
    CHECK((ta->SettingsPresent == 0 && tb->SettingsPresent == 1 && tb->HasResume == 1));
    CHECK((g_VideoPropTrack.BoostOn == 1 && g_VideoPropTrack.Boost == 150));

    // Saves keep the positions, drop the stream selections and write only
    // what the entries hold.
    g_PlayState = 5;
    for (int save = 1; save <= 2; ++save) {
        CAPTURE(save);
        m_Resume_Save();
        CHECK(Stored(a) == L"12,,:5");
        CHECK(Stored(b) == L"7,,,,,,,150");
        CHECK(Stored(c) == L"<none>");
    }

    // The entry's settings switched off and a chapter of c unchecked with the
    // check boxes hidden.
    g_Playlist.m_GetTrack(1)->SettingsPresent = 0;
    g_Playlist.m_GetTrack(2)->ChapterUnchecked[1] = 1;
    g_Playlist.m_SetCheckMode(0);
    m_Resume_Save();
    CHECK(Stored(a) == L"12,,+:5");
    CHECK(Stored(b) == L"7");
    CHECK(Stored(c) == L",,+:2");

    // A "+" text reads back without check boxes.
    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);
    CHECK(g_Playlist.m_CheckMode == 0);
    CHECK(g_Playlist.m_GetTrack(2)->ChapterUnchecked[1] == 1);

    // Deleting at close removes every entry's key.
    m_Resume_OnClose(-1);
    CHECK((Stored(a) == L"<none>" && Stored(b) == L"<none>" && Stored(c) == L"<none>"));
}

TEST_CASE_FIXTURE(SListFixture,
                  "files added while one plays: the listed entries keep what they hold now")
{
    Store(a, L"12,,:5,3");
    Store(b, L"7,,,1,,,,150");
    Add({&a, &b});
    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);
    REQUIRE(g_Playlist.m_GetTrack(0)->ChapterUnchecked[0] == 1);

    // a plays with its own boost; its chapter 1 is checked again.
    g_PlayState = 5;
    g_MediaOpen = 1;
    g_PlayingTrack = 0;
    g_VideoPropTrack.BoostOn = 1;
    g_VideoPropTrack.Boost = 90;
    g_Playlist.m_GetTrack(0)->ChapterUnchecked[0] = 0;
    Add({&c});
    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);

    const STRACKINFO* ta = g_Playlist.m_GetTrack(0);
    CHECK((ta->ChapterUnchecked[0] == 0 && ta->ChapterUnchecked[2] == 1));
    CHECK(Stored(a) == L"12,,:4");
    CHECK(g_Playlist.m_CheckMode == 1);
    // b's stored boost does not reach the level of the playing entry.
    CHECK(g_VideoPropTrack.Boost == 90);
}

TEST_CASE_FIXTURE(SListFixture,
                  "files added while the file-open thread opens one: its level is left to it")
{
    Store(a, L"12,,,,,,,90");
    Store(b, L"7,,,,,,,150");
    Add({&a, &b});
    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);

    // The thread has filled the level from a's record; the file is not
    // open yet.
    g_PlayState = 2;
    g_PlayingTrack = 0;
    g_OpenThread = GetCurrentThread();
    m_VideoProp_Init(&g_VideoPropTrack, 0);
    g_VideoPropTrack.BoostOn = 1;
    g_VideoPropTrack.Boost = 90;
    Add({&c});
    m_ListResume_OnNotice(kNoticePlaylistChanged, 1);

    CHECK(g_VideoPropTrack.Boost == 90);
    CHECK(g_Playlist.m_GetTrack(1)->SettingsPresent == 1);
    CHECK(Stored(a) == L"12,,,,,,,90");
}

TEST_CASE_FIXTURE(SListFixture, "the playing entry's RESUME in its .zvpl, and the two notices")
{
    const std::wstring list = List(L"l.zvpl",
                                   L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=3\r\n"
                                   L"[TRACK_1]\r\nPATH=" +
                                       a + L"\r\n[TRACK_2]\r\nPATH=" + b +
                                       L"\r\nRESUME=3\r\n[TRACK_3]\r\nPATH=" + c + L"\r\n");
    Add({&a, &b, &c});
    g_ListType = LIST_ZVPL;
    lstrcpynW(g_ListPath, list.c_str(), MAX_PATH + 1);
    g_ListModified = 0;
    g_PlayingTrack = 1;
    STRACKINFO* track = g_Playlist.m_GetTrack(1);
    m_Resume_ClearRecord(&track->Resume);
    track->Resume.PositionOn = 1;
    track->Resume.Position = 5000;
    track->Resume.BoostOn = 1;
    track->Resume.Boost = 150;
    track->HasResume = track->SettingsPresent = 1;

    CHECK(m_Resume_WriteTrack() == 1);
    CHECK(Key(list, L"TRACK_2", L"RESUME") == L"5,,,,,,,150");
    CHECK(Key(list, L"TRACK_1", L"RESUME") == L"<none>");

    // Switched off: the settings flag follows, the record stays without them.
    g_TrackPropsInUse = 1;
    m_ListResume_OnNotice(kNoticeTrackPropsSwitched, 0);
    CHECK((g_TrackPropsInUse == 0 && track->SettingsPresent == 0));
    CHECK(Key(list, L"TRACK_2", L"RESUME") == L"5");

    // A change stored while the entry's level is off leaves the entry without
    // a record; the write the timer makes removes its key.
    m_ListResume_OnNotice(kNoticeTrackPropsChanged, 0);
    CHECK((track->HasResume == 0 && g_TrackPropsDirty == 1));
    CHECK(m_Resume_WriteTrack() == 0);
    CHECK(g_TrackPropsDirty == 0);
    CHECK(Key(list, L"TRACK_2", L"RESUME") == L"<none>");

    // A list that refuses the write keeps its bytes; the failure is logged and
    // the write stays pending.
    track->HasResume = track->SettingsPresent = 1;
    const std::string before = m_ReadBytes(list);
    REQUIRE(SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine run as root writes read-only files all the same; holding the file
    // open refuses writers everywhere.
    HANDLE held = CreateFileW(list.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    CHECK(m_Resume_WriteTrack() == 0);
    CloseHandle(held);
    SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_NORMAL);
    CHECK(g_TrackPropsDirty == 1);
    CHECK(m_ReadBytes(list) == before);
    CHECK(m_Log().find("Error / WritePrivateProfileString() /") != std::string::npos);
    CHECK(m_Resume_WriteTrack() == 1);

    // Without a playing entry, or for a list of another type, nothing.
    g_PlayingTrack = 3;
    CHECK(m_Resume_WriteTrack() == 0);
    g_PlayingTrack = 1;
    g_ListType = LIST_M3U;
    CHECK(m_Resume_WriteTrack() == 0);
}

TEST_CASE_FIXTURE(SListFixture,
                  "a single file's RESUME in its folder's list is found as it is read")
{
    // Spelt in another case, listed twice, and a key past COUNT.
    const std::wstring list = List(L"zentavio_fldrmg.zvpl",
                                   L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=3\r\nFILEMG=1\r\n"
                                   L"[TRACK_1]\r\nPATH=.\\b.wav\r\n[TRACK_2]\r\nPATH=.\\A.WAV\r\n"
                                   L"[TRACK_3]\r\nPATH=.\\a.wav\r\nRESUME=1\r\n"
                                   L"[TRACK_4]\r\nPATH=.\\c.wav\r\n");
    g_ListType = LIST_SINGLE;
    g_FolderListHasFile = 1;
    lstrcpynW(g_ListPath, a.c_str(), MAX_PATH + 1);
    m_Resume_WriteFolderListTrack(L"8,,,,,,,120");
    CHECK(Key(list, L"TRACK_2", L"RESUME") == L"8,,,,,,,120");
    CHECK(Key(list, L"TRACK_3", L"RESUME") == L"1");
    SRESUMEINFO read;
    m_Resume_ClearRecord(&read);
    REQUIRE(m_Resume_FindInFolderList(a.c_str(), &read, nullptr, nullptr) == 1);
    CHECK((read.Position == 8000 && read.Boost == 120));
    m_Resume_WriteFolderListTrack(nullptr);
    CHECK(Key(list, L"TRACK_2", L"RESUME") == L"<none>");

    lstrcpynW(g_ListPath, c.c_str(), MAX_PATH + 1);
    const std::string before = m_ReadBytes(list);
    m_Resume_WriteFolderListTrack(L"4");
    CHECK(m_ReadBytes(list) == before);
}
