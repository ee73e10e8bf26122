#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ListFileFixture.h"
#include "TempFolder.h"
#include "base/ErrorLog.h"
#include "filedata/DataFiles.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListFileKeys.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "playlist/ZvplFile.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

SLogFolder s_Log;

std::string m_Log() { return m_ReadBytes(s_Log.folder.Join(L"Error.log")); }

std::string m_Utf8(const std::wstring& text)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n, 0);
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0], n, nullptr, nullptr);
    return out;
}

// Media files in a temp folder and an empty playlist, the error log on.
struct SFilesFixture {
    CTempFolder folder;

    SFilesFixture()
    {
        g_IniPath[0] = 0;
        g_Settings.Main_ErrLog = 1;
        g_Settings.Main_Lgcy = 0;
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_MarkSaved();
        for (const wchar_t* name : {L"a.wav", L"b.wav", L"c.wav", L"\u66f2 \u00e9.wav"})
            folder.MakeFile(name, "RIFF");
    }
    ~SFilesFixture()
    {
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_MarkSaved();
        g_Settings.Main_ErrLog = 0;
        g_ListResumeOn = g_FolderListMg = 0;
    }
    std::wstring Zvpl(const std::wstring& name, const std::wstring& body)
    {
        return folder.MakeFile(name, m_Utf16(body, false));
    }
    std::vector<std::wstring> Paths() const
    {
        std::vector<std::wstring> out;
        for (int i = 0; i < g_Playlist.m_Count; ++i) out.push_back(g_Playlist.m_Tracks[i].Path);
        return out;
    }
};

}  // namespace

TEST_CASE_FIXTURE(SFilesFixture, "a .zvpl and an .m3u8 written from the list read back the same")
{
    const std::wstring a = folder.Join(L"a.wav"), uni = folder.Join(L"\u66f2 \u00e9.wav");
    REQUIRE(g_Playlist.m_AppendTrack(a.c_str()));
    REQUIRE(g_Playlist.m_AppendTrack(uni.c_str()));
    lstrcpyW(g_Playlist.m_Tracks[0].Name, L"\u30c8\u30e9\u30c3\u30af");
    g_Playlist.m_Tracks[0].Milliseconds = 2500;
    g_Playlist.m_Tracks[0].Seconds = 2;
    g_Playlist.m_Tracks[1].Milliseconds = 61000;
    g_Playlist.m_Tracks[1].Seconds = 61;

    const std::wstring zvpl = folder.Join(L"list.zvpl");
    REQUIRE(m_PlaylistFile_WriteZvpl(zvpl.c_str(), 1, 1, 1) == 1);
    const std::string bytes = m_ReadBytes(zvpl);
    CHECK(bytes.compare(0, 2, "\xFF\xFE") == 0);
    CHECK(bytes.find(m_Utf16(L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=2\r\n[TRACK_1]\r\n"
                             L"PATH=.\\a.wav\r\n",
                             false)
                         .substr(2)) == 2);
    CHECK(bytes.find(m_Utf16(L"TIME=2.500\r\n", false).substr(2)) != std::string::npos);
    CHECK(bytes.find(m_Utf16(L"TIME=61.000\r\n", false).substr(2)) != std::string::npos);
    CHECK(GetFileAttributesW((zvpl + L".bak").c_str()) == INVALID_FILE_ATTRIBUTES);

    const std::wstring m3u = folder.Join(L"list.m3u8");
    REQUIRE(m_PlaylistFile_WriteM3u(m3u.c_str()) == 1);
    CHECK(m_ReadBytes(m3u) == "\xEF\xBB\xBF#EXTM3U\n#EXTINF:2," +
                                  m_Utf8(L"\u30c8\u30e9\u30c3\u30af") + "\n" + m_Utf8(a) +
                                  "\n#EXTINF:61\n" + m_Utf8(uni) + "\n");

    for (const std::wstring& list : {zvpl, m3u}) {
        CAPTURE(std::string(m_Utf8(list)));
        g_Playlist.m_ClearPlayList();
        if (list == zvpl)
            REQUIRE(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, 0, nullptr, 0) == 1);
        else
            REQUIRE(m_PlaylistFile_ReadM3u(list.c_str(), 1) == 1);
        REQUIRE(g_Playlist.m_Count == 2);
        CHECK(g_Playlist.m_Tracks[0].Path == a);
        CHECK(g_Playlist.m_Tracks[1].Path == uni);
        CHECK(std::wstring(g_Playlist.m_Tracks[0].Name) == L"\u30c8\u30e9\u30c3\u30af");
        CHECK(g_Playlist.m_Tracks[1].Seconds == 61);
        CHECK(g_Playlist.m_Tracks[0].Missing == 0);
        CHECK(g_Playlist.m_IsModified() == 0);
    }
    // Whole seconds only in M3U; the .zvpl keeps milliseconds.
    CHECK(g_Playlist.m_Tracks[0].Milliseconds == 2000);
    g_Playlist.m_ClearPlayList();
    m_PlaylistFile_ReadZvpl(zvpl.c_str(), 1, nullptr, 1, 0, nullptr, 0);
    CHECK(g_Playlist.m_Tracks[0].Milliseconds == 2500);
}

