// Chapter and marker edits of a playlist track, checked in the information
// file beside the track's media path and in the status bar's message.
#include <doctest/doctest.h>

#include <string>

#include "FileDataFixture.h"
#include "app/StatusText.h"
#include "controls/Statusbar.h"
#include "filedata/Chapters.h"
#include "filedata/FileInfo.h"
#include "filedata/Markers.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "WideStringMaker.h"
#include "settings/SettingsMain.h"

namespace {

HWND MakeHost()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvEditTestHost";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"ZvEditTestHost", L"", WS_POPUP | WS_VISIBLE, 0, 0, 600, 24, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// One two-minute track in a scratch folder, no file open, and a status bar
// whose message the edits leave.
struct STrackFixture {
    CScratchFolder dir;
    std::wstring media, info;
    HWND host;

    explicit STrackFixture(int playing = -1)
    {
        g_Settings.File_Inf = 0;
        g_Settings.Common_ExtCap = 0;
        g_Settings.Common_Beep[0] = 0;
        media = dir / L"clip.avi";
        info = media + L".zvinf";
        g_Playlist.m_ClearPlayList();
        REQUIRE(g_Playlist.m_AppendTrack(media.c_str()));
        g_Playlist.m_GetTrack(0)->Milliseconds = 120000;
        g_PlayingTrack = playing;
        g_MediaOpen = 0;
        m_FileInfo_Clear(&g_FileInfo);
        lstrcpyW(g_FileInfoPath, playing >= 0 ? info.c_str() : L"");
        host = MakeHost();
        g_StatusBar.m_Create(host, IDC_STATUSBAR);
        g_MainWindowState.nCtrl[2] = 1;
    }
    ~STrackFixture()
    {
        g_StatusBar.m_ClearMessage(0, 0xFFFFFFFF);
        g_StatusBar.m_DestroyWindow();
        DestroyWindow(host);
        g_Playlist.m_ClearPlayList();
        g_PlayingTrack = -1;
        g_FileInfoPath[0] = 0;
    }
    STRACKINFO& Track() { return *g_Playlist.m_GetTrack(0); }
    std::wstring Message() const { return g_StatusBar.m_GetPaneText(STATUS_PANE_MESSAGE); }
    std::wstring Key(const wchar_t* section, const wchar_t* key) const
    {
        wchar_t value[256] = L"";
        GetPrivateProfileStringW(section, key, L"", value, 256, info.c_str());
        return value;
    }
    void Clear() { g_StatusBar.m_ClearMessage(0, 0xFFFFFFFF); }
};

}  // namespace

TEST_CASE("a chapter at one minute on a file without chapters gives 0 and 1:00, saved")
{
    STrackFixture f;
    CHECK(m_Chapter_Add(0, 60000, 1, 0, 1) == 1);
    REQUIRE(f.Track().ChapterCount == 2);
    CHECK(f.Track().ChaptersFromInfo == 1);
    CHECK(f.Message() == L"ADD``````CHAPTER : 2``/``2``````(1:00)");
    CHECK(f.Key(L"CHAPTER", L"1") == L"00:00:00.000");
    CHECK(f.Key(L"CHAPTER", L"2") == L"00:01:00.000");
    CHECK(f.Key(L"CHAPTER", L"3") == L"");
    CHECK(f.Key(L"ZENTAVIO_FILEINFO", L"LEN") == L"02:00.000");
    // Lengths follow the track's duration.
    CHECK(f.Track().Chapters[0].Length == doctest::Approx(60.0));
    CHECK(f.Track().Chapters[1].Length == doctest::Approx(60.0));
}

TEST_CASE("a near chapter moves within the snap; chapter 1 never moves; equal starts are refused")
{
    STrackFixture f;
    for (int ms : {0, 10000, 20000}) REQUIRE(m_Chapter_Add(0, ms, 0, 0, 0) >= 0);
    CHECK(m_Chapter_Add(0, 11000, 1, 2000, 1) == 1);
    CHECK(f.Message() == L"MOVE``````CHAPTER : 2``````(0:11)``(+1.000)");
    REQUIRE(f.Track().ChapterCount == 3);
    CHECK(f.Track().Chapters[1].Start == doctest::Approx(11.0));
    // Backwards the distance still shows with "+".
    CHECK(m_Chapter_Add(0, 19400, 1, 2000, 1) == 2);
    CHECK(f.Message() == L"MOVE``````CHAPTER : 3``````(0:19)``(+0.600)");
    // 1 s lies within the snap of chapter 1 at 0, which stays: a new chapter.
    CHECK(m_Chapter_Add(0, 1000, 1, 2000, 1) == 1);
    CHECK(f.Track().ChapterCount == 4);
    CHECK(f.Message() == L"ADD``````CHAPTER : 2``/``4``````(0:01)");
    CHECK(f.Key(L"CHAPTER", L"2") == L"00:00:01.000");
    CHECK(f.Key(L"CHAPTER", L"3") == L"00:00:11.000");
    CHECK(m_Chapter_Add(0, 11000, 1, 0, 1) == -1);
    CHECK(f.Message() == L"ADD````CHAPTER : ERR (SAME``POS)");
    CHECK(f.Track().ChapterCount == 4);
    // A bad track or position changes nothing.
    CHECK(m_Chapter_Add(5, 3000, 1, 0, 1) == -1);
    CHECK(m_Chapter_Add(-1, 3000, 1, 0, 1) == -1);  // nothing plays
}

