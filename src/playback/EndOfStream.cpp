#include "playback/EndOfStream.h"

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "app/WindowSize.h"
#include "base/ErrorLog.h"
#include "engine/VideoRenderer.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/AutoNext.h"
#include "playback/PlayPause.h"
#include "playback/RepeatMode.h"
#include "playback/Seek.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackEvents.h"
#include "playback/ShuffleStep.h"
#include "playback/TrackChoice.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

constexpr int kEndToleranceMs = 200;
constexpr int kRestartMessageMs = 3000;

// After a restart or a chapter jump in the same file playback goes on.
void m_RunAgain()
{
    if (g_PlayHeld)
        m_SetHold(0, 1);
    else if (!g_PlayStarted)
        m_PlayPause(-1);
}

int m_EngineNearEnd()
{
    return g_VideoRenderer && g_MediaOpen ? g_VideoRenderer->m_VR_IsNearEnd(-1) : 0;
}

void m_RestartList()
{
    const int before = g_PlayingTrack;
    m_Repeat_Restart(0);
    if (g_PlayingTrack == before && g_MediaOpen) m_RunAgain();
}

void m_RunNextStep(int step, int next, int countdownMs)
{
    switch (step) {
        case NEXT_OPEN:
            m_OpenPlayListFile(next, 0, 1, 1, 1);
            break;
        case NEXT_OVERLAY:
            m_AutoNext_Show(1, countdownMs, 1);
            break;
        case NEXT_RESTART:
            m_RestartList();
            break;
        case NEXT_HOLD_END:
            m_SeekToPlayEnd(-1, 1);
            break;
        case NEXT_PAUSE_END:
            m_SeekToPlayEnd(-2, 1);
            break;
        case NEXT_SEEK_END:
            m_SeekToPlayEnd(0, 1);
            break;
        case NEXT_FIRST_CHAP:
            m_Chapter_JumpFirst();
            m_RunAgain();
            break;
        default:
            break;
    }
}

}  // namespace

int m_NextStep_Plain(int count, int playing, int fileOpen, int wrap, int countdown, int isPlaying,
                     int nearEnd, int* next, int* countdownMs)
{
    *next = -1;
    *countdownMs = wrap ? -1 : 0;
    if (count < 2) {
        if (!fileOpen) return NEXT_NOTHING;
        if (countdown) return NEXT_OVERLAY;
        if (wrap) return NEXT_RESTART;
        return nearEnd ? NEXT_FIRST_CHAP : NEXT_HOLD_END;
    }
    const int candidate = playing + 1;
    if (candidate >= 0 && candidate < count) {
        *next = candidate;
        return NEXT_OPEN;
    }
    if (wrap) return countdown ? NEXT_OVERLAY : NEXT_RESTART;
    if (!fileOpen) return NEXT_NOTHING;
    if (countdown) return NEXT_OVERLAY;
    if (isPlaying) return NEXT_PAUSE_END;
    return nearEnd ? NEXT_RESTART : NEXT_SEEK_END;
}

namespace {

// The walk of a list whose check boxes leave some entries out.
void m_OpenNextChecked(const STRACKCHOICE& list, int wrap, int countdown)
{
    SNEXTFACTS f = {};
    f.playing = g_PlayingTrack;
    f.continueFrom = g_PlayingTrack < 0 ? g_TrackAfterDelete : -1;
    f.fileOpen = g_MediaOpen;
    f.wrap = wrap;
    f.countdown = countdown;
    f.atEnd = m_EngineNearEnd() || m_IsAtPlayEnd(-1, 0, 0);
    if (f.continueFrom >= 0) g_TrackAfterDelete = -1;
    int next, countdownMs, badStart;
    const int step = m_NextStep_Checked(list, f, &next, &countdownMs, &badStart);
    if (badStart)
        m_WriteLog(L"MAIN_%d : Error / m_OpenNextPlayListFile() / Index=%d,%d,%d", __LINE__,
                   f.continueFrom >= 0 ? f.continueFrom : f.playing + 1, f.playing, f.continueFrom);
    m_RunNextStep(step, next, countdownMs);
}

}  // namespace

void m_OpenNextPlayListFile(int wrap, int countdown)
{
    static unsigned char checked[kPlaylistTrackCap];
    const STRACKCHOICE list = m_ListChoiceFacts(checked);
    if (!m_Checks_AllPlayable(list)) {
        m_OpenNextChecked(list, wrap, countdown);
        return;
    }
    int playing = g_PlayingTrack;
    // A deleted playing track leaves where the walk goes on.
    if (playing < 0 && g_TrackAfterDelete >= 0) {
        playing = g_TrackAfterDelete - 1;
        g_TrackAfterDelete = -1;
    }
    int next, countdownMs;
    const int step = m_NextStep_Plain(list.nCount, playing, g_MediaOpen, wrap, countdown,
                                      m_IsPlaying(), m_EngineNearEnd(), &next, &countdownMs);
    m_RunNextStep(step, next, countdownMs);
}