TEST_CASE_FIXTURE(SFilesFixture, ".zvpl edge cases")
{
    struct SCase {
        const wchar_t* body;
        int taken;
        std::vector<std::wstring> names;  // file names read, in order
    } cases[] = {
        {L"[ZENTAVIO_PLAYLIST]\nFMT=110\nCOUNT=1\n[TRACK_1]\nPATH=.\\a.wav\n", 1, {}},
        {L"[ZENTAVIO_PLAYLIST]\nFMT=0\nCOUNT=1\n[TRACK_1]\nPATH=.\\a.wav\n", 0, {}},
        {L"[ZENTAVIO_PLAYLIST]\nCOUNT=1\n[TRACK_1]\nPATH=.\\a.wav\n", 0, {}},
        // The profile API's reading: names without case, blanks, quotes,
        // the first duplicate wins.
        {L"[zentavio_playlist]\n fmt = 100 \ncount=2\n[track_1]\npath=\".\\b.wav\"\n"
         L"PATH=.\\c.wav\n[TRACK_2]\n  PATH =  .\\a.wav  \n",
         1,
         {L"b.wav", L"a.wav"}},
        // A COUNT past the sections present ends with them; empty PATHs skip.
        {L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=2147483647\n[TRACK_1]\nPATH=.\\a.wav\n"
         L"[TRACK_2]\nPATH=\n[TRACK_3]\nPATH=.\\c.wav\n",
         1,
         {L"a.wav", L"c.wav"}},
        // Sections out of order, a repeated one (the first wins), and a
        // number far past the count of lines.
        {L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=100\n[TRACK_2]\nPATH=.\\b.wav\n"
         L"[TRACK_1]\nPATH=.\\a.wav\n[TRACK_2]\nPATH=.\\c.wav\n[TRACK_100]\nPATH=.\\c.wav\n",
         1,
         {L"a.wav", L"b.wav", L"c.wav"}},
    };
    for (const SCase& c : cases) {
        CAPTURE(m_Utf8(c.body));
        const std::wstring list = Zvpl(L"edge.zvpl", c.body);
        g_Playlist.m_ClearPlayList();
        CHECK(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, 0, nullptr, 0) == c.taken);
        std::vector<std::wstring> expected;
        for (const std::wstring& n : c.names) expected.push_back(folder.Join(n));
        CHECK(Paths() == expected);
    }
}

TEST_CASE_FIXTURE(SFilesFixture, "a .zvpl's times, names, RESUME values and bad values")
{
    std::wstring longName(500, L'n'), longPath = L"C:\\" + std::wstring(300, L'p') + L".wav";
    const std::wstring list =
        Zvpl(L"t.zvpl",
             L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=4\r\nRESUME=-\r\n"
             L"[TRACK_1]\r\nPATH=.\\a.wav\r\nTIME=abc\r\nNAME=" +
                 longName + L"\r\nRESUME=-\r\n[TRACK_2]\r\nPATH=" + longPath +
                 L"\r\n[TRACK_3]\r\nPATH=.\\missing.wav\r\nTIME=12.3456\r\nRESUME=5\r\n");
    SRESUMEINFO record;
    m_Resume_ClearRecord(&record);
    int skipped = -1;
    REQUIRE(m_PlaylistFile_ReadZvpl(list.c_str(), 1, &record, 1, 0, &skipped, 0) == 1);
    CHECK(record.HasData == 0);
    CHECK(skipped == 1);  // the 300-character path
    REQUIRE(g_Playlist.m_Count == 2);
    const STRACKINFO& a = g_Playlist.m_Tracks[0];
    CHECK(a.Milliseconds == 0);
    CHECK(std::wstring(a.Name) == longName.substr(0, kTrackNameCap - 1));
    CHECK(a.HasResume == 0);
    const STRACKINFO& m = g_Playlist.m_Tracks[1];
    CHECK(m.Missing == 1);
    CHECK(m.Milliseconds == 12345);
    CHECK(m.Seconds == 12);
    CHECK(m.HasResume == 1);
}

TEST_CASE_FIXTURE(SFilesFixture, "skipped entries move the list's own track")
{
    // Entries 0 and 1 are missing, 2 is the record's track; then 3 missing.
    std::wstring body =
        L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=5\nRESUME=7,3\n"
        L"[TRACK_1]\nPATH=.\\x.wav\n[TRACK_2]\nPATH=.\\y.wav\n"
        L"[TRACK_3]\nPATH=.\\b.wav\n[TRACK_4]\nPATH=.\\z.wav\n"
        L"[TRACK_5]\nPATH=.\\c.wav\n";
    SRESUMEINFO record;
    m_Resume_ClearRecord(&record);
    int skipped = 0;
    REQUIRE(m_PlaylistFile_ReadZvpl(Zvpl(L"s.zvpl", body).c_str(), 1, &record, 1, 1, &skipped, 0));
    CHECK(skipped == 3);
    CHECK(Paths() == std::vector<std::wstring>{folder.Join(L"b.wav"), folder.Join(L"c.wav")});
    CHECK(record.HasData == 1);
    CHECK(record.Track == 0);
    CHECK(record.Position == 7000);

    // The record's own track skipped: its position becomes 0.
    body =
        L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=2\nRESUME=7,2\n"
        L"[TRACK_1]\nPATH=.\\a.wav\n[TRACK_2]\nPATH=.\\gone.wav\n";
    m_Resume_ClearRecord(&record);
    REQUIRE(m_PlaylistFile_ReadZvpl(Zvpl(L"s.zvpl", body).c_str(), 1, &record, 1, 1, &skipped, 0));
    CHECK(record.Track == 1);
    CHECK(record.Position == 0);

    // Duplicates skipped without regard to case.
    body =
        L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=2\n[TRACK_1]\nPATH=.\\a.wav\n"
        L"[TRACK_2]\nPATH=.\\A.WAV\n";
    REQUIRE(m_PlaylistFile_ReadZvpl(Zvpl(L"s.zvpl", body).c_str(), 1, nullptr, 1, 1, &skipped, 1));
    CHECK(g_Playlist.m_Count == 1);
    CHECK(skipped == 1);

    // Appending: the tracks already listed count too, accented letters as well.
    g_Playlist.m_ClearPlayList();
    const std::wstring uni = folder.Join(L"\u66f2 \u00e9.wav");
    REQUIRE(g_Playlist.m_AppendTrack(uni.c_str()));
    body =
        L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=3\n[TRACK_1]\nPATH=.\\\u66f2 \u00c9.WAV\n"
        L"[TRACK_2]\nPATH=.\\b.wav\n[TRACK_3]\nPATH=.\\B.wav\n";
    REQUIRE(m_PlaylistFile_ReadZvpl(Zvpl(L"s.zvpl", body).c_str(), 0, nullptr, 0, 0, &skipped, 1));
    CHECK(Paths() == std::vector<std::wstring>{uni, folder.Join(L"b.wav")});
    CHECK(skipped == 2);
}

