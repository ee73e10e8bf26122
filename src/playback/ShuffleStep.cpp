#include "playback/ShuffleStep.h"

#include <stdio.h>

#include "app/StatusText.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/Shuffle.h"

namespace {

// The playing track's place within the current pass; 0 when it is not there.
// A pass outside the order (a resume record of another list) counts as
// pass 0, so nothing is read past the order's end.
int m_CurrentPlace(const int* order, int n, int count, int pass, int playing)
{
    if (count > n) return 0;
    if (pass < 0 || pass >= n / count) pass = 0;
    const int first = pass * count;
    for (int j = first; j < first + count; ++j)
        if (order[j] == playing) return j;
    return 0;
}

// Checked tracks, and which ones are skipped; 0 checked counts as all.
int m_CheckedTracks(BYTE* skip, int count)
{
    int checked = 0;
    for (int i = 0; i < count; ++i) {
        const STRACKINFO* track = g_Playlist.m_GetTrack(i);
        skip[i] = track && track->Unchecked ? 1 : 0;
        checked += skip[i] ? 0 : 1;
    }
    return checked;
}

}  // namespace

int m_Shuffle_StepPlace(const int* order, int n, int count, int pass, int playing, int direction,
                        const BYTE* skip)
{
    if (!order || n <= 0 || count <= 0) return -1;
    const int j = m_CurrentPlace(order, n, count, pass, playing);
    const int step = direction == 0 ? 1 : n - 1;
    int place = j;
    for (int tries = 0; tries < n; ++tries) {
        place = (place + step) % n;
        const int track = order[place];
        if (!skip || (track >= 0 && track < count && !skip[track])) return place;
    }
    return -1;
}

void m_Shuffle_Next(int direction)
{
    const int count = g_Playlist.m_GetCount();
    if (count < 3) {
        m_OpenNextPlayListFile(1, 0);
        return;
    }
    // A list changed since the last build gets its own order first.
    m_Shuffle_Build(0);
    if (!g_ShuffleSize) m_Shuffle_Build(1);
    if (!g_ShuffleSize) {
        m_OpenNextPlayListFile(1, 0);
        m_OSD_ShowText(L"ERR : SHUFFLE PLAY", -1, -1, -1, -1, -1, -1);
        return;
    }
    static BYTE skip[kPlaylistTrackCap];
    const BYTE* skipping = nullptr;
    if (g_Playlist.m_CheckMode) {
        const int checked = m_CheckedTracks(skip, count);
        if (checked == 1 || checked == 2) {
            m_OpenNextPlayListFile(1, 0);
            return;
        }
        if (checked > 0 && checked < count) skipping = skip;
    }
    const int place = m_Shuffle_StepPlace(g_ShuffleOrder, g_ShuffleSize, g_ShuffleCount,
                                          g_ShufflePass, g_PlayingTrack, direction, skipping);
    if (place < 0) {
        if (m_IsPlaying()) m_Pause();
        return;
    }
    const int track = g_ShuffleOrder[place];
    g_ShufflePass = place / g_ShuffleCount;
    m_OpenPlayListFile(track, 0, 1, 1, 0);
    wchar_t text[64];
    _snwprintf(text, 63, L"SHUFFLE```:```%02d``````(%d`,`%d)", track + 1, g_ShufflePass + 1,
               place % g_ShuffleCount + 1);
    text[63] = 0;
    m_OSD_ShowText(text, 0, -1, -1, -1, -1, -1);
}
