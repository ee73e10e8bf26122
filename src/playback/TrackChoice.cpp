#include "playback/TrackChoice.h"

#include "playback/PlayState.h"
#include "playback/RepeatMode.h"
#include "playlist/Playlist.h"

namespace {

int m_CheckedCount(const STRACKCHOICE& list)
{
    int n = 0;
    for (int i = 0; i < list.nCount; ++i) n += list.checked[i] ? 1 : 0;
    return n;
}

// The first checked entry after track; with wrap it counts on from 0.
int m_NextChecked(const STRACKCHOICE& list, int track, int wrap)
{
    for (int i = track + 1; i < list.nCount; ++i)
        if (list.checked[i]) return i;
    if (!wrap) return -1;
    for (int i = 0; i < list.nCount && i <= track; ++i)
        if (list.checked[i]) return i;
    return -1;
}

}  // namespace

int m_NextPlayableIn(const STRACKCHOICE& list, int track)
{
    const int plain = track + 1 < list.nCount ? track + 1 : 0;
    if (!list.bCheckMode || list.nCount <= 0) return plain;
    const int checked = m_CheckedCount(list);
    if (checked == list.nCount) return plain;
    if (checked == 0) return list.bPlaying ? 0 : plain;
    const int next = m_NextChecked(list, track, 1);
    return next >= 0 ? next : plain;
}

int m_NextRetryIn(const STRACKCHOICE& list, int track, int repeatMode, int wrap)
{
    if (repeatMode == REPEAT_FILE) return track;
    if (repeatMode == REPEAT_OFF) wrap = 0;
    if (repeatMode == REPEAT_ON) wrap = 1;
    if (list.bCheckMode) {
        if (list.nCount <= 0) return -1;
        const int checked = m_CheckedCount(list);
        if (checked == 0) return -1;
        if (checked == 1 && track >= 0 && track < list.nCount && list.checked[track])
            return wrap ? track : -1;
        return m_NextChecked(list, track, wrap);
    }
    if (list.nCount < 2) return -1;
    if (track + 1 < list.nCount) return track + 1;
    return wrap ? 0 : -1;
}

namespace {

// The playlist's check states in the form the choice reads.
STRACKCHOICE m_ListFacts(unsigned char* checked)
{
    STRACKCHOICE list = {};
    list.nCount = g_Playlist.m_GetCount();
    list.bCheckMode = g_Playlist.m_CheckMode;
    for (int i = 0; i < list.nCount; ++i) checked[i] = g_Playlist.m_GetTrack(i)->Unchecked ? 0 : 1;
    list.checked = checked;
    list.bPlaying = g_PlayStarted && !g_PlayHeld;
    return list;
}

}  // namespace

int m_NextPlayableTrack(int track)
{
    static unsigned char checked[kPlaylistTrackCap];
    return m_NextPlayableIn(m_ListFacts(checked), track);
}

int m_NextTrackForRetry(int track, int wrap)
{
    static unsigned char checked[kPlaylistTrackCap];
    return m_NextRetryIn(m_ListFacts(checked), track, g_RepeatMode, wrap);
}