TEST_CASE("the 200th chapter and the 200th marker are refused")
{
    STrackFixture f(0);
    for (int i = 0; i < kFileInfoItemCap; ++i) REQUIRE(m_Chapter_Add(0, i * 100, 0, 0, 0) == i);
    CHECK(m_Chapter_Add(0, 50, 1, 0, 1) == -1);
    CHECK(f.Message() == L"ADD````CHAPTER : ERR (MAX)");
    CHECK(f.Track().ChapterCount == kFileInfoItemCap);

    STRACKINFO& t = f.Track();
    t.Markers = new SMARKERITEM[kFileInfoItemCap]();
    t.MarkerCount = kFileInfoItemCap;
    for (int i = 0; i < kFileInfoItemCap; ++i) t.Markers[i].position = i * 100;
    CHECK(m_Marker_Add(99999) == -1);
    CHECK(f.Message() == L"ADD````MAKER : ERR (MAX)");
    CHECK(t.MarkerCount == kFileInfoItemCap);
}

TEST_CASE("deleting: chapter 1 stays while others do, the last one resets and the file goes")
{
    STrackFixture f;
    for (int ms : {0, 10000, 20000}) REQUIRE(m_Chapter_Add(0, ms, 0, 0, 0) >= 0);
    m_Chapter_Apply(0);
    REQUIRE(f.dir.m_Exists(f.info));
    // The chapter at 20 s is unchecked; its flag travels with it.
    f.Track().ChapterUnchecked[2] = 1;
    REQUIRE(m_Chapter_Add(0, 5000, 1, 0, 0) == 1);
    CHECK(f.Track().ChapterUnchecked[3] == 1);
    CHECK(f.Track().ChapterUnchecked[2] == 0);
    CHECK(f.Track().ChapterUnchecked[1] == 0);

    CHECK(m_Chapter_Delete(0, 0, 1, 1) == 0);
    CHECK(f.Track().ChapterCount == 4);
    CHECK(m_Chapter_Delete(0, 2, 1, 1) == 1);  // the one at 10 s
    CHECK(f.Message() == L"DELETE CHAPTER : 3");
    REQUIRE(f.Track().ChapterCount == 3);
    CHECK(f.Track().ChapterUnchecked[2] == 1);
    CHECK(f.Track().ChapterUnchecked[3] == 0);  // the freed slot
    CHECK(f.Key(L"CHAPTER", L"3") == L"00:00:20.000");
    CHECK(f.Key(L"CHAPTER", L"4") == L"");
    CHECK(m_Chapter_Delete(0, 3, 1, 1) == 0);

    CHECK(m_Chapter_Delete(0, 2, 1, 0) == 1);
    CHECK(m_Chapter_Delete(0, 1, 1, 0) == 1);
    REQUIRE(f.Track().ChapterCount == 1);
    CHECK(f.dir.m_Exists(f.info));
    CHECK(m_Chapter_Delete(0, 0, 1, 1) == 1);
    CHECK(f.Message() == L"RESET CHAPTER");
    CHECK(f.Track().ChapterCount == 0);
    CHECK(f.Track().ChaptersFromInfo == 0);
    CHECK_FALSE(f.dir.m_Exists(f.info));
}

TEST_CASE("a reset keeps a file that still holds markers, and renaming saves the name")
{
    STrackFixture f(0);
    REQUIRE(m_Chapter_Add(0, 30000, 1, 0, 0) == 1);
    CHECK(m_Chapter_Rename(0, 1, L"Part, two") == 1);
    CHECK(f.Key(L"CHAPTER", L"2") == L"00:00:30.000,Part%c two");
    CHECK(m_Chapter_Rename(0, 2, L"x") == 0);
    REQUIRE(m_Marker_Add(4000) == 0);
    m_Chapter_Reset(0, 1);
    CHECK(f.Key(L"CHAPTER", L"1") == L"");
    CHECK(f.Key(L"MARKER", L"1") == L"00:00:04.000");
    CHECK(f.dir.m_Exists(f.info));
}