TEST_CASE_FIXTURE(SFilesFixture, "far section numbers are reached without walking the gap")
{
    // Entry 5, the record's track, lies in the gap: the four absent entries
    // above it move it up to 1 and its position goes.
    const std::wstring list = Zvpl(L"gap.zvpl",
                                   L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=2147483647\nRESUME=7,6\n"
                                   L"[TRACK_1]\nPATH=.\\a.wav\n[TRACK_999999999]\nPATH=.\\b.wav\n");
    SRESUMEINFO record;
    m_Resume_ClearRecord(&record);
    int skipped = 0;
    const DWORD began = GetTickCount();
    REQUIRE(m_PlaylistFile_ReadZvpl(list.c_str(), 1, &record, 1, 1, &skipped, 0));
    CHECK(GetTickCount() - began < 1000);
    CHECK(Paths() == std::vector<std::wstring>{folder.Join(L"a.wav"), folder.Join(L"b.wav")});
    CHECK(skipped == 999999997);
    CHECK(record.Track == 1);
    CHECK(record.Position == 0);

    // A legacy list's sections after a gap are read too.
    g_Settings.Main_Lgcy = 1;
    const std::wstring old = Zvpl(L"gap-old.zvpl",
                                  L"[TORVALISK_PLAYLIST]\nVER=100\nTRACKCOUNT=5\n"
                                  L"[TRACK1]\nPATH=.\\a.wav\n[TRACK5]\nPATH=.\\c.wav\n");
    REQUIRE(m_PlaylistFile_ReadZvpl(old.c_str(), 1, nullptr, 1, 1, &skipped, 0));
    g_Settings.Main_Lgcy = 0;
    CHECK(Paths() == std::vector<std::wstring>{folder.Join(L"a.wav"), folder.Join(L"c.wav")});
    CHECK(skipped == 3);
}

TEST_CASE_FIXTURE(SFilesFixture, "TIME values written as \"%0.3f\" keep their millisecond")
{
    const long long times[] = {1001, 2002, 7999, 1023, 3599999, 1};
    std::wstring body = L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=8\n";
    int n = 0;
    for (long long ms : times) {
        wchar_t time[32];
        swprintf(time, 32, L"%0.3f", ms / 1000.0);
        body += L"[TRACK_" + std::to_wstring(++n) + L"]\nPATH=.\\a.wav\nTIME=" + time + L"\n";
    }
    // More digits are still cut, not rounded.
    body += L"[TRACK_7]\nPATH=.\\a.wav\nTIME=12.3456\n[TRACK_8]\nPATH=.\\a.wav\nTIME=0.0009\n";
    REQUIRE(m_PlaylistFile_ReadZvpl(Zvpl(L"t.zvpl", body).c_str(), 1, nullptr, 0, 0, nullptr, 0));
    REQUIRE(g_Playlist.m_Count == 8);
    for (int i = 0; i < 6; ++i) {
        CAPTURE(times[i]);
        CHECK(g_Playlist.m_Tracks[i].Milliseconds == times[i]);
        CHECK(g_Playlist.m_Tracks[i].Seconds == (UINT)(times[i] / 1000));
    }
    CHECK(g_Playlist.m_Tracks[6].Milliseconds == 12345);
    CHECK(g_Playlist.m_Tracks[7].Milliseconds == 0);
}

