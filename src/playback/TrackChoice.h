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

// The playlist's check states and the run state, read into checked
// (room for the playlist's capacity).
STRACKCHOICE m_ListChoiceFacts(unsigned char* checked);
// The same for the playlist and the player as they stand.
int m_NextPlayableTrack(int track);
int m_NextTrackForRetry(int track, int wrap);

// The end of a list with check boxes in use: the step of
// m_OpenNextPlayListFile once the plain walk does not apply (the NEXT_
// codes of EndOfStream.h). playing -1 with continueFrom >= 0 starts the
// walk there. *badStart is set when the start fell outside 0..count.
struct SNEXTFACTS {
    int playing;
    int continueFrom;
    int fileOpen;
    int wrap;
    int countdown;
    int atEnd;
};
int m_NextStep_Checked(const STRACKCHOICE& list, const SNEXTFACTS& f, int* next, int* countdownMs,
                       int* badStart);
// Check boxes change nothing for this list: none in use, all checked, or
// none checked while not playing.
int m_Checks_AllPlayable(const STRACKCHOICE& list);

// What "previous file" does: open *entry, seek to the play start, or seek
// there and toggle play/pause (the first entry without wrap).
enum {
    PREV_NOTHING = 0,
    PREV_OPEN = 1,
    PREV_SEEK_START = 2,
    PREV_SEEK_START_TOGGLE = 3,
};
int m_PrevStep(const STRACKCHOICE& list, int playing, int wrap, int fileOpen, int posMs,
               int* entry);

// The 2500 ms rule of "previous": back to the play start, back to 0 (the
// first checked chapter starts late), or on to the previous file.
enum {
    PREVRULE_SEEK_START = 0,
    PREVRULE_SEEK_ZERO = 1,
    PREVRULE_PREV_FILE = 2,
};
int m_PrevRule(int posMs, int playStartMs, int direct);

// The auto-next countdown: [Common] "RptMenu" seconds, a third for an
// average length under 10 minutes, half again from 40 minutes; lengthMs
// -1 when no length is known (no scaling).
int m_AutoNext_CountdownMs(int rptMenuSec, long long lengthMs);
