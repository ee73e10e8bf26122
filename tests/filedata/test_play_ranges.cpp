#include <doctest/doctest.h>

#include <string>

#include "FileDataFixture.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeCore.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kLengthMs = 60000;

SPLAYRANGEITEM R(int start, int end) { return SPLAYRANGEITEM{start, end, {0}}; }

SRANGEFACTS At(int posMs, int nearEnd = 0, double fps = 25.0)
{
    return SRANGEFACTS{posMs, nearEnd, fps};
}

// A playing clip of one minute as the first of two playlist tracks, its
// information file beside it in a scratch folder, play range off.
struct CPlayingClip {
    CScratchFolder folder;
    std::wstring media = folder / L"clip.avi";
    std::wstring info;

    CPlayingClip()
    {
        g_Settings.File_Inf = 0;
        g_Playlist.m_ClearPlayList();
        g_Playlist.m_AppendTrack(media.c_str());
        g_Playlist.m_AppendTrack((folder / L"other.avi").c_str());
        g_PlayingTrack = 0;
        g_MediaOpen = 1;
        g_PlayStarted = 0;
        g_PlayHeld = 0;
        g_DurationMs = kLengthMs;
        m_FileInfo_Clear(&g_FileInfo);
        g_FileInfo.Length = kLengthMs;
        // The information file's place as the open finds it.
        int mode = -1;
        m_FileInfo_FindPath(g_FileInfoPath, kFileInfoPathCap, media.c_str(), 0, 1, &mode);
        info = g_FileInfoPath;
        g_PlayRangeOn = 0;
        g_PlayRangeStart = g_PlayRangeEnd = -1;
        g_PlayRangeIndex = g_PlayRangeLastIndex = -1;
    }
    ~CPlayingClip()
    {
        g_Playlist.m_ClearPlayList();
        g_MediaOpen = 0;
        g_DurationMs = 0;
        m_FileInfo_Clear(&g_FileInfo);
        g_FileInfoPath[0] = 0;
        g_PlayRangeOn = 0;
    }

    // Sets the bounds at the positions and stores them as a range.
    int Store(int startMs, int endMs)
    {
        m_PlayRange_CommandAt(4, 0, At(0));
        m_PlayRange_CommandAt(5, 0, At(startMs));
        m_PlayRange_CommandAt(6, 0, At(endMs));
        return m_PlayRange_AddCurrent(0, 0);
    }
    std::wstring File() const { return CScratchFolder::m_ReadUtf16(info); }
};

}  // namespace

TEST_CASE("ranges sort by start, then by end, an open start as 0 and an open end last")
{
    SPLAYRANGEITEM r[] = {R(10000, -1), R(10000, 20000), R(3000, 4000), R(-1, 5000)};
    // The item of interest (index 0, the open end) lands last.
    CHECK(m_PlayRange_Sort(r, 4, 0) == 3);
    const int expected[][2] = {{-1, 5000}, {3000, 4000}, {10000, 20000}, {10000, -1}};
    for (int i = 0; i < 4; ++i) {
        CAPTURE(i);
        CHECK(r[i].start == expected[i][0]);
        CHECK(r[i].end == expected[i][1]);
    }
    SPLAYRANGEITEM one[] = {R(5, 6)};
    CHECK(m_PlayRange_Sort(one, 1, 0) == 0);
}

TEST_CASE("the range a step goes to from a position")
{
    const SPLAYRANGEITEM r[] = {R(1000, 3000), R(5000, 8000), R(10000, -1)};
    struct {
        int pos, lastIndex, direction, expected;
    } cases[] = {
        {500, -1, 1, 0},     // before the first start: the first forward
        {500, -1, -1, 2},    // ... the last backward
        {11960, -1, 1, 0},   // within 50 ms of the last (open) end: wraps forward
        {11960, -1, -1, 2},  // ... and stays on the last backward
        {4000, -1, 1, 1},    // between ranges: the first ending after it
        {4000, -1, -1, 0},   // ... the last starting before it
        {6000, -1, 0, 1},    // direction 0: the range it is in
        {2000, 0, -1, 2},    // in range 0 that was last active: back wraps to the last
        {2960, 0, -1, 0},    // ... unless within 50 ms of its end
        {9960, 2, 1, 0},     // at the start of the last range that was active: wraps to 0
        {9000, 1, 1, 2},
    };
    for (const auto& c : cases) {
        CAPTURE(c.pos);
        CAPTURE(c.direction);
        CHECK(m_PlayRange_FindByPosOf(r, 3, c.pos, 12000, c.lastIndex, c.direction) == c.expected);
    }
    CHECK(m_PlayRange_FindByPosOf(r, 0, 4000, 12000, -1, 1) == -1);
}

