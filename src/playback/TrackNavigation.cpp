#include "playback/TrackNavigation.h"

#include <wchar.h>

#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "base/UiLook.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/AutoNext.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackControl.h"
#include "playback/RepeatMode.h"
#include "playback/Seek.h"
#include "playback/ShuffleStep.h"
#include "playback/SkipPoints.h"
#include "playback/TrackChoice.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

constexpr int kPlayStartToleranceMs = 50;

// The playing track's chapters as the engine has them, and their
// unchecked flags; null flags when check boxes are not in use.
int m_PlayingChapters(const SCHAPTERITEM** table, const UINT** unchecked)
{
    *table = nullptr;
    *unchecked = nullptr;
    if (!g_VideoRenderer) return 0;
    const int count = g_VideoRenderer->m_VR_GetChapters(table, nullptr);
    const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (track && g_Playlist.m_CheckMode && count <= kFileInfoItemCap)
        *unchecked = track->ChapterUnchecked;
    return count;
}

int m_ChapterMs(const SCHAPTERITEM& c) { return static_cast<int>(c.Start * 1000.0 + 0.5); }

}  // namespace

int m_PlayRange_IsActive() { return g_PlayRangeOn; }

namespace {

// The range start a play-start test or seek goes by, -1 when none applies.
int m_RangeStartMs(int mode)
{
    const int rangeMode = mode < 0 || g_PlayRangeOn;
    const int kind = mode < 0 ? -mode : mode;
    if (!rangeMode) return -1;
    int start = -1;
    if (kind == 2 && g_FileInfo.RangeCount > 0)
        start = g_FileInfo.Ranges[0].start;
    else if (kind == 1 || kind == 2)
        start = g_PlayRangeStart;
    else
        return -1;
    return start < 0 ? 0 : start;
}

}  // namespace

int m_PlayStartMs()
{
    const SCHAPTERITEM* table;
    const UINT* unchecked;
    const int count = m_PlayingChapters(&table, &unchecked);
    if (!unchecked || count < 1) return 0;
    for (int i = 0; i < count; ++i)
        if (!unchecked[i]) return m_ChapterMs(table[i]);
    return 0;
}

int m_IsAtPlayStart(int posMs, int mode, int toleranceMs)
{
    if (!g_MediaOpen) return 0;
    const int position = posMs == -1 ? m_GetCurrentPosMs() : posMs;
    const int tolerance = toleranceMs == -1 ? kPlayStartToleranceMs : toleranceMs;
    const int rangeStart = m_RangeStartMs(mode);
    return position <= (rangeStart >= 0 ? rangeStart : m_PlayStartMs()) + tolerance;
}

void m_SeekToPlayStart(int then, int rangeMode)
{
    int target = m_PlayStartMs();
    if (g_PlayRangeOn) {
        const int first = rangeMode == 2 && g_FileInfo.RangeCount > 0;
        // The first range becomes the active one when a range is in use.
        if (first && g_PlayRangeIndex > 0) m_PlayRange_Select(-1, 0, 0, 0);
        target = m_RangeStartMs(first ? 2 : 1);
    }
    m_SeekToTime(target, 0, 0);
    if (then == 1 && !m_IsPlaying())
        m_PlayPause(-1);
    else if (then == -1)
        m_SetHold(1, 1);
}

void m_NextTrack()
{
    if (!g_MediaOpen) return;
    m_SavePlayPosition(0);
    if (g_PlayRangeOn) {
        m_SeekToPlayEnd(-1, 1);
        m_OSD_ShowText(L"PLAYRANGE : ENDPOS", -1, -1, -1, -1, -1, -1);
    } else if (g_AutoNextActive)
        m_OpenNextPlayListFile(1, 0);
    else if (g_RepeatMode == REPEAT_SHUFFLE)
        m_Shuffle_Next(0);
    else
        m_OpenNextPlayListFile(0, g_Settings.Common_RptMenu > 0);
    m_UpdateTimeDisplay(1);
}

void m_PrevTrack(int direct)
{
    if (!g_MediaOpen) return;
    m_SavePlayPosition(0);
    const int position = m_GetCurrentPosMs();
    if (g_PlayRangeOn) {
        m_SeekToPlayStart(1, 1);
        m_OSD_ShowText(L"PLAY````RANGE````:````STARTPOS", -1, -1, -1, -1, -1, -1);
        m_UpdateTimeDisplay(1);
        return;
    }
    switch (m_PrevRule(position, m_PlayStartMs(), direct)) {
        case PREVRULE_SEEK_START:
            m_SeekToPlayStart(0, 1);
            break;
        case PREVRULE_SEEK_ZERO:
            m_SeekToTime(0, 0, 0);
            break;
        default:
            if (g_RepeatMode == REPEAT_SHUFFLE)
                m_Shuffle_Next(1);
            else
                m_OpenPrevPlayListFile(g_RepeatMode != REPEAT_OFF);
            break;
    }
    m_UpdateTimeDisplay(1);
}