TEST_CASE_FIXTURE(SFilesFixture, "TIME is written as \"%0.3f\" writes it and read back whole")
{
    const long long times[] = {
        1, 999, 1000, 1001, 61500, 3599999, 86400000123LL, (1LL << 40) - 1, (1LL << 40) + 7};
    const std::wstring a = folder.Join(L"a.wav");
    for (long long ms : times) {
        REQUIRE(g_Playlist.m_AppendTrack(a.c_str()));
        g_Playlist.m_Tracks[g_Playlist.m_Count - 1].Milliseconds = ms;
    }
    const std::wstring zvpl = folder.Join(L"times.zvpl");
    REQUIRE(m_PlaylistFile_WriteZvpl(zvpl.c_str(), 0, 0, 1) == 1);
    const std::string bytes = m_ReadBytes(zvpl);
    for (long long ms : times) {
        CAPTURE(ms);
        wchar_t line[64];
        swprintf(line, 64, L"TIME=%0.3f\r\n", ms / 1000.0);
        CHECK(bytes.find(m_Utf16(line, false).substr(2)) != std::string::npos);
    }
    // Plain and other forms of seconds read as the floating-point read has them.
    std::wstring body = L"[ZENTAVIO_PLAYLIST]\nFMT=100\nCOUNT=9\n";
    const wchar_t* texts[] = {L"7",   L".5",   L"5.",  L"1.05",       L"+2.5",
                              L"1e3", L"-1.5", L"abc", L"1234567.891"};
    const long long expected[] = {7000, 500, 5000, 1050, 2500, 1000000, -1500, 0, 1234567891};
    for (int i = 0; i < 9; ++i)
        body += L"[TRACK_" + std::to_wstring(i + 1) + L"]\nPATH=.\\a.wav\nTIME=" + texts[i] + L"\n";
    REQUIRE(
        m_PlaylistFile_ReadZvpl(Zvpl(L"forms.zvpl", body).c_str(), 1, nullptr, 0, 0, nullptr, 0));
    REQUIRE(g_Playlist.m_Count == 9);
    for (int i = 0; i < 9; ++i) {
        CAPTURE(i);
        CHECK(g_Playlist.m_Tracks[i].Milliseconds == expected[i]);
    }
}

TEST_CASE_FIXTURE(SFilesFixture, "M3U encodings, durations and line ends")
{
    const std::wstring a = folder.Join(L"a.wav"), uni = folder.Join(L"\u66f2 \u00e9.wav");
    const std::wstring text =
        L"#EXTM3U\r\n#EXTINF:125,Title \u00e9\r\na.wav\r\n#EXTINF:2.000000,\r\n"
        L"\u66f2 \u00e9.wav\r\n#EXTINF:-1\r\nb.wav";
    struct SCase {
        const wchar_t* name;
        std::string bytes;
    } cases[] = {
        {L"bom.m3u", "\xEF\xBB\xBF" + m_Utf8(text)},
        {L"plain.m3u", m_Utf8(text)},
        {L"plain.m3u8", m_Utf8(text)},
        {L"le.m3u", m_Utf16(text, false)},
        {L"be.m3u", m_Utf16(text, true)},
    };
    for (const SCase& c : cases) {
        CAPTURE(m_Utf8(c.name));
        g_Playlist.m_ClearPlayList();
        REQUIRE(m_PlaylistFile_ReadM3u(folder.MakeFile(c.name, c.bytes).c_str(), 1) == 1);
        REQUIRE(g_Playlist.m_Count == 3);
        CHECK(Paths() == std::vector<std::wstring>{a, uni, folder.Join(L"b.wav")});
        CHECK(g_Playlist.m_Tracks[0].Seconds == 125);
        CHECK(g_Playlist.m_Tracks[0].Milliseconds == 125000);
        CHECK(std::wstring(g_Playlist.m_Tracks[0].Name) == L"Title \u00e9");
        CHECK(g_Playlist.m_Tracks[1].Seconds == 2);
        CHECK(g_Playlist.m_Tracks[1].Name[0] == 0);
        CHECK((int)g_Playlist.m_Tracks[2].Seconds == -1);
        CHECK(g_Playlist.m_Tracks[2].Milliseconds == -1000);
    }
    // Bytes that are not UTF-8 read in the ANSI code page (CP1252 here).
    g_Playlist.m_ClearPlayList();
    m_PlaylistFile_ReadM3u(
        folder.MakeFile(L"ansi.m3u", "#EXTM3U\n#EXTINF:1,caf\xE9\nc.wav\n").c_str(), 1);
    REQUIRE(g_Playlist.m_Count == 1);
    CHECK(std::wstring(g_Playlist.m_Tracks[0].Name) == L"caf\u00e9");

    struct SEmpty {
        const wchar_t* name;
        std::string bytes;
    } empty[] = {
        {L"noinf.m3u", "#EXTM3U\na.wav\nb.wav\n"},
        {L"nohead.m3u", "#EXTINF:1,x\na.wav\n"},
        {L"zero.m3u", ""},
        {L"binary.m3u", std::string("\x00\x01\xFF\x80\x00", 5)},
        {L"master.m3u8", "#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=1280000\nlow.m3u8\n"},
        {L"long.m3u", "#EXTM3U\n#EXTINF:1,x\n" + std::string(3000, 'a') + "\n"},
    };
    for (const SEmpty& c : empty) {
        CAPTURE(m_Utf8(c.name));
        g_Playlist.m_ClearPlayList();
        m_PlaylistFile_ReadM3u(folder.MakeFile(c.name, c.bytes).c_str(), 1);
        if (std::wstring(c.name) == L"long.m3u") {
            // A long line is one path, cut, not several lines.
            REQUIRE(g_Playlist.m_Count == 1);
            CHECK(g_Playlist.m_Tracks[0].Missing == 1);
        } else {
            CHECK(g_Playlist.m_Count == 0);
        }
    }
    CHECK(m_Log().find("E1020 : Open M3U File") != std::string::npos);
}

