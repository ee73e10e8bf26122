#include "playback/TrackChoice.h"

#include "playback/EndOfStream.h"
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

int m_Checks_AllPlayable(const STRACKCHOICE& list)
{
    if (!list.bCheckMode) return 1;
    const int checked = m_CheckedCount(list);
    return checked == list.nCount || (checked == 0 && !list.bPlaying);
}

namespace {

// The only checked entry is the playing one: it starts again (wrap) or
// stops at its end.
int m_NextStep_OnlyOne(const SNEXTFACTS& f, int* countdownMs)
{
    *countdownMs = f.wrap ? -1 : 0;
    if (f.countdown) return NEXT_OVERLAY;
    if (!f.wrap && !f.atEnd) return NEXT_PAUSE_END;
    return NEXT_FIRST_CHAP;
}

// No checked entry after the playing one and no wrap.
int m_NextStep_NoneAfter(const STRACKCHOICE& list, const SNEXTFACTS& f, int* countdownMs)
{
    *countdownMs = 0;
    if (!list.bPlaying) return f.atEnd ? NEXT_RESTART : NEXT_SEEK_END;
    return f.countdown ? NEXT_OVERLAY : NEXT_HOLD_END;
}

}  // namespace

int m_NextStep_Checked(const STRACKCHOICE& list, const SNEXTFACTS& f, int* next, int* countdownMs,
                       int* badStart)
{
    *next = -1;
    *countdownMs = f.wrap ? -1 : 0;
    *badStart = 0;
    const int checked = m_CheckedCount(list);
    if (checked == 0) return NEXT_HOLD_END;
    const int playing = f.playing;
    if (checked == 1 && playing >= 0 && playing < list.nCount && list.checked[playing])
        return m_NextStep_OnlyOne(f, countdownMs);
    int start = playing < 0 && f.continueFrom >= 0 ? f.continueFrom : playing + 1;
    if (start < 0 || start > list.nCount) {
        *badStart = 1;
        start = start < 0 ? 0 : list.nCount;
    }
    for (int i = start; i < list.nCount; ++i) {
        if (!list.checked[i]) continue;
        *next = i;
        return NEXT_OPEN;
    }
    if (!f.wrap) return m_NextStep_NoneAfter(list, f, countdownMs);
    for (int i = 0; i < start; ++i) {
        if (!list.checked[i]) continue;
        if (i >= playing) {
            *next = i;
            return NEXT_OPEN;
        }
        return f.countdown ? NEXT_OVERLAY : NEXT_RESTART;
    }
    return f.countdown ? NEXT_OVERLAY : NEXT_RESTART;
}

int m_PrevStep(const STRACKCHOICE& list, int playing, int wrap, int fileOpen, int posMs, int* entry)
{
    *entry = -1;
    // The first entry without wrap goes back to its own start instead.
    const int stopAtFirst = !wrap && fileOpen && posMs != 0;
    if (!m_Checks_AllPlayable(list)) {
        if (m_CheckedCount(list) == 1 && playing >= 0 && playing < list.nCount &&
            list.checked[playing])
            return PREV_SEEK_START;
        int i = playing - 1;
        for (int tries = 0; tries < list.nCount; ++tries, --i) {
            if (i < 0) {
                if (stopAtFirst) return PREV_SEEK_START_TOGGLE;
                i = list.nCount - 1;
            }
            if (i < list.nCount && list.checked[i]) break;
        }
        if (i < 0 || i >= list.nCount || !list.checked[i])
            return fileOpen ? PREV_SEEK_START : PREV_NOTHING;
        *entry = i;
        return PREV_OPEN;
    }
    if (list.nCount < 2) return PREV_SEEK_START;
    int previous = playing - 1;
    if (previous < 0) {
        if (stopAtFirst) return PREV_SEEK_START_TOGGLE;
        previous = list.nCount - 1;
    }
    *entry = previous;
    return PREV_OPEN;
}

int m_PrevRule(int posMs, int playStartMs, int direct)
{
    constexpr int kBackToStartMs = 2500;
    if (direct) return PREVRULE_PREV_FILE;
    if (posMs > (playStartMs < 0 ? 0 : playStartMs) + kBackToStartMs) return PREVRULE_SEEK_START;
    if (posMs > kBackToStartMs) return PREVRULE_SEEK_ZERO;
    return PREVRULE_PREV_FILE;
}

int m_AutoNext_CountdownMs(int rptMenuSec, long long lengthMs)
{
    const int ms = rptMenuSec * 1000;
    if (lengthMs < 0) return ms;
    const long long seconds = lengthMs / 1000;
    if (seconds < 600) return ms / 3;
    if (seconds >= 2400) return static_cast<int>(ms * 3LL / 2);
    return ms;
}

STRACKCHOICE m_ListChoiceFacts(unsigned char* checked)
{
    STRACKCHOICE list = {};
    list.nCount = g_Playlist.m_GetCount();
    list.bCheckMode = g_Playlist.m_CheckMode;
    for (int i = 0; i < list.nCount; ++i) checked[i] = g_Playlist.m_GetTrack(i)->Unchecked ? 0 : 1;
    list.checked = checked;
    list.bPlaying = g_PlayStarted && !g_PlayHeld;
    return list;
}

int m_NextPlayableTrack(int track)
{
    static unsigned char checked[kPlaylistTrackCap];
    return m_NextPlayableIn(m_ListChoiceFacts(checked), track);
}

int m_NextTrackForRetry(int track, int wrap)
{
    static unsigned char checked[kPlaylistTrackCap];
    return m_NextRetryIn(m_ListChoiceFacts(checked), track, g_RepeatMode, wrap);
}