void m_StepForward(int mode)
{
    if (g_PlayRangeOn && mode == 0)
        m_PlayRange_StepFile(1, 1, 0, 1);
    else if (g_PlayRangeOn)
        m_PlayRange_Step(1, 1, g_RangeRepeatMode == RANGE_REPEAT_ALL);
    else if (mode == 0)
        m_NextTrack();
    else
        m_SkipToPoint(1, 0, 0);
}

void m_StepBack(int mode)
{
    if (g_PlayRangeOn && mode == 0)
        m_PlayRange_StepFile(-1, 1, 0, 1);
    else if (g_PlayRangeOn)
        m_PlayRange_Step(-1, 1, g_RangeRepeatMode == RANGE_REPEAT_ALL);
    else if (mode == 0)
        m_PrevTrack(0);
    else
        m_SkipToPoint(-1, 0, 0);
}

void m_OpenPrevPlayListFile(int wrap)
{
    static unsigned char checked[kPlaylistTrackCap];
    const int position = g_MediaOpen ? m_GetCurrentPosMs() : 0;
    int entry;
    switch (m_PrevStep(m_ListChoiceFacts(checked), g_PlayingTrack, wrap, g_MediaOpen, position,
                       &entry)) {
        case PREV_OPEN:
            m_OpenPlayListFile(entry, 0, 1, 1, 0);
            break;
        case PREV_SEEK_START:
            m_SeekToPlayStart(0, 1);
            break;
        case PREV_SEEK_START_TOGGLE:
            m_SeekToPlayStart(0, 1);
            if (g_PlayStarted) m_PlayPause(-1);
            break;
        default:
            break;
    }
}

void m_Chapter_Jump(int chapter, int messageMode)
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    m_SavePlayPosition(0);
    g_VideoRenderer->m_VR_GoToChapter(chapter);
    m_UpdateTimeDisplay(1);
    g_CurrentChapter = chapter;
    g_LastChapterJump = chapter;
    g_Playlist.m_SelectPlayingItem(1, 1, chapter);
    if (messageMode <= 0) return;
    wchar_t text[64];
    m_FormatW64(text, 64, L"CHAPTER```:```%02d", chapter + 1);
    if (messageMode == 1)
        m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    else
        m_OSD_ShowText(text, 0, 3500, 0, 20, -1, -1);
}

namespace {

SSKIPSOURCE m_OpenFileSkipSource()
{
    SSKIPSOURCE s = {};
    s.chapterCount = m_PlayingChapters(&s.chapters, &s.chapterUnchecked);
    s.ranges = g_FileInfo.Ranges;
    s.rangeCount = static_cast<int>(g_FileInfo.RangeCount);
    s.markers = g_FileInfo.Markers;
    s.markerCount = static_cast<int>(g_FileInfo.MarkerCount);
    // Bounds set directly, matching no stored range, are points of their own.
    const int direct = g_PlayRangeOn && g_PlayRangeIndex < 0;
    s.directStart = direct ? g_PlayRangeStart : -1;
    s.directEnd = direct ? g_PlayRangeEnd : -1;
    s.durationMs = g_DurationMs;
    return s;
}

}  // namespace

void m_SkipToPoint(int direction, int offsetMs, int kindMask)
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    m_SavePlayPosition(0);
    static SSKIPPOINT points[kSkipPointCap];
    const int count =
        m_SkipPoints_Collect(m_OpenFileSkipSource(), kindMask, offsetMs, points, kSkipPointCap);
    const int position = m_GetCurrentPosMs();
    int target;
    const int nearEnd = g_VideoRenderer->m_VR_IsNearEnd(-1);
    wchar_t text[96];
    switch (m_SkipPoints_Choose(points, count, position, direction, nearEnd, &target)) {
        case SKIPTO_PLAY_END:
            m_OnPlayEnd(1);
            return;
        case SKIPTO_HOLD_END:
            m_SeekToPlayEnd(-1, 1);
            m_UpdateTimeDisplay(1);
            m_FormatW64(text, 96, L"POS : FILE END");
            break;
        case SKIPTO_ZERO:
            m_SeekToTime(0, 0, 1);
            m_SkipPoints_Message(nullptr, offsetMs, text, 96);
            break;
        default:
            // The seek lands 1 ms past the point, so that a skip right
            // after this one reads a position beyond it and goes on.
            m_SeekToTime(points[target].timeMs, 0, 1);
            m_SkipPoints_Message(&points[target], offsetMs, text, 96);
            break;
    }
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, 0);
}