TEST_CASE_FIXTURE(SFilesFixture, "1000 entries read; the 1001st is logged")
{
    std::wstring zvpl = L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=1001\r\n";
    std::string m3u = "#EXTM3U\n";
    for (int n = 1; n <= 1001; ++n) {
        zvpl += L"[TRACK_" + std::to_wstring(n) + L"]\r\nPATH=.\\a.wav\r\n";
        m3u += "#EXTINF:1,t\na.wav\n";
    }
    g_Playlist.m_ClearPlayList();
    REQUIRE(m_PlaylistFile_ReadZvpl(Zvpl(L"big.zvpl", zvpl).c_str(), 1, nullptr, 0, 0, nullptr, 0));
    CHECK(g_Playlist.m_Count == 1000);
    CHECK(m_Log().find(m_Utf8(
              L"E1012 : \u30d7\u30ec\u30a4\u30ea\u30b9\u30c8\u306e\u4e0a\u9650\u6570(1000)")) !=
          std::string::npos);
    g_Playlist.m_ClearPlayList();
    m_PlaylistFile_ReadM3u(folder.MakeFile(L"big.m3u", m3u).c_str(), 1);
    CHECK(g_Playlist.m_Count == 1000);
    CHECK(m_Log().find("E1011 : ") != std::string::npos);
}

TEST_CASE_FIXTURE(SFilesFixture, "the size guard: own big lists save again, foreign big files stay")
{
    // 1000 tracks with long paths and RESUME values run past 500,000 bytes.
    const std::wstring deep = L"C:\\" + std::wstring(200, L'd') + L"\\";
    for (int i = 0; i < 1000; ++i) {
        REQUIRE(g_Playlist.m_AppendTrack((deep + std::to_wstring(i) + L".wav").c_str()));
        STRACKINFO& t = g_Playlist.m_Tracks[i];
        t.HasResume = 1;
        m_Resume_ClearRecord(&t.Resume);
        t.Resume.HasData = t.Resume.PositionOn = 1;
        t.Resume.Track = i;
        t.Resume.Position = 123400;
        lstrcpyW(t.Name, std::wstring(100, L'N').c_str());
    }
    const std::wstring own = folder.Join(L"own.zvpl");
    REQUIRE(m_PlaylistFile_WriteZvpl(own.c_str(), 1, 0, 1) == 1);
    CHECK(m_ReadBytes(own).size() > 500000);
    CHECK(m_PlaylistFile_WriteZvpl(own.c_str(), 1, 0, 0) == 1);
    g_Playlist.m_ClearPlayList();
    REQUIRE(m_PlaylistFile_ReadZvpl(own.c_str(), 1, nullptr, 0, 0, nullptr, 0));
    CHECK(g_Playlist.m_Count == 1000);
    CHECK(g_Playlist.m_Tracks[999].HasResume == 1);
    CHECK(g_Playlist.m_Tracks[999].Resume.Position == 123400);

    const std::string foreign(500001, 'x');
    for (const wchar_t* name : {L"foreign.zvpl", L"foreign.m3u"}) {
        const std::wstring path = folder.MakeFile(name, foreign);
        int written = std::wstring(name).back() == L'u'
                          ? m_PlaylistFile_WriteM3u(path.c_str())
                          : m_PlaylistFile_WriteZvpl(path.c_str(), 1, 0, 1);
        CHECK(written == 0);
        CHECK(m_ReadBytes(path) == foreign);
    }
}