TEST_CASE("one frame in ms, and 1 ms when the frame rate is not known")
{
    CHECK(m_PlayRange_FrameMs(25.0) == 40);
    CHECK(m_PlayRange_FrameMs(29.97) == 33);
    CHECK(m_PlayRange_FrameMs(0) == 1);
    CHECK(m_PlayRange_FrameMs(-5) == 1);
    CHECK(m_PlayRange_FrameMs(0.0 / 0.0) == 1);
}

TEST_CASE("stored bounds land in the information file and in the playing track")
{
    CPlayingClip clip;
    CHECK(clip.Store(2000, 5000) == 0);
    CHECK(g_PlayRangeIndex == 0);
    CHECK(g_FileInfo.RangeCount == 1);
    CHECK(g_Playlist.m_GetTrack(0)->RangeCount == 1);
    const std::wstring text = clip.File();
    CHECK(text.find(L"[RANGE]") != std::wstring::npos);
    CHECK(text.find(L"1=00:00:02.000-00:00:05.000") != std::wstring::npos);
    SFILEINFO back;
    REQUIRE(m_FileInfo_Read(clip.info.c_str(), &back));
    CHECK(back.RangeCount == 1);
    CHECK(back.Ranges[0].start == 2000);
    CHECK(back.Ranges[0].end == 5000);
}

TEST_CASE("setting the start or the end where it already is clears it")
{
    CPlayingClip clip;
    m_PlayRange_CommandAt(5, 0, At(2000));
    CHECK(g_PlayRangeOn == 1);
    CHECK(g_PlayRangeStart == 2000);
    m_PlayRange_CommandAt(5, 0, At(2000));
    CHECK(g_PlayRangeStart == -1);
    CHECK(g_PlayRangeOn == 0);  // no end either

    m_PlayRange_CommandAt(5, 0, At(2000));
    m_PlayRange_CommandAt(6, 0, At(5000));
    m_PlayRange_CommandAt(5, 0, At(2000));
    CHECK(g_PlayRangeStart == -1);
    CHECK(g_PlayRangeEnd == 5000);
    CHECK(g_PlayRangeOn == 1);  // the end keeps it on

    // A start after the end clears the end; an end before the start clears the start.
    m_PlayRange_CommandAt(5, 0, At(7000));
    CHECK(g_PlayRangeEnd == -1);
    m_PlayRange_CommandAt(6, 0, At(6000));
    CHECK(g_PlayRangeStart == -1);
    CHECK(g_PlayRangeEnd == 6000);
}

TEST_CASE("an end within the file's last 0.2333 s is left open and keeps the start")
{
    CPlayingClip clip;
    m_PlayRange_CommandAt(5, 0, At(2000));
    m_PlayRange_CommandAt(6, 0, At(kLengthMs - 100, 1));
    CHECK(g_PlayRangeOn == 1);
    CHECK(g_PlayRangeStart == 2000);
    CHECK(g_PlayRangeEnd == -1);
    CHECK(m_PlayRange_AddCurrent(0, 0) == 0);
    CHECK(clip.File().find(L"1=00:00:02.000-") != std::wstring::npos);
    SFILEINFO back;
    REQUIRE(m_FileInfo_Read(clip.info.c_str(), &back));
    CHECK(back.Ranges[0].start == 2000);
    CHECK(back.Ranges[0].end == -1);
}

TEST_CASE("refused ranges: the same bounds again, and a 200th range")
{
    CPlayingClip clip;
    CHECK(clip.Store(2000, 5000) == 0);
    CHECK(clip.Store(2000, 5000) == -1);
    CHECK(g_FileInfo.RangeCount == 1);

    // The other track is not playing: nothing is written while it fills.
    for (int i = 0; i < kFileInfoItemCap; ++i)
        REQUIRE(m_PlayRange_Add(1, i * 10, i * 10 + 5, 0, 0) == i);
    const STRACKINFO* other = g_Playlist.m_GetTrack(1);
    CHECK(m_PlayRange_Add(1, 5000, 6000, 0, 1) == -1);
    CHECK(other->RangeCount == kFileInfoItemCap);
    CHECK(other->Ranges[kFileInfoItemCap - 1].start == (kFileInfoItemCap - 1) * 10);
    CHECK(m_PlayRange_Add(5, 0, 1, 0, 0) == -1);  // no such track
}