TEST_CASE("markers are kept sorted as they are added, each position once")
{
    STrackFixture f(0);
    CHECK(m_Marker_Add(9000) == 0);
    CHECK(m_Marker_Add(3000) == 0);
    CHECK(m_Marker_Add(5000) == 1);
    CHECK(f.Message() == L"ADD````MARKER : 2``/``3 [`0:05.000`]");
    CHECK(m_Marker_Add(3000) == -1);
    CHECK(f.Message() == L"ADD````MAKER : ERR (SAME)");
    REQUIRE(f.Track().MarkerCount == 3);
    CHECK(f.Track().Markers[0].position == 3000);
    CHECK(f.Track().Markers[2].position == 9000);
    CHECK(g_FileInfo.MarkerCount == 3);
    CHECK(f.Key(L"MARKER", L"1") == L"00:00:03.000");
    CHECK(f.Key(L"MARKER", L"2") == L"00:00:05.000");
    CHECK(f.Key(L"MARKER", L"3") == L"00:00:09.000");

    CHECK(m_Marker_Rename(0, 1, L"mid") == 1);
    CHECK(f.Key(L"MARKER", L"2") == L"00:00:05.000,mid");
    CHECK(m_Marker_Rename(0, 3, L"x") == 0);

    // No file open: the track's own array and its file.
    CHECK(m_Marker_Delete(0, 0, 1, 1) == 1);
    CHECK(f.Message() == L"DELETE FILEMARK : 1");
    REQUIRE(f.Track().MarkerCount == 2);
    CHECK(f.Key(L"MARKER", L"1") == L"00:00:05.000,mid");
    CHECK(f.Key(L"MARKER", L"3") == L"");
    CHECK(m_Marker_Delete(0, 2, 1, 1) == 0);
    CHECK(m_Marker_Delete(0, -1, 1, 1) == 1);
    CHECK(f.Message() == L"DELETE FILEMARK");
    CHECK(m_Marker_Delete(0, 0, 1, 0) == 1);
    CHECK(m_Marker_Delete(0, 0, 1, 0) == 1);
    CHECK(f.Track().MarkerCount == 0);
    CHECK_FALSE(f.dir.m_Exists(f.info));
}

TEST_CASE("without an open file there is no marker to add or delete by position")
{
    STrackFixture f(0);
    CHECK(m_Marker_AddCurrent() == -1);
    CHECK(m_Marker_DeleteNearest() == 0);
    CHECK(f.Message() == L"DELETE FILEMARK : ERR");
    CHECK(m_Chapter_AddCurrent(-1) == -1);
    CHECK(m_Chapter_DeleteCurrent() == 0);
}

TEST_CASE("the marker sort reports where the item of interest went")
{
    SMARKERITEM m[4] = {{700, L"a"}, {100, L"b"}, {400, L"c"}, {50, L"d"}};
    CHECK(m_Marker_Sort(m, 4, 2) == 2);
    CHECK((m[0].position == 50 && m[1].position == 100 && m[3].position == 700));
    CHECK(std::wstring(m[2].name) == L"c");
    CHECK(m_Marker_Sort(m, 4, 9) == -1);
    CHECK(m_Marker_Sort(m, 1, 0) == 0);
    CHECK(m_Marker_Sort(nullptr, 4, 0) == 0);
}

TEST_CASE("a file with unsorted and repeated markers reads them in order, each once")
{
    CScratchFolder dir;
    const std::wstring path = dir / L"hand.avi.zvinf";
    CScratchFolder::m_WriteUtf16(
        path,
        L"[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n[MARKER]\r\n1=00:00:09.000,late\r\n"
        L"2=00:00:02.000,early\r\n3=00:00:09.000,again\r\n4=00:00:05.000\r\n");
    static SFILEINFO info;
    REQUIRE(m_FileInfo_Read(path.c_str(), &info) == 1);
    REQUIRE(info.MarkerCount == 3);
    CHECK(info.Markers[0].position == 2000);
    CHECK(std::wstring(info.Markers[0].name) == L"early");
    CHECK(info.Markers[1].position == 5000);
    CHECK(info.Markers[2].position == 9000);
    CHECK(info.Markers[3].position == 0);  // the dropped one's slot is cleared
}