TEST_CASE_FIXTURE(SFilesFixture, "a failed write is retried once and the old file stays")
{
    const std::wstring list = Zvpl(L"ro.zvpl", L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=0\r\n");
    const std::string old = m_ReadBytes(list);
    // Another program holds the list open without sharing: neither the
    // backup rename nor the plain write can take it.
    HANDLE held = CreateFileW(list.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE);
    REQUIRE(g_Playlist.m_AppendTrack(folder.Join(L"a.wav").c_str()));
    const DWORD start = GetTickCount();
    CHECK(m_PlaylistFile_WriteZvpl(list.c_str(), 1, 1, 1) == 0);
    CHECK(GetTickCount() - start >= 450);
    CloseHandle(held);
    CHECK(m_ReadBytes(list) == old);
    CHECK(GetFileAttributesW((list + L".bak").c_str()) == INVALID_FILE_ATTRIBUTES);
    const std::string log = m_Log();
    CHECK(log.find("Error / CPlaylist::m_WriteZvplFile()") != std::string::npos);
    CHECK(log.find("Retry / CPlaylist::m_WriteZvplFile() = 0") != std::string::npos);
}

TEST_CASE_FIXTURE(SFilesFixture, "RESUME keys of a folder-management list")
{
    const std::wstring list = Zvpl(L"zentavio_fldrmg.zvpl",
                                   L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=2\r\nFILEMG=1\r\n"
                                   L"[TRACK_1]\r\nPATH=.\\b.wav\r\nNAME=\u30d3\r\nRESUME=5\r\n"
                                   L"[TRACK_2]\r\nPATH=.\\A.WAV\r\nRESUME=-\r\n");
    const std::wstring a = folder.Join(L"a.wav"), b = folder.Join(L"b.wav");
    wchar_t text[kResumeValueCap];
    UINT managed = 0, listed = 0;
    CHECK(m_ListFile_FindTrackResume(b.c_str(), text, kResumeValueCap, &managed, &listed) == 1);
    CHECK(std::wstring(text) == L"5");
    CHECK((managed == 1 && listed == 1));
    CHECK(m_ListFile_FindTrackResume(a.c_str(), text, kResumeValueCap, &managed, &listed) == 0);
    CHECK(listed == 1);
    CHECK(m_ListFile_FindTrackResume(folder.Join(L"c.wav").c_str(), text, kResumeValueCap, &managed,
                                     &listed) == 0);
    CHECK(listed == 0);

    CHECK(m_ListFile_WriteTrackResume(a.c_str(), L"9,2") == 1);
    CHECK(m_ListFile_FindTrackResume(a.c_str(), text, kResumeValueCap, &managed, &listed) == 1);
    CHECK(std::wstring(text) == L"9,2");
    CHECK(m_ListFile_ReadListResume(folder.Path().c_str(), text, kResumeValueCap) == 0);
    CHECK(m_ListFile_WriteListResume(folder.Path().c_str(), L"3,2") == 1);
    CHECK(m_ListFile_ReadListResume(list.c_str(), text, kResumeValueCap) == 1);
    CHECK(std::wstring(text) == L"3,2");
    CHECK(m_ReadBytes(list).compare(0, 2, "\xFF\xFE") == 0);

    // Saving the open list keeps its own RESUME and FILEMG, paths relative.
    g_Playlist.m_ClearPlayList();
    REQUIRE(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, 1, nullptr, 1));
    REQUIRE(g_Playlist.m_Count == 2);
    CHECK(std::wstring(g_Playlist.m_Tracks[0].Name) == L"\u30d3");
    g_Playlist.m_MoveTrack(1, 0);
    REQUIRE(m_ListFile_SaveList(folder.Path().c_str()) == 1);
    CHECK(m_ListFile_ReadListResume(list.c_str(), text, kResumeValueCap) == 1);
    CHECK(std::wstring(text) == L"3,2");
    CHECK(m_ListFile_FindTrackResume(b.c_str(), text, kResumeValueCap, &managed, &listed) == 1);
    CHECK(managed == 1);
    const std::string bytes = m_ReadBytes(list);
    CHECK(bytes.find(m_Utf16(L"[TRACK_1]\r\nPATH=.\\A.WAV\r\nRESUME=9,2\r\n", false).substr(2)) !=
          std::string::npos);

    // A foreign file takes no key.
    const std::wstring other = folder.MakeFile(L"other.zvpl", "[X]\r\nA=1\r\n");
    CHECK(m_ListFile_WriteListResume(other.c_str(), L"1") == 0);
    CHECK(m_ReadBytes(other) == "[X]\r\nA=1\r\n");
}

TEST_CASE_FIXTURE(SFilesFixture, "opening a folder-management list brings it up to date")
{
    const std::wstring sub = folder.Join(L"f\\");
    REQUIRE(CreateDirectoryW(sub.c_str(), nullptr));
    for (const wchar_t* name : {L"f\\a.wav", L"f\\b.wav", L"f\\c.wav"})
        folder.MakeFile(name, "RIFF");
    const std::wstring list = Zvpl(L"f\\zentavio_fldrmg.zvpl",
                                   L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=3\r\nRESUME=0\r\n"
                                   L"[TRACK_1]\r\nPATH=.\\b.wav\r\nNAME=Bee\r\n"
                                   L"[TRACK_2]\r\nPATH=.\\missing.wav\r\n"
                                   L"[TRACK_3]\r\nPATH=.\\a.wav\r\n");
    SRESUMEINFO record;
    m_Resume_ClearRecord(&record);
    REQUIRE(m_PlaylistFile_OpenFolderList(sub.c_str(), &record) == 1);
    CHECK(Paths() == std::vector<std::wstring>{sub + L"b.wav", sub + L"a.wav", sub + L"c.wav"});
    CHECK(std::wstring(g_Playlist.m_Tracks[0].Name) == L"Bee");
    CHECK(g_Playlist.m_IsModified() == 0);
    const std::string bytes = m_ReadBytes(list);
    CHECK(bytes.find(m_Utf16(L"COUNT=3\r\nRESUME=0\r\n[TRACK_1]\r\nPATH=.\\b.wav\r\nNAME=Bee\r\n"
                             L"[TRACK_2]\r\nPATH=.\\a.wav\r\n[TRACK_3]\r\nPATH=.\\c.wav\r\n",
                             false)
                         .substr(2)) != std::string::npos);
    CHECK(GetFileAttributesW((list + L".bak").c_str()) == INVALID_FILE_ATTRIBUTES);
    CHECK(m_PlaylistFile_OpenFolderList(folder.Path().c_str(), &record) == 0);

    // Resume mode 0 keeps each relative entry's RESUME from the old file.
    REQUIRE(m_ListFile_WriteTrackResume((sub + L"a.wav").c_str(), L"4,2"));
    REQUIRE(m_PlaylistFile_WriteZvpl(list.c_str(), 1, 1, 0) == 1);
    CHECK(m_ReadBytes(list).find(m_Utf16(L"PATH=.\\a.wav\r\nRESUME=4,2\r\n", false).substr(2)) !=
          std::string::npos);
}