void m_OnPlayEnd(int noCountdown)
{
    m_UpdateTimeDisplay(1);
    if (m_PlayRange_IsActive() && m_IsPlaying()) {
        m_PlayRange_OnEnd(0);
        return;
    }
    const int countdown = !noCountdown && g_Settings.Common_RptMenu >= 1;
    switch (g_RepeatMode) {
        case REPEAT_CHAPTER:
            m_Repeat_LastChapter();
            break;
        case REPEAT_FILE:
            m_Repeat_Restart(1);
            m_RunAgain();
            break;
        case REPEAT_SHUFFLE:
            m_Shuffle_Next(0);
            break;
        case REPEAT_OFF:
            m_OpenNextPlayListFile(0, countdown);
            break;
        default:
            m_OpenNextPlayListFile(1, countdown);
            break;
    }
}

void m_Repeat_LastChapter()
{
    if (!g_VideoRenderer) return;
    const SCHAPTERITEM* table = nullptr;
    const int count = g_VideoRenderer->m_VR_GetChapters(&table, nullptr);
    if (count > 0)
        m_Chapter_Jump(count - 1, 0);
    else
        m_SeekToTime(0, 0, 0);
    m_OSD_ShowText(L"REPEAT : CHAPTER", -1, -1, -1, -1, -1, -1);
}

namespace {

// With check boxes the list starts again at its first checked entry.
int m_FirstCheckedEntry()
{
    if (!g_Playlist.m_CheckMode) return 0;
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i)
        if (!g_Playlist.m_GetTrack(i)->Unchecked) return i;
    return 0;
}

// The first checked chapter with check boxes and some but not all
// chapters checked; else chapter 0.
int m_FirstCheckedChapter(int count)
{
    const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track || !g_Playlist.m_CheckMode || count < 1 || count > kFileInfoItemCap) return 0;
    int first = -1, unchecked = 0;
    for (int i = 0; i < count; ++i) {
        if (track->ChapterUnchecked[i])
            ++unchecked;
        else if (first < 0)
            first = i;
    }
    return unchecked > 0 && first >= 0 ? first : 0;
}

}  // namespace

void m_Repeat_Restart(int sameFile)
{
    if (sameFile) {
        m_Chapter_JumpFirst();
        m_OSD_ShowText(L"REPEAT : FILE", 0, kRestartMessageMs, -1, -1, -1, -1);
        return;
    }
    if (g_Playlist.m_GetCount() <= 0) return;
    const int entry = m_FirstCheckedEntry();
    if (g_PlayingTrack != entry || !g_MediaOpen)
        m_OpenPlayListFile(entry, 0, 0, 1, 1);
    else
        m_Chapter_JumpFirst();
    m_OSD_ShowText(L"REPEAT", 0, kRestartMessageMs, -1, -1, -1, -1);
}

// A file without chapters starts its one chapter at 0.
void m_Chapter_JumpFirst()
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    m_SavePlayPosition(0);
    const SCHAPTERITEM* table = nullptr;
    const int count = g_VideoRenderer->m_VR_GetChapters(&table, nullptr);
    if (count > 0)
        m_Chapter_Jump(m_FirstCheckedChapter(count), 0);
    else
        g_VideoRenderer->m_VR_SetPosition(0);
    if (g_PlayHeld) m_SetHold(0, 1);
    m_UpdateTimeDisplay(1);
}

namespace {

// With check boxes and an unchecked last chapter the play ends where the
// chapter after the last checked one starts (the start when none is
// checked).
int m_CheckedChaptersEndMs()
{
    const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    const SCHAPTERITEM* table = nullptr;
    const int count = g_VideoRenderer ? g_VideoRenderer->m_VR_GetChapters(&table, nullptr) : 0;
    if (!track || !g_Playlist.m_CheckMode || count < 2 || count > kFileInfoItemCap ||
        !track->ChapterUnchecked[count - 1])
        return g_DurationMs;
    for (int i = count - 2; i >= 0; --i)
        if (!track->ChapterUnchecked[i]) return static_cast<int>(table[i + 1].Start * 1000.0 + 0.5);
    return g_DurationMs;
}

}  // namespace

