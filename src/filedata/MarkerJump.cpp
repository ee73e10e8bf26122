// Going to a marker: of the playing file or of another track, and stepping
// to the previous or next marker across the playlist.
#include "filedata/Markers.h"

#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "base/NumberFormat.h"
#include "base/SoundCue.h"
#include "base/UiLook.h"
#include "filedata/FileInfo.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/PlaybackControl.h"
#include "playback/Seek.h"
#include "playlist/Playlist.h"

namespace {

// A step back this soon after a marker goes on to the one before it.
constexpr int kBackPastMarkerMs = 1500;

bool ValidMarker(int index) { return index >= 0 && index < (int)g_FileInfo.MarkerCount; }

// Another track opens first; 1 when the marker was reached.
int JumpInOtherTrack(int track, int index, int pause)
{
    if (!g_Playlist.m_GetTrack(track)) return 0;
    m_SavePlayPosition(0);
    m_OpenPlayListFile(track, 0, 0, 0, 0);
    if (!g_MediaOpen || g_PlayingTrack != track || !ValidMarker(index)) return 0;
    m_SeekToTime(g_FileInfo.Markers[index].position, 0, 1);
    if (pause)
        m_Pause();
    else
        m_PlayPause(-1);
    return 1;
}

void SayJump(int ok, int index)
{
    wchar_t text[96];
    if (ok) {
        wchar_t time[32];
        m_FormatTime(time, 32, g_FileInfo.Markers[index].position, 1);
        m_FormatW64(text, 96, L"FILE````MARKER : %d [`%s`]", index + 1, time);
    } else {
        m_FormatW64(text, 96, L"FILE````MARKER : ERR");
    }
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

// The nearest track with markers walking from `from` by step (wrapping),
// the starting track itself last; -1 when none has any.
int FindTrackWithMarkers(int from, int step)
{
    const int count = g_Playlist.m_GetCount();
    for (int k = 1; k <= count; ++k) {
        const int i = ((from + step * k) % count + count) % count;
        if (g_Playlist.m_GetTrack(i)->MarkerCount > 0) return i;
    }
    return -1;
}

void StepBack(int track, int position)
{
    if (position >= kBackPastMarkerMs) {
        int last = -1;
        for (int i = 0; i < (int)g_FileInfo.MarkerCount; ++i)
            if (g_FileInfo.Markers[i].position + kBackPastMarkerMs < position) last = i;
        if (last >= 0) {
            m_Marker_Jump(track, last, 1);
        } else {
            m_SeekToTime(0, 0, 0);
            m_UpdateTimeDisplay(1);
        }
        return;
    }
    const int other = FindTrackWithMarkers(track, -1);
    if (other < 0)
        m_PlaySoundCue(8);
    else
        m_Marker_Jump(other, g_Playlist.m_GetTrack(other)->MarkerCount - 1, 1);
}

void StepForward(int track, int position)
{
    if (!m_IsAtPlayEnd(-1, 0, 0)) {
        for (int i = 0; i < (int)g_FileInfo.MarkerCount; ++i) {
            if (g_FileInfo.Markers[i].position > position) {
                m_Marker_Jump(track, i, 1);
                return;
            }
        }
        m_SeekToPlayEnd(-1, 0);
        m_UpdateTimeDisplay(1);
        return;
    }
    const int other = FindTrackWithMarkers(track, 1);
    if (other < 0)
        m_PlaySoundCue(8);
    else
        m_Marker_Jump(other, 0, 1);
}

}  // namespace

void m_Marker_Jump(int track, int index, int message)
{
    // Ctrl or Shift held asks for the marker paused.
    const int pause = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0;
    if (track == -1) track = g_PlayingTrack;
    int ok = 0;
    if (!g_MediaOpen || track != g_PlayingTrack) {
        ok = JumpInOtherTrack(track, index, pause);
    } else if (ValidMarker(index)) {
        if (pause) m_Pause();
        m_SavePlayPosition(0);
        m_SeekToTime(g_FileInfo.Markers[index].position, 0, 1);
        ok = 1;
    }
    if (message) SayJump(ok, index);
}

void m_Marker_Step(int direction)
{
    if (!g_MediaOpen || g_Playlist.m_GetCount() <= 0) {
        m_PlaySoundCue(8);
        return;
    }
    const int track = g_PlayingTrack >= 0 ? g_PlayingTrack : 0;
    const int position = m_GetCurrentPosMs();
    if (direction < 1)
        StepBack(track, position);
    else
        StepForward(track, position);
}