TEST_CASE_FIXTURE(SFilesFixture, "saving the open list goes to the file its kind names")
{
    const std::wstring a = folder.Join(L"a.wav"), b = folder.Join(L"b.wav");
    REQUIRE(g_Playlist.m_AppendTrack(a.c_str()));
    REQUIRE(g_Playlist.m_AppendTrack(b.c_str()));
    const std::wstring m3u = folder.Join(L"list.m3u"), zvpl = folder.Join(L"list.zvpl");
    const std::wstring managed = folder.Join(L"zentavio_fldrmg.zvpl");
    const std::wstring history = folder.Join(L"Default.zvpl");
    const std::wstring gone = folder.Join(L"gone\\zentavio_fldrmg.zvpl");
    lstrcpynW(g_DefaultPlaylistPath, history.c_str(), MAX_PATH + 1);
    struct {
        UINT type;
        std::wstring listPath, folderList, file;
        int saved;
        std::wstring expected;  // a piece of the written file (UTF-16 lists)
    } rows[] = {
        {LIST_M3U, m3u, L"", m3u, 1, L""},
        {LIST_ZVPL, zvpl, L"", zvpl, 1, L"[TRACK_1]\r\nPATH=" + a + L"\r\n"},
        {LIST_FOLDERLIST, folder.Path(), managed, managed, 1,
         L"FILEMG=1\r\n[TRACK_1]\r\nPATH=.\\a.wav\r\n[TRACK_2]\r\nPATH=.\\b.wav\r\n"},
        {LIST_FOLDERLIST, folder.Join(L"gone\\"), gone, gone, 0, L""},  // no list file
        {LIST_FOLDERLIST, folder.Path(), zvpl, zvpl, 0, L""},           // not the folder's list
        {LIST_FOLDER, folder.Path(), L"", L"", 0, L""},
        {LIST_UNSAVED, zvpl, L"", zvpl, 0, L""},
        {LIST_ZVPL, L"", L"", L"", 0, L""},
        {LIST_ZVPL, history, L"", history, 0, L""},
    };
    for (const auto& row : rows) {
        CAPTURE(row.type);
        CAPTURE(std::string(m_Utf8(row.file)));
        DeleteFileW(m3u.c_str());
        DeleteFileW(zvpl.c_str());
        Zvpl(L"zentavio_fldrmg.zvpl", L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=0\r\n");
        g_ListType = row.type;
        lstrcpynW(g_ListPath, row.listPath.c_str(), MAX_PATH + 1);
        lstrcpynW(g_FolderListPath, row.folderList.c_str(), MAX_PATH + 1);
        g_FolderListMg = 1;
        g_ListModified = 1;
        const std::string before = row.file.empty() ? "" : m_ReadBytes(row.file);
        CHECK(m_PlaylistFile_SaveCurrent() == row.saved);
        CHECK(g_ListModified == !row.saved);
        const std::string after = row.file.empty() ? "" : m_ReadBytes(row.file);
        if (!row.saved) {
            CHECK(after == before);
        } else if (row.type == LIST_M3U) {
            CHECK(after == "\xEF\xBB\xBF#EXTM3U\n#EXTINF:\n" + m_Utf8(a) + "\n#EXTINF:\n" +
                               m_Utf8(b) + "\n");
        } else {
            CHECK(after.find(m_Utf16(row.expected, false).substr(2)) != std::string::npos);
        }
    }

    // A list whose record is not in use keeps the one its file holds.
    Zvpl(L"list.zvpl", L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=0\r\nRESUME=7,3\r\n");
    g_ListType = LIST_ZVPL;
    lstrcpynW(g_ListPath, zvpl.c_str(), MAX_PATH + 1);
    REQUIRE(m_PlaylistFile_SaveCurrent() == 1);
    CHECK(m_ReadBytes(zvpl).find(m_Utf16(L"COUNT=2\r\nRESUME=7,3\r\n", false).substr(2)) !=
          std::string::npos);

    // A list that keeps its own record gets the current one with the tracks.
    g_ListType = LIST_FOLDERLIST;
    lstrcpynW(g_ListPath, folder.Path().c_str(), MAX_PATH + 1);
    lstrcpynW(g_FolderListPath, managed.c_str(), MAX_PATH + 1);
    g_ListResumeOn = 1;
    g_FolderListMg = 0;
    g_PlayingTrack = 1;
    g_ListModified = 0;
    REQUIRE(m_PlaylistFile_SaveCurrent() == 1);
    const std::string bytes = m_ReadBytes(managed);
    CHECK(bytes.find(m_Utf16(L"COUNT=2\r\nRESUME=,2\r\n[TRACK_1]", false).substr(2)) !=
          std::string::npos);
    CHECK(bytes.find(m_Utf16(L"FILEMG", false).substr(2)) == std::string::npos);
    g_PlayingTrack = -1;
    g_ListType = LIST_NONE;
    g_ListPath[0] = g_FolderListPath[0] = g_DefaultPlaylistPath[0] = 0;
}

TEST_CASE_FIXTURE(SFilesFixture, "legacy lists read only with [Main] \"Lgcy\"")
{
    const std::wstring list =
        Zvpl(L"old.zvpl",
             L"[TORVALISK_PLAYLIST]\r\nVER=100\r\nTRACKCOUNT=3\r\n[TRACK1]\r\nPATH=.\\a.wav\r\n"
             L"TITLE=Old\r\nTIME=61500\r\n[TRACK2]\r\nPATH=.\\gone.wav\r\n"
             L"[TRACK3]\r\nPATH=.\\c.wav\r\n");
    CHECK(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, 1, nullptr, 0) == 0);
    g_Settings.Main_Lgcy = 1;
    int skipped = 0;
    CHECK(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, 1, &skipped, 0) == 1);
    g_Settings.Main_Lgcy = 0;
    CHECK(Paths() == std::vector<std::wstring>{folder.Join(L"a.wav"), folder.Join(L"c.wav")});
    CHECK(skipped == 1);
    CHECK(std::wstring(g_Playlist.m_Tracks[0].Name) == L"Old");
    CHECK(g_Playlist.m_Tracks[0].Milliseconds == 61500);
    CHECK(g_Playlist.m_Tracks[0].Seconds == 61);
}

