// Making a stored range the active one, in the playing file or by opening
// another track, and finding the range a step goes to.
#include <stdio.h>

#include "app/StatusText.h"
#include "base/SoundCue.h"
#include "filedata/FileInfo.h"
#include "filedata/PlayRangeCore.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"
#include "playlist/Playlist.h"

namespace {

enum { SEEK_NONE = 0, SEEK_OUTSIDE = 1, SEEK_ALWAYS = 2 };
constexpr int kTextCap = 160;
constexpr int kTimeCap = 32;

// Ctrl or Shift held at the call asks for a pause.
int PauseAsked() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0; }

void TakeRange(int index)
{
    const SPLAYRANGEITEM& r = g_FileInfo.Ranges[index];
    m_PlayRange_SetBounds(1, r.start, r.end);
    g_PlayRangeIndex = index;
}

int StartMs(int index)
{
    const int start = g_FileInfo.Ranges[index].start;
    return start < 0 ? 0 : start;
}

void SeekToStart(int index)
{
    m_SavePlayPosition(0);
    m_SeekToTime(StartMs(index), 0, 1);
}

// Another track: opened, then its range made active.
int SelectInOther(int track, int index, int seekMode)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    const int pause = PauseAsked();
    m_SavePlayPosition(0);
    if (t->RangeCount <= 0) {
        m_OpenPlayListFile(track, 0, 1, pause ? 2 : 1, 0);
        m_PlayRange_SetBounds(1, -1, -1);
        return 0;
    }
    m_OpenPlayListFile(track, 0, 0, 0, 0);
    if (!g_MediaOpen || index < 0 || index >= (int)g_FileInfo.RangeCount) return 0;
    TakeRange(index);
    if (seekMode != SEEK_NONE) m_SeekToTime(StartMs(index), 0, 1);
    if (pause)
        m_Pause();
    else
        m_PlayPause(-1);
    return 1;
}

int SelectInPlaying(int index, int seekMode)
{
    if (index == g_PlayRangeIndex) {
        m_PlayRange_Command(3, 1);
        return 0;
    }
    if (PauseAsked()) m_Pause();
    TakeRange(index);
    if (seekMode == SEEK_ALWAYS) {
        SeekToStart(index);
    } else if (seekMode == SEEK_OUTSIDE) {
        const int position = m_PlayRange_ReadFacts().posMs;
        const SPLAYRANGEITEM& r = g_FileInfo.Ranges[index];
        const int end = r.end < 0 ? m_PlayRange_LengthMs() : r.end;
        if (position < StartMs(index) || position > end) SeekToStart(index);
    }
    return 1;
}

void SaySelected(int index, int messageMode)
{
    wchar_t text[kTextCap];
    const int count = (int)g_FileInfo.RangeCount;
    if (messageMode == 2) {
        _snwprintf(text, kTextCap, L"PLAY````RANGE````:````%d``/``%d", index + 1, count);
        text[kTextCap - 1] = 0;
        m_OSD_ShowText(text, 0, -1, 0, -1, -1, -1);
        return;
    }
    const SPLAYRANGEITEM& r = g_FileInfo.Ranges[index];
    wchar_t from[kTimeCap], to[kTimeCap], length[kTimeCap];
    m_PlayRange_FormatBounds(r.start, r.end, 3, from, to, length, kTimeCap);
    _snwprintf(text, kTextCap, L"PLAY````RANGE````:````%d``/``%d (%s``-``%s````/````%s)", index + 1,
               count, from, to, length);
    text[kTextCap - 1] = 0;
    m_OSD_ShowText(text, 1, -1, 0, -1, -1, -1);
}

}  // namespace

int m_PlayRange_Select(int track, int index, int seekMode, int messageMode)
{
    if (track == -1) track = g_PlayingTrack;
    int selected = 0;
    if (!g_MediaOpen || track != g_PlayingTrack) {
        if (g_Playlist.m_GetTrack(track)) selected = SelectInOther(track, index, seekMode);
    } else if (index >= 0 && index < (int)g_FileInfo.RangeCount) {
        if (index == g_PlayRangeIndex) {
            SelectInPlaying(index, seekMode);
            m_PlayRange_RefreshMarks();
            return 0;
        }
        selected = SelectInPlaying(index, seekMode);
    }
    if (messageMode && selected)
        SaySelected(index, messageMode);
    else if (messageMode)
        m_OSD_ShowText(L"SET````PLAYRANGE : ERR", 1, -1, 0, -1, -1, -1);
    m_PlayRange_RefreshMarks();
    return selected;
}

int m_PlayRange_FindByPos(int direction)
{
    return m_PlayRange_FindByPosAt(direction, m_PlayRange_ReadFacts().posMs);
}

int m_PlayRange_FindByPosAt(int direction, int posMs)
{
    return m_PlayRange_FindByPosOf(g_FileInfo.Ranges, (int)g_FileInfo.RangeCount, posMs,
                                   m_PlayRange_LengthMs(), g_PlayRangeLastIndex, direction);
}
