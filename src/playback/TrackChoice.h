// Which playlist entry comes next: after a track, and after a failed open.
#pragma once
#include <windows.h>

// The list as the choice sees it.
struct STRACKCHOICE {
    int nCount;
    int bCheckMode;                // check boxes in use
    const unsigned char* checked;  // per track, 1 checked; read only in check mode
    int bPlaying;                  // started and not held
};

// The entry after track: the plain next one (0 past the end), or in check
// mode the first checked one after it, wrapping.
int m_NextPlayableIn(const STRACKCHOICE& list, int track);
// The entry to try after a failed open of track, by the repeat mode; -1
// when there is none. wrap is used by the modes that do not decide it.
int m_NextRetryIn(const STRACKCHOICE& list, int track, int repeatMode, int wrap);

// The same for the playlist and the player as they stand.
int m_NextPlayableTrack(int track);
int m_NextTrackForRetry(int track, int wrap);
