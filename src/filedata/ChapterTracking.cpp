// The current chapter as the position moves: chapter repeat, the skipping
// of unchecked chapters and the chapter message.
#include "filedata/ChapterTracking.h"

#include "app/StatusText.h"
#include "base/UiLook.h"
#include "engine/VideoRenderer.h"
#include "playback/EndOfStream.h"
#include "playback/PlayState.h"
#include "playback/RepeatMode.h"
#include "playback/ShuffleStep.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

int g_CurrentChapter;
int g_ChapterCount;
const SCHAPTERITEM* g_PlayingChapters;
int g_ChaptersFromInfo;
int g_LastChapterJump = -1;

namespace {

constexpr DWORD kNoChapter = 0xFFFFFFFF;
constexpr int kChapterMessageMs = 3500;
constexpr int kChapterMessagePriority = 20;
constexpr int kRepeatMessageMs = 3000;

// The chapter that just ended plays again: the one before the current, or
// the last when the current is the first.
void RepeatChapter()
{
    const int target = g_CurrentChapter > 0 ? g_CurrentChapter - 1 : g_ChapterCount - 1;
    m_Chapter_Jump(target, 0);
    m_OSD_ShowText(L"REPEAT : CHAPTER", 0, kRepeatMessageMs, -1, -1, -1, -1);
}

// No checked chapter follows: the file ends as the repeat mode says.
void EndByRepeatMode()
{
    switch (g_RepeatMode) {
        case REPEAT_SHUFFLE:
            m_Shuffle_Next(0);
            break;
        case REPEAT_OFF:
            m_OpenNextPlayListFile(0, 0);
            break;
        case REPEAT_FILE:
            m_Repeat_Restart(1);
            break;
        default:
            m_OpenNextPlayListFile(1, g_Settings.Common_RptMenu >= 1);
            break;
    }
}

// With check boxes: leaves an unchecked chapter for the next checked one.
// true when playback moved on.
bool SkipUnchecked()
{
    const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track || !g_Playlist.m_CheckMode || g_Playlist.m_GetPlayingCheckedChapters() < 1 ||
        g_CurrentChapter == g_LastChapterJump)
        return false;
    g_LastChapterJump = -1;
    const int count = g_ChapterCount < kFileInfoItemCap ? g_ChapterCount : kFileInfoItemCap;
    if (g_CurrentChapter < 0 || g_CurrentChapter >= count ||
        !track->ChapterUnchecked[g_CurrentChapter])
        return false;
    for (int i = g_CurrentChapter + 1; i < count; ++i) {
        if (!track->ChapterUnchecked[i]) {
            m_Chapter_Jump(i, 2);
            return true;
        }
    }
    EndByRepeatMode();
    return true;
}

void ShowChapter()
{
    // The timer's status-bar text and the on/off timers come later; until
    // then nothing stands in the message's way.
    if (!g_PlayStarted || g_CurrentChapter == g_LastChapterJump || g_CurrentChapter == 0) return;
    wchar_t text[64];
    m_FormatW64(text, 64, L"CHAPTER```:```%02d", g_CurrentChapter + 1);
    m_OSD_ShowText(text, 0, kChapterMessageMs, 0, kChapterMessagePriority, -1, -1);
}

}  // namespace

void m_Chapter_TrackCurrent(LONGLONG position, int change, int show)
{
    if (!g_VideoRenderer || g_ChapterCount < 2) return;
    const DWORD index = g_VideoRenderer->m_VR_GetChapterIndex(position, nullptr);
    // An unknown position says nothing about the chapter.
    if (index == kNoChapter) return;
    g_CurrentChapter = (int)index;
    if (change && !m_PlayRange_IsActive()) {
        if (g_RepeatMode == REPEAT_CHAPTER) {
            RepeatChapter();
            return;
        }
        if (SkipUnchecked()) return;
    }
    g_Playlist.m_SelectPlayingItem(1, 1, g_CurrentChapter);
    if (show) ShowChapter();
}

void m_Chapter_AfterSeek()
{
    m_Chapter_TrackCurrent(-1, 0, 0);
    if (g_VideoRenderer && g_ChapterCount >= 2) g_LastChapterJump = g_CurrentChapter;
}

void m_Chapter_OnClose()
{
    g_CurrentChapter = 0;
    g_ChapterCount = 0;
    g_PlayingChapters = nullptr;
    g_ChaptersFromInfo = 0;
    g_LastChapterJump = -1;
}
