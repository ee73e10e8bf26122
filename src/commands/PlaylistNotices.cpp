// What the main window does on the playlist window's notices: opening a
// track, jumping to a chapter, range or marker of the shown track, the
// seek-bar highlight and marks, the jump-list view of a track, and the seek
// bar's look when a sub-list tab is chosen.
#include "commands/PlaylistNotices.h"

#include "app/TimeDisplay.h"
#include "app/ToolWindowPlacement.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/Markers.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "jumplist/JumpListCommands.h"
#include "jumplist/JumpListState.h"
#include "jumplist/JumpListViewCalls.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

constexpr DWORD kNoChapter = 0xFFFFFFFF;

bool m_CtrlOrShift() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0; }

// Before another open from the list: the position saved and the jump-list
// view closed.
void m_LeaveForOpen()
{
    m_SavePlayPosition(0);
    if (m_JumpList_IsShown()) m_ShowJumpList(0);
}

// An index outside the list opens nothing (the open itself would fall back
// on the first track).
void m_OpenTrack(int index)
{
    if (!g_Playlist.m_GetTrack(index) || m_JumpList_IsCreating()) return;
    if (m_JumpList_IsShown() && index == g_PlayingTrack) {
        m_ShowJumpList(0);
        return;
    }
    m_LeaveForOpen();
    if (g_PlayRangeOn) {
        m_PlayRange_Select(index, 0, 1, 0);
        return;
    }
    m_OpenPlayListFile(index, 0, 1, m_CtrlOrShift() ? 2 : 1, 0);
}

// A chapter of the playing track is a jump; one of another track opens that
// track at the chapter's start, stopped with Ctrl or Shift as a row does.
void m_OpenChapter(int shown, int chapter)
{
    const int held = m_CtrlOrShift() ? 1 : 0;
    if (shown >= 0 && shown == g_PlayingTrack && g_MediaOpen) {
        // Past the last chapter the engine would go to the end.
        if (chapter >= 0 && chapter < g_ChapterCount) m_Chapter_Jump(chapter, held);
        return;
    }
    const STRACKINFO* t = g_Playlist.m_GetTrack(shown);
    if (!t || !t->Chapters || chapter < 0 || chapter >= t->ChapterCount) return;
    if (m_JumpList_IsCreating()) return;
    const int startMs = (int)(t->Chapters[chapter].Start * 1000.0 + 0.5);
    m_LeaveForOpen();
    m_OpenPlayListFile(shown, startMs > 0 ? startMs : 0, 1, held ? 2 : 1, 0);
}

// A mark of the shown track is highlighted on the seek bar only while that
// track plays; otherwise the highlight goes.
void m_HighlightMark(int kind, int index)
{
    const int shown = g_Playlist.m_ShownTrack;
    if (shown >= 0 && shown == g_PlayingTrack && g_MediaOpen)
        g_SeekBar.m_SetHighlight(kind, index);
    else
        g_SeekBar.m_SetHighlight(SLIDER_HL_NONE, -1);
}

// The jump-list view opens on a row's choice by the list's setting: 1
// always, 2 while no media file is open; a shown view always follows.
void m_JumpListForTrack(int index)
{
    if (m_JumpList_IsCreating() || !g_Playlist.m_GetTrack(index)) return;
    const int setting = g_PlaylistView.nJumpList;
    if (setting == 1 || (setting == 2 && !g_MediaOpen) || g_JumpListShown) m_OpenJumpList(1, index);
}

void m_ToggleJumpList(int index)
{
    if (index == -1) index = g_PlayingTrack;
    if (index < 0) index = 0;
    if (g_JumpListShown && g_JumpListEntry == index)
        m_OpenJumpList(0, index);
    else
        m_OpenJumpList(1, index);
}

// The current chapter again from the engine, then the playing track's
// marks on the seek bar.
void m_RetakeChapter()
{
    const DWORD index =
        g_VideoRenderer ? g_VideoRenderer->m_VR_GetChapterIndex(-1, nullptr) : kNoChapter;
    g_CurrentChapter = index == kNoChapter ? -1 : (int)index;
}

void m_OnCheckMode(LPARAM chaptersChanged)
{
    if (chaptersChanged && g_VideoRenderer) m_RetakeChapter();
    m_SeekBar_SetMarks(-1);
}

void m_OnChapterChecks()
{
    m_RetakeChapter();
    m_SeekBar_SetMarks(-1);
    STIMEOPTIONS options = {};
    m_ReadTimeOptions(&options);
    if (options.bChapterTime) m_UpdateTimeDisplay(1);
}

}  // namespace

int m_OnPlaylistNotice(WPARAM code, LPARAM value)
{
    const int index = (int)value;
    const int shown = g_Playlist.m_ShownTrack;
    switch (code) {
        case kNoticeOpenTrack:
            m_OpenTrack(index);
            return 1;
        case kNoticeOpenChapter:
            m_OpenChapter(shown, index);
            return 1;
        case kNoticeOpenRange:
            m_PlayRange_Select(shown, index, 2, 1);
            return 1;
        case kNoticeOpenRangeIcon:
            m_PlayRange_Select(shown, index, 1, 1);
            return 1;
        case kNoticeJumpListForTrack:
            m_JumpListForTrack(index);
            return 1;
        case kNoticeHighlightChapter:
            m_HighlightMark(SLIDER_HL_CHAPTER, index);
            return 1;
        case kNoticeHighlightRange:
            m_HighlightMark(SLIDER_HL_RANGE, index);
            return 1;
        case kNoticeHighlightMarker:
            m_HighlightMark(SLIDER_HL_MARKER, index);
            return 1;
        case kNoticeCheckMode:
            m_OnCheckMode(value);
            return 1;
        case kNoticeChapterCheck:
            m_OnChapterChecks();
            return 1;
        case kNoticeJumpListToggle:
            m_ToggleJumpList(index);
            return 1;
        case kNoticeOpenMarker:
            m_Marker_Jump(shown, index, 1);
            return 1;
        case kNoticeTabSelected:
            g_SeekBar.m_SetHighlight(SLIDER_HL_NONE, -1);
            g_SeekBar.m_SetThumbVisible(1, 0, 1);
            return 1;
    }
    return 0;
}