TEST_CASE("splitting at 600 ms into a range gives two ranges one frame apart, the second active")
{
    struct {
        double fps;
        int firstEnd;
    } cases[] = {{25.0, 1560}, {0.0, 1599}};
    for (const auto& c : cases) {
        CAPTURE(c.fps);
        CPlayingClip clip;
        REQUIRE(clip.Store(1000, 5000) == 0);
        REQUIRE(g_PlayRangeIndex == 0);
        CHECK(m_PlayRange_SplitAt(-1, At(1600, 0, c.fps)) == 1);
        REQUIRE(g_FileInfo.RangeCount == 2);
        CHECK(g_FileInfo.Ranges[0].start == 1000);
        CHECK(g_FileInfo.Ranges[0].end == c.firstEnd);
        CHECK(g_FileInfo.Ranges[1].start == 1600);
        CHECK(g_FileInfo.Ranges[1].end == 5000);
        CHECK(g_PlayRangeIndex == 1);
        CHECK(g_PlayRangeStart == 1600);
        CHECK(g_Playlist.m_GetTrack(0)->RangeCount == 2);
    }
    CPlayingClip clip;
    REQUIRE(clip.Store(1000, 5000) == 0);
    CHECK(m_PlayRange_SplitAt(-1, At(1500)) == 0);  // not more than 500 ms in
    CHECK(m_PlayRange_SplitAt(-1, At(4500)) == 0);
    CHECK(g_FileInfo.RangeCount == 1);
}

TEST_CASE("selecting the range already active turns play range off")
{
    CPlayingClip clip;
    clip.Store(1000, 5000);
    clip.Store(8000, 9000);
    m_PlayRange_CommandAt(3, 0, At(0));
    CHECK(m_PlayRange_Select(-1, 0, 0, 0) == 1);
    CHECK(g_PlayRangeOn == 1);
    CHECK(g_PlayRangeIndex == 0);
    CHECK(g_PlayRangeEnd == 5000);
    CHECK(m_PlayRange_Select(-1, 0, 0, 0) == 0);
    CHECK(g_PlayRangeOn == 0);
    CHECK(g_PlayRangeLastIndex == 0);
    CHECK(m_PlayRange_Select(-1, 7, 0, 0) == 0);
}

TEST_CASE("deletes without saving, then one delete of -1 saves them all")
{
    CPlayingClip clip;
    clip.Store(1000, 2000);
    clip.Store(3000, 4000);
    clip.Store(5000, 6000);
    CHECK(m_PlayRange_Delete(0, 2, 0, 0) == 1);
    CHECK(m_PlayRange_Delete(0, 0, 0, 0) == 1);
    CHECK(g_FileInfo.RangeCount == 1);
    CHECK(g_Playlist.m_GetTrack(0)->RangeCount == 1);
    CHECK(clip.File().find(L"3=00:00:05.000") != std::wstring::npos);  // not saved yet
    CHECK(m_PlayRange_Delete(0, -1, 1, 1) == 0);
    const std::wstring text = clip.File();
    CHECK(text.find(L"1=00:00:03.000-00:00:04.000") != std::wstring::npos);
    CHECK(text.find(L"2=") == std::wstring::npos);
}

TEST_CASE("after a length change the end keeps its distance from the file's end")
{
    CPlayingClip clip;
    m_PlayRange_CommandAt(5, 0, At(2000));
    m_PlayRange_CommandAt(6, 0, At(50000));
    g_DurationMs = 70000;
    m_PlayRange_CommandAt(10, 0, At(0));
    CHECK(g_PlayRangeStart == 2000);
    CHECK(g_PlayRangeEnd == 60000);
    // Shorter than the end's distance from the old end: both bounds go.
    g_DurationMs = 5000;
    m_PlayRange_CommandAt(10, 0, At(0));
    CHECK(g_PlayRangeStart == -1);
    CHECK(g_PlayRangeEnd == -1);
}

TEST_CASE("renaming keeps 63 characters in the track and the playing file")
{
    CPlayingClip clip;
    clip.Store(1000, 2000);
    const std::wstring longName(80, L'x');
    CHECK(m_PlayRange_Rename(0, 0, longName.c_str()) == 1);
    CHECK(std::wstring(g_FileInfo.Ranges[0].name) == std::wstring(63, L'x'));
    CHECK(std::wstring(g_Playlist.m_GetTrack(0)->Ranges[0].name) == std::wstring(63, L'x'));
    CHECK(clip.File().find(L"00:00:02.000," + std::wstring(63, L'x')) != std::wstring::npos);
    CHECK(m_PlayRange_Rename(0, 3, L"n") == 0);
    CHECK(m_PlayRange_Rename(9, 0, L"n") == 0);
}

TEST_CASE("the range repeat mode cycles OFF, ON, FILE, ALL and is kept for [Main] Rpt")
{
    g_RangeRepeatMode = RANGE_REPEAT_OFF;
    const int expected[] = {1, 2, 3, 0};
    for (int mode : expected) {
        m_RangeRepeat_SetMode(-1);
        CHECK(g_RangeRepeatMode == mode);
        CHECK(g_MainWindowState.nRangeRepeat == mode);
    }
    m_RangeRepeat_SetMode(-2);
    CHECK(g_RangeRepeatMode == RANGE_REPEAT_ALL);
    m_RangeRepeat_SetMode(7);
    CHECK(g_RangeRepeatMode == RANGE_REPEAT_OFF);
}