TEST_CASE_FIXTURE(SFilesFixture, "many entries of one folder: missing ones found among gaps")
{
    std::vector<std::wstring> names;
    for (int i = 0; i < 10; ++i) names.push_back(L"t" + std::to_wstring(i) + L".wav");
    for (const std::wstring& n : names) folder.MakeFile(n, "x");
    REQUIRE(CreateDirectoryW(folder.Join(L"sub").c_str(), nullptr));
    // Number 4 is absent, 3 and 17 are relative, the rest absolute.
    const wchar_t* entries[] = {L"t0.wav", L"x1.wav",   L".\\a.wav", nullptr,   L"t1.wav",
                                L"sub",    L"T2.WAV",   L"t3.wav",   L"t4.wav", L"t5.wav",
                                L"x2.wav", L"t6.wav",   L"t7.wav",   L"t8.wav", L"t9.wav",
                                L"t0.wav", L".\\zz.wav"};
    std::wstring body = L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=17\r\n";
    for (int n = 1; n <= 17; ++n) {
        const wchar_t* e = entries[n - 1];
        if (!e) continue;
        const std::wstring path = e[0] == L'.' ? std::wstring(e) : folder.Join(e);
        body += L"[TRACK_" + std::to_wstring(n) + L"]\r\nPATH=" + path + L"\r\n";
    }
    const std::wstring list = Zvpl(L"many.zvpl", body);
    for (int skipMissing = 0; skipMissing <= 1; ++skipMissing) {
        CAPTURE(skipMissing);
        int skipped = -1;
        REQUIRE(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, skipMissing, &skipped, 0));
        std::vector<std::wstring> expected, missing;
        for (int n = 1; n <= 17; ++n) {
            const wchar_t* e = entries[n - 1];
            if (!e) continue;
            const bool gone = e[0] == L'x' || wcscmp(e, L".\\zz.wav") == 0;
            if (gone && skipMissing) continue;
            expected.push_back(folder.Join(e[0] == L'.' ? e + 2 : e));
            if (gone) missing.push_back(expected.back());
        }
        CHECK(Paths() == expected);
        std::vector<std::wstring> flagged;
        for (int i = 0; i < g_Playlist.m_Count; ++i)
            if (g_Playlist.m_Tracks[i].Missing) flagged.push_back(g_Playlist.m_Tracks[i].Path);
        CHECK(flagged == missing);
        CHECK(skipped == (skipMissing ? 4 : 1));
    }
}

TEST_CASE_FIXTURE(SFilesFixture,
                  "a replacing read leaves no old track behind and a saved list "
                  "replaces a read-only backup")
{
    for (const wchar_t* name : {L"a.wav", L"b.wav", L"c.wav"})
        REQUIRE(g_Playlist.m_AppendTrack(folder.Join(name).c_str()));
    g_Playlist.m_Tracks[0].Chapters = new SCHAPTERITEM[1]();
    g_Playlist.m_Tracks[0].ChapterCount = 1;
    g_Playlist.m_Tracks[2].Markers = new SMARKERITEM[2]();
    g_Playlist.m_Tracks[2].MarkerCount = 2;

    const std::wstring list =
        Zvpl(L"one.zvpl", L"[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=1\r\n[TRACK_1]\r\nPATH=" +
                              folder.Join(L"b.wav") + L"\r\n");
    int skipped = -1;
    REQUIRE(m_PlaylistFile_ReadZvpl(list.c_str(), 1, nullptr, 1, 1, &skipped, 0) == 1);
    REQUIRE(g_Playlist.m_Count == 1);
    CHECK(g_Playlist.m_Tracks[0].Path == folder.Join(L"b.wav"));
    CHECK(g_Playlist.m_Tracks[0].Chapters == nullptr);
    CHECK(g_Playlist.m_Tracks[0].ChapterCount == 0);
    for (int i = 1; i < 3; ++i) {
        CHECK(g_Playlist.m_Tracks[i].Path[0] == 0);
        CHECK(g_Playlist.m_Tracks[i].Markers == nullptr);
        CHECK(g_Playlist.m_Tracks[i].MarkerCount == 0);
    }

    // An old backup left read-only refuses the one-step rename over it.
    const std::wstring bak = list + L".bak";
    folder.MakeFile(L"one.zvpl.bak", "old");
    REQUIRE(SetFileAttributesW(bak.c_str(), FILE_ATTRIBUTE_READONLY));
    REQUIRE(m_PlaylistFile_WriteZvpl(list.c_str(), 1, 0, 1) == 1);
    CHECK(GetFileAttributesW(bak.c_str()) == INVALID_FILE_ATTRIBUTES);
    CHECK(m_ReadBytes(list).find(m_Utf16(L"COUNT=1\r\n", false).substr(2)) != std::string::npos);
}
