// What the main window does on the playlist window's notices: opening a
// track, jumping to a chapter, range or marker of the shown track, and the
// seek bar's look when a sub-list tab is chosen.
#include "commands/PlaylistNotices.h"

#include "controls/SliderPlus.h"
#include "filedata/Markers.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "jumplist/JumpListCommands.h"
#include "jumplist/JumpListState.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

bool m_CtrlOrShift() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0; }

// Before another open from the list: the position saved and the jump-list
// view closed.
void m_LeaveForOpen()
{
    m_SavePlayPosition(0);
    if (m_JumpList_IsShown()) m_ShowJumpList(0);
}

void m_OpenTrack(int index)
{
    if (m_JumpList_IsBatchRunning()) return;
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
        m_Chapter_Jump(chapter, held);
        return;
    }
    const STRACKINFO* t = g_Playlist.m_GetTrack(shown);
    if (!t || !t->Chapters || chapter < 0 || chapter >= t->ChapterCount) return;
    if (m_JumpList_IsBatchRunning()) return;
    const int startMs = (int)(t->Chapters[chapter].Start * 1000.0 + 0.5);
    m_LeaveForOpen();
    m_OpenPlayListFile(shown, startMs > 0 ? startMs : 0, 1, held ? 2 : 1, 0);
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