namespace {

// The range end a play-end test goes by: mode 1 the active range's, 2 the
// largest of the file's ranges (a negative mode takes range mode as on);
// the duration for an open end, -1 when no range applies.
int m_RangeEndMs(int mode)
{
    const int kind = mode < 0 ? -mode : mode;
    if (!(mode < 0 || g_PlayRangeOn)) return -1;
    if (kind == 1) return g_PlayRangeEnd < 0 ? g_DurationMs : g_PlayRangeEnd;
    if (kind != 2 || g_FileInfo.RangeCount == 0) return -1;
    int end = 0;
    for (UINT i = 0; i < g_FileInfo.RangeCount && i < (UINT)kFileInfoItemCap; ++i) {
        if (g_FileInfo.Ranges[i].end < 0) return g_DurationMs;
        if (g_FileInfo.Ranges[i].end > end) end = g_FileInfo.Ranges[i].end;
    }
    return end;
}

// In range mode the end of the active range, or with rangeMode 2 and a
// range in use the last range's (made the active one); -1 for none.
int m_RangeSeekEndMs(int rangeMode)
{
    if (!g_PlayRangeOn || !rangeMode) return -1;
    const int last = static_cast<int>(g_FileInfo.RangeCount) - 1;
    if (rangeMode != 2 || g_PlayRangeIndex < 0 || last < 0) return g_PlayRangeEnd;
    if (g_PlayRangeIndex != last) m_PlayRange_Select(-1, last, 0, 0);
    return g_FileInfo.Ranges[last].end;
}

}  // namespace

// A file of unknown length has no end to be at: play would otherwise keep
// "continuing at the end" without ever playing.
int m_IsAtPlayEnd(int posMs, int mode, int useChapters)
{
    if (!g_MediaOpen || g_DurationMs <= 0) return 0;
    const int position = posMs == -1 ? m_GetCurrentPosMs() : posMs;
    int end = m_RangeEndMs(mode);
    if (end < 0) end = useChapters ? m_CheckedChaptersEndMs() : g_DurationMs;
    return position >= end - kEndToleranceMs;
}

void m_SeekToPlayEnd(int before, int rangeMode)
{
    if (before == -1)
        m_SetHold(1, 1);
    else if (before == -2 && g_PlayStarted && !g_PlayHeld)
        m_PlayPause(-1);
    const int rangeEnd = m_RangeSeekEndMs(rangeMode);
    if (rangeEnd >= 0)
        m_SeekToTime(rangeEnd, 0, 0);
    else if (g_VideoRenderer)
        g_VideoRenderer->m_VR_SeekNearEnd();
    m_UpdateTimeDisplay(1);
}

namespace {

// The average length L the countdown is scaled by: in repeat FILE the
// playing track's (its checked chapters' with check boxes), else the mean
// of the (checked) tracks whose length is known; -1 for none.
long long m_AutoNext_LengthMs()
{
    if (g_RepeatMode == REPEAT_FILE) {
        const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
        if (!g_Playlist.m_CheckMode || !track) return g_DurationMs;
        long long sum = 0;
        for (int i = 0; i < track->ChapterCount && i < kFileInfoItemCap; ++i)
            if (!track->ChapterUnchecked[i])
                sum += static_cast<long long>(track->Chapters[i].Length * 1000.0);
        return sum;
    }
    long long sum = 0;
    int known = 0;
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
        const STRACKINFO* t = g_Playlist.m_GetTrack(i);
        if (t->Milliseconds <= 0 || (g_Playlist.m_CheckMode && t->Unchecked)) continue;
        sum += t->Milliseconds;
        ++known;
    }
    return known ? sum / known : -1;
}

void m_AutoNext_Place()
{
    HWND parent = g_FullScreen && g_hWndFullScreen ? g_hWndFullScreen : g_hWndMain;
    m_AutoNext_Create(parent);
    RECT rc;
    if (g_FullScreen && g_hWndFullScreen)
        GetClientRect(g_hWndFullScreen, &rc);
    else if (!m_GetVideoRect(&rc))
        return;
    m_AutoNext_SetRect(rc);
    m_AutoNext_ShowWindow(SW_SHOWNOACTIVATE);
    if (g_VideoWindow && IsWindowVisible(g_VideoWindow)) ShowWindow(g_VideoWindow, SW_HIDE);
}

}  // namespace

void m_AutoNext_Show(int show, int countdownMs, int redrawMode)
{
    if (!show) {
        m_AutoNext_ShowWindow(SW_HIDE);
        g_AutoNextActive = 0;
        if (redrawMode >= 1 && g_VideoWindow && g_MediaOpen && !IsWindowVisible(g_VideoWindow))
            ShowWindow(g_VideoWindow, SW_SHOWNOACTIVATE);
        if (redrawMode >= 2 && g_VideoWindow) InvalidateRect(g_VideoWindow, nullptr, FALSE);
        return;
    }
    if (countdownMs != 0)
        m_SetHold(1, 1);
    else if (m_IsPlaying())
        m_PlayPause(-1);
    m_SeekToPlayEnd(0, 1);
    m_AutoNext_Place();
    m_AutoNext_StartCountdown(
        countdownMs == -1 ? m_AutoNext_CountdownMs(g_Settings.Common_RptMenu, m_AutoNext_LengthMs())
                          : countdownMs);
    g_AutoNextActive = 1;
    m_UpdateTimeDisplay(1);
}

void m_AutoNext_Now()
{
    m_AutoNext_Show(0, 0, 1);
    if (m_PlayRange_IsActive())
        m_OpenNextPlayListFile(1, 0);
    else
        m_OnPlayEnd(1);
}
