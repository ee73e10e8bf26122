#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ListFileFixture.h"
#include "TempFolder.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListText.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "playlist/PlaylistState.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

SLogFolder s_Log;

bool m_Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring m_ResumeText(int track, int position, const wchar_t* checks)
{
    SRESUMEINFO r;
    m_Resume_ClearRecord(&r);
    r.HasData = r.PositionOn = 1;
    r.Track = track;
    r.Position = position;
    if (checks) {
        r.CheckOn = 1;
        lstrcpyW(r.CheckText, checks);
    }
    wchar_t text[kResumeValueCap];
    m_Resume_FormatValue(&r, text);
    return text;
}

// A media folder with a folder-management list; the entries of the list in
// the order the file system lists the folder, as the re-sync adds them.
struct SSyncFixture {
    CTempFolder folder;
    std::wstring list;

    SSyncFixture()
    {
        g_IniPath[0] = 0;
        g_Settings.Main_ErrLog = 1;
        list = folder.Join(L"zentavio_fldrmg.zvpl");
    }
    ~SSyncFixture() { g_Settings.Main_ErrLog = 0; }

    void Files(std::initializer_list<const wchar_t*> names)
    {
        for (const wchar_t* name : names) folder.MakeFile(name, "RIFF");
    }
    void List(const std::wstring& body) { folder.MakeFile(L"zentavio_fldrmg.zvpl", m_Utf16(body)); }
    // Playable files by the folder's own listing order.
    std::vector<std::wstring> Order() const
    {
        std::vector<std::wstring> out;
        WIN32_FIND_DATAW fd;
        HANDLE find = FindFirstFileW(folder.Join(L"*.wav").c_str(), &fd);
        if (find == INVALID_HANDLE_VALUE) return out;
        do out.push_back(fd.cFileName);
        while (FindNextFileW(find, &fd));
        FindClose(find);
        return out;
    }
    // TRACK_n of the file whose relative PATH names it, 0 when none.
    static int Entry(const CListProfile& p, const std::wstring& name)
    {
        for (int n = 1; n <= p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"COUNT", 0); ++n) {
            const wchar_t* path = p.m_FindTrack(n, L"PATH");
            if (path && _wcsicmp(path, (L".\\" + name).c_str()) == 0) return n;
        }
        return 0;
    }
    std::wstring Key(const CListProfile& p, int n, const wchar_t* key)
    {
        const wchar_t* v = p.m_FindTrack(n, key);
        return v ? v : L"<none>";
    }
    SRESUMEINFO ListRecord(const CListProfile& p)
    {
        SRESUMEINFO r;
        m_Resume_ClearRecord(&r);
        const wchar_t* v = p.m_Find(L"ZENTAVIO_PLAYLIST", L"RESUME");
        if (v) m_Resume_ParseRecord(v, &r, nullptr);
        return r;
    }
};

}  // namespace

TEST_CASE_FIXTURE(SSyncFixture, "entries keep their data by path, gone ones go, new files come")
{
    Files({L"a.wav", L"b.wav", L"c.wav", L"notes.txt"});
    // A RESUME runs to 255 characters: the record's nine fields with a long
    // check-state text.
    const std::wstring longResume = std::wstring(L"1,2,") + std::wstring(251, L'3');
    REQUIRE(longResume.size() == 255);
    List(
        L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=3\r\nFILEMG=1\r\n"
        L"[TRACK_1]\r\nPATH=.\\B.WAV\r\nNAME=\u30d3\u30fc\r\nTIME=12.700\r\nRESUME=" +
        longResume +
        L"\r\n[TRACK_2]\r\nPATH=.\\gone.wav\r\nNAME=Gone\r\nRESUME=7\r\n"
        L"[TRACK_3]\r\nPATH=" +
        folder.Join(L"a.wav") + L"\r\nTIME=5\r\n");
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
    CHECK_FALSE(m_Exists(list + L".bak"));

    CListProfile p;
    REQUIRE(p.m_Load(list.c_str()));
    CHECK(m_ReadBytes(list).compare(0, 2, "\xFF\xFE") == 0);
    CHECK(p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"COUNT", 0) == 3);
    CHECK(p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"FILEMG", 0) == 1);
    const std::vector<std::wstring> order = Order();
    REQUIRE(order.size() == 3);
    for (int i = 0; i < 3; ++i) {
        CAPTURE(order[i]);
        const int n = i + 1;
        const wchar_t* path = p.m_FindTrack(n, L"PATH");
        REQUIRE(path);
        // The case-different entry matched its file; an unchanged position
        // keeps its PATH as written.
        const bool kept = _wcsicmp(path, (L".\\" + order[i]).c_str()) == 0 ||
                          _wcsicmp(path, folder.Join(order[i]).c_str()) == 0;
        CHECK(kept);
        if (order[i] == L"b.wav") {
            CHECK(Key(p, n, L"NAME") == L"\u30d3\u30fc");
            CHECK(Key(p, n, L"RESUME") == longResume);
            CHECK(Key(p, n, L"TIME") == (n == 1 ? L"12.700" : L"12"));
        } else if (order[i] == L"a.wav") {
            CHECK(Key(p, n, L"TIME") == L"5");
            CHECK(Key(p, n, L"NAME") == L"<none>");
        } else {
            CHECK(Key(p, n, L"NAME") == L"<none>");
            CHECK(Key(p, n, L"TIME") == L"<none>");
            CHECK(Key(p, n, L"RESUME") == L"<none>");
        }
    }
}

TEST_CASE_FIXTURE(SSyncFixture, "the list's record follows its entry")
{
    // Old entries x, gone, y, z; the folder keeps x, y and z and gains w.
    Files({L"x.wav", L"y.wav", L"z.wav", L"w.wav"});
    const std::vector<std::wstring> order = Order();
    auto newIndex = [&](const wchar_t* name) {
        for (size_t i = 0; i < order.size(); ++i)
            if (order[i] == name) return (int)i;
        return -1;
    };
    struct SCase {
        int track;
        int position;
        int expectTrack;
        int expectPosition;
    };
    const SCase cases[] = {
        {0, 4000, newIndex(L"x.wav"), 4000},
        {2, 6000, newIndex(L"y.wav"), 6000},
        // Its entry gone: after the nearest surviving entry above, from its start.
        {1, 5000, newIndex(L"x.wav") + 1, 0},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.track);
        List(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=4\r\nRESUME=" +
             m_ResumeText(c.track, c.position, nullptr) +
             L"\r\n[TRACK_1]\r\nPATH=.\\x.wav\r\n[TRACK_2]\r\nPATH=.\\gone.wav\r\n"
             L"[TRACK_3]\r\nPATH=.\\y.wav\r\n[TRACK_4]\r\nPATH=.\\z.wav\r\n");
        REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
        CListProfile p;
        REQUIRE(p.m_Load(list.c_str()));
        const SRESUMEINFO r = ListRecord(p);
        CHECK(r.Track == c.expectTrack);
        CHECK(r.Position == c.expectPosition);
        CHECK(p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"COUNT", 0) == 4);
    }

    // The first entry gone: the start of the list.
    List(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=2\r\nRESUME=" + m_ResumeText(0, 9000, nullptr) +
         L"\r\n[TRACK_1]\r\nPATH=.\\gone.wav\r\n[TRACK_2]\r\nPATH=.\\x.wav\r\n");
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 0) == 1);
    CListProfile p;
    REQUIRE(p.m_Load(list.c_str()));
    CHECK(ListRecord(p).Track == 0);
    CHECK(ListRecord(p).Position == 0);
}

TEST_CASE_FIXTURE(SSyncFixture, "check states follow their entries into the list's record")
{
    Files({L"x.wav", L"y.wav"});
    const std::vector<std::wstring> order = Order();
    // Old entries x, gone, y: y unchecked (track mask 4) with chapters 0
    // and 1 unchecked; boxes hidden ("+").
    List(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=3\r\nRESUME=" + m_ResumeText(0, 0, L"+4:::3") +
         L"\r\n[TRACK_1]\r\nPATH=.\\x.wav\r\n[TRACK_2]\r\nPATH=.\\gone.wav\r\n"
         L"[TRACK_3]\r\nPATH=.\\y.wav\r\n");
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
    CListProfile p;
    REQUIRE(p.m_Load(list.c_str()));
    const SRESUMEINFO r = ListRecord(p);
    REQUIRE(r.CheckOn == 1);
    CHECK(r.CheckText[0] == L'+');
    static STRACKINFO tracks[2];
    memset(tracks, 0, sizeof(tracks));
    int mode = -1;
    CPlaylist::m_ParseCheckString(r.CheckText, tracks, 2, &mode);
    CHECK(mode == 0);
    const int y = order[0] == L"y.wav" ? 0 : 1;
    CHECK(tracks[y].Unchecked == 1);
    CHECK(tracks[1 - y].Unchecked == 0);
    CHECK((tracks[y].ChapterUnchecked[0] == 1 && tracks[y].ChapterUnchecked[1] == 1));
    CHECK(tracks[y].ChapterUnchecked[2] == 0);
    CHECK(tracks[1 - y].ChapterUnchecked[0] == 0);

    // The unchecked entry gone: no check state is left.
    DeleteFileW(folder.Join(L"y.wav").c_str());
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
    REQUIRE(p.m_Load(list.c_str()));
    CHECK(ListRecord(p).CheckOn == 0);
}

TEST_CASE_FIXTURE(SSyncFixture,
                  "a folder that lost its last file deletes only the sections past the new count")
{
    Files({L"a.wav", L"b.wav", L"c.wav"});
    const std::vector<std::wstring> order = Order();
    std::wstring body = L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=3\r\n";
    for (int i = 0; i < 3; ++i) {
        body += L"[TRACK_" + std::to_wstring(i + 1) + L"]\r\nPATH=.\\" + order[i] +
                L"\r\nTIME=2.500\r\nX=" + std::to_wstring(i) + L"\r\n";
    }
    body += L"[Other]\r\nKey=kept\r\n";
    List(body);
    DeleteFileW(folder.Join(order[2]).c_str());
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
    CListProfile p;
    REQUIRE(p.m_Load(list.c_str()));
    CHECK(p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"COUNT", 0) == 2);
    CHECK(p.m_MaxTrackNumber() == 2);
    // The unchanged sections stay as they were, the new last one too.
    for (int n = 1; n <= 2; ++n) {
        CHECK(Key(p, n, L"TIME") == L"2.500");
        CHECK(Key(p, n, L"X") == std::to_wstring(n - 1));
    }
    CHECK(std::wstring(p.m_Find(L"Other", L"Key")) == L"kept");

    // Every file gone: no entries, the record at the start.
    for (int i = 0; i < 2; ++i) DeleteFileW(folder.Join(order[i]).c_str());
    List(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=1\r\nRESUME=" + m_ResumeText(0, 3000, nullptr) +
         L"\r\n[TRACK_1]\r\nPATH=.\\a.wav\r\n");
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
    REQUIRE(p.m_Load(list.c_str()));
    CHECK(p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"COUNT", -1) == 0);
    CHECK(p.m_MaxTrackNumber() == 0);
    CHECK(ListRecord(p).Position == 0);
}

namespace {

struct SBakWatch {
    std::wstring bak;
    volatile LONG stop = 0;
    volatile LONG seen = 0;
};

DWORD WINAPI m_WatchBak(void* context)
{
    SBakWatch* w = (SBakWatch*)context;
    while (!w->stop) {
        if (m_Exists(w->bak)) w->seen = 1;
        Sleep(5);
    }
    return 0;
}

}  // namespace

TEST_CASE_FIXTURE(SSyncFixture,
                  "a failed write is retried once and the .bak restores nothing it need not")
{
    Files({L"a.wav"});
    List(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=0\r\n");
    const std::string old = m_ReadBytes(list);
    struct SHold {
        const char* how;
        bool readOnly;
    };
    for (const SHold& hold :
         {SHold{"read-only", true}, SHold{"held open by another program", false}}) {
        CAPTURE(hold.how);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (hold.readOnly) {
            REQUIRE(SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_READONLY));
            // Wine run as root opens a read-only file for writing all the same.
            HANDLE probe = CreateFileW(list.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (probe != INVALID_HANDLE_VALUE) {
                CloseHandle(probe);
                SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_NORMAL);
                MESSAGE("read-only files are writable here; that case is skipped");
                continue;
            }
        } else {
            // Readers may share it, so the backup copy is made; writers not.
            held = CreateFileW(list.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            REQUIRE(held != INVALID_HANDLE_VALUE);
        }
        SBakWatch watch;
        watch.bak = list + L".bak";
        HANDLE thread = CreateThread(nullptr, 0, m_WatchBak, &watch, 0, nullptr);
        REQUIRE(thread);
        const DWORD start = GetTickCount();
        const int result = m_PlaylistFile_SyncFolderList(list.c_str(), 1);
        const DWORD took = GetTickCount() - start;
        watch.stop = 1;
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SetFileAttributesW(list.c_str(), FILE_ATTRIBUTE_NORMAL);
        CHECK(result == 0);
        CHECK(took >= 450);
        CHECK(watch.seen == 1);
        CHECK_FALSE(m_Exists(list + L".bak"));
        CHECK(m_ReadBytes(list) == old);
    }
    const std::string log = m_ReadBytes(s_Log.folder.Join(L"Error.log"));
    CHECK(log.find("Error / CPlaylist::m_SyncFolderListFile()") != std::string::npos);
    CHECK(log.find("Retry / CPlaylist::m_SyncFolderListFile() = 0") != std::string::npos);

    // Writable again: written, the backup gone.
    REQUIRE(m_PlaylistFile_SyncFolderList(list.c_str(), 1) == 1);
    CHECK_FALSE(m_Exists(list + L".bak"));
    CListProfile p;
    REQUIRE(p.m_Load(list.c_str()));
    CHECK(p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"COUNT", 0) == 1);
}

TEST_CASE_FIXTURE(SSyncFixture, "files that are not a folder-management list are left alone")
{
    Files({L"a.wav"});
    const std::string body = m_Utf16(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=0\r\n");
    struct SCase {
        const wchar_t* name;
        std::string bytes;
    };
    const SCase cases[] = {
        {L"list.zvpl", body},
        {L"zentavio_fldrmg.zvpl.txt", body},
        {L"zentavio_fldrmg.zvpl", m_Utf16(L"[ZENTAVIO_PLAYLIST]\r\nCOUNT=0\r\n")},  // no FMT
        {L"zentavio_fldrmg.zvpl", std::string(500001, 'x')},                        // too big
    };
    for (const SCase& c : cases) {
        CAPTURE(std::string(c.name, c.name + wcslen(c.name)));
        const std::wstring path = folder.MakeFile(c.name, c.bytes);
        CHECK(m_PlaylistFile_SyncFolderList(path.c_str(), 1) == 0);
        CHECK(m_ReadBytes(path) == c.bytes);
        CHECK_FALSE(m_Exists(path + L".bak"));
        DeleteFileW(path.c_str());
    }
    CHECK(m_PlaylistFile_SyncFolderList(folder.Join(L"zentavio_fldrmg.zvpl").c_str(), 1) == 0);
    // The name is taken without regard to case.
    const std::wstring upper = folder.MakeFile(L"ZENTAVIO_FLDRMG.ZVPL", body);
    CHECK(m_PlaylistFile_SyncFolderList(upper.c_str(), 0) == 1);
}

TEST_CASE_FIXTURE(SSyncFixture, "a single file's RESUME first brings its folder list up to date")
{
    Files({L"a.wav", L"b.wav"});
    List(
        L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=1\r\nFILEMG=1\r\n[TRACK_1]\r\nPATH=.\\a.wav\r\n");
    const std::wstring b = folder.Join(L"b.wav");
    SRESUMEINFO found;
    m_Resume_ClearRecord(&found);
    UINT managed = 0, listed = 1;
    CHECK(m_Resume_FindInFolderList(b.c_str(), &found, &managed, &listed) == 0);
    REQUIRE(listed == 0);

    // Deleting b's record while it is open as a single file.
    g_ListType = LIST_SINGLE;
    lstrcpynW(g_ListPath, b.c_str(), MAX_PATH + 1);
    g_FolderListMg = 1;
    g_FolderListHasFile = 0;
    m_Resume_ClearRecord(&g_ResumeCurrentSaved);
    m_Resume_ClearRecord(&g_ResumeListSaved);
    g_ResumeListSaved.HasData = 1;
    m_Resume_Delete();
    CHECK(g_FolderListHasFile == 1);
    CHECK(m_Resume_FindInFolderList(b.c_str(), &found, &managed, &listed) == 0);
    CHECK((managed == 1 && listed == 1));
    CHECK_FALSE(m_Exists(list + L".bak"));
    m_Resume_ClearOpenItem();
    g_ListType = LIST_NONE;
    g_ListPath[0] = 0;
}
