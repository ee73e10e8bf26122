// Storing, sorting, replacing, splitting, deleting and naming the play
// ranges of a track; the playing track's ranges are also g_FileInfo's.
#include <stdio.h>
#include <string.h>

#include <new>

#include "app/StatusText.h"
#include "base/NumberFormat.h"
#include "base/SoundCue.h"
#include "controls/SliderPlus.h"
#include "filedata/FileInfo.h"
#include "filedata/FileInfoTrack.h"
#include "filedata/PlayRangeCore.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

namespace {

enum { CUE_DONE = 3, CUE_DELETED = 5, CUE_REFUSED = 8 };
// A split needs this much of the range on both sides of the position.
constexpr int kSplitMarginMs = 500;
constexpr int kTextCap = 160;
constexpr int kTimeCap = 32;

void Refuse(int message, const wchar_t* text)
{
    if (!message) return;
    m_PlayRange_Say(1, text, 1, -1, CUE_REFUSED);
}

int IsPlaying(int track) { return g_MediaOpen && track == g_PlayingTrack; }

int HasRange(const STRACKINFO* t, int start, int end)
{
    for (int i = 0; i < t->RangeCount; ++i)
        if (t->Ranges[i].start == start && t->Ranges[i].end == end) return 1;
    return 0;
}

void SayAdded(int index)
{
    const SPLAYRANGEITEM& r = g_FileInfo.Ranges[index];
    wchar_t from[kTimeCap], to[kTimeCap], length[kTimeCap], text[kTextCap];
    m_PlayRange_FormatBounds(r.start, r.end, 13, from, to, length, kTimeCap);
    _snwprintf(text, kTextCap, L"ADD````PLAYRANGE````:````%d``/``%d (%s``-``%s````/````%s)",
               index + 1, (int)g_FileInfo.RangeCount, from, to, length);
    text[kTextCap - 1] = 0;
    m_PlayRange_Say(1, text, 1, -1, CUE_DONE);
}

// The track's array without item index.
void RemoveFromTrack(STRACKINFO* t, int index)
{
    for (int i = index; i + 1 < t->RangeCount; ++i) t->Ranges[i] = t->Ranges[i + 1];
    if (--t->RangeCount > 0) return;
    delete[] t->Ranges;
    t->Ranges = nullptr;
    t->RangeCount = 0;
}

}  // namespace

int m_PlayRange_Sort(SPLAYRANGEITEM* ranges, int count, int indexOfInterest)
{
    if (!ranges || count < 2) return 0;
    if (count > kFileInfoItemCap + 1) count = kFileInfoItemCap + 1;
    static int order[kFileInfoItemCap + 1];
    static UINT64 keys[kFileInfoItemCap + 1];
    for (int i = 0; i < count; ++i) {
        int j = i;
        const UINT64 key = m_PlayRange_Key(ranges[i]);
        for (; j > 0 && keys[j - 1] > key; --j) {
            keys[j] = keys[j - 1];
            order[j] = order[j - 1];
        }
        keys[j] = key;
        order[j] = i;
    }
    static SPLAYRANGEITEM sorted[kFileInfoItemCap + 1];
    int interest = 0;
    for (int i = 0; i < count; ++i) {
        sorted[i] = ranges[order[i]];
        if (order[i] == indexOfInterest) interest = i;
    }
    memcpy(ranges, sorted, sizeof(SPLAYRANGEITEM) * count);
    return interest;
}

int m_PlayRange_Add(int track, int startMs, int endMs, int refresh, int message)
{
    if (track == -1) track = g_PlayingTrack;
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t) return -1;
    if (t->RangeCount >= kFileInfoItemCap) {
        Refuse(message, L"ADD````RANGE : ERR (MAX)");
        return -1;
    }
    if (HasRange(t, startMs, endMs)) {
        Refuse(message, L"ADD````RANGE : ERR (SAME)");
        return -1;
    }
    const int count = t->RangeCount < 0 ? 0 : t->RangeCount;
    SPLAYRANGEITEM* copy = new (std::nothrow) SPLAYRANGEITEM[count + 1];
    if (!copy) return -1;
    if (count > 0) memcpy(copy, t->Ranges, sizeof(SPLAYRANGEITEM) * count);
    copy[count] = SPLAYRANGEITEM{startMs, endMs, {0}};
    const int index = m_PlayRange_Sort(copy, count + 1, count);
    delete[] t->Ranges;
    t->Ranges = copy;
    t->RangeCount = count + 1;
    if (IsPlaying(track)) {
        m_FileInfo_SaveCurrentTrack(FILEINFO_KIND_RANGES);
        if (refresh) g_SeekBar.m_SetPlayRanges(g_FileInfo.Ranges, (int)g_FileInfo.RangeCount, 1);
    } else if (refresh) {
        m_FileInfo_SaveTrackRanges(track);
    }
    return index;
}

int m_PlayRange_AddCurrent(int turnOff, int message)
{
    if (!g_MediaOpen || !g_Playlist.m_GetTrack(g_PlayingTrack) || !g_PlayRangeOn) {
        if (message) m_PlaySoundCue(CUE_REFUSED);
        return -1;
    }
    if (g_PlayRangeStart == -1 && g_PlayRangeEnd == -1) {
        Refuse(message, L"ADD````RANGE : ERR (SEL)");
        return -1;
    }
    const int index = m_PlayRange_Add(g_PlayingTrack, g_PlayRangeStart, g_PlayRangeEnd, 1, message);
    if (index < 0) return -1;
    m_PlayRange_FindActive();
    if (turnOff) m_PlayRange_Command(3, 0);
    if (message) SayAdded(index);
    return index;
}

void m_PlayRange_Replace(int index)
{
    if (!g_MediaOpen || !g_PlayRangeOn || index < 0 || index >= (int)g_FileInfo.RangeCount) {
        m_PlaySoundCue(CUE_REFUSED);
        return;
    }
    SPLAYRANGEITEM& r = g_FileInfo.Ranges[index];
    r.start = g_PlayRangeStart;
    r.end = g_PlayRangeEnd;
    // New bounds may belong elsewhere in the order every step relies on.
    g_PlayRangeIndex = m_PlayRange_Sort(g_FileInfo.Ranges, (int)g_FileInfo.RangeCount, index);
    m_FileInfo_SaveRanges();
    m_FileInfo_CopyToTrack(g_PlayingTrack, &g_FileInfo, 1);
    m_PlayRange_Say(1, L"REPLACE PLAYRANGE", 1, -1, CUE_DONE);
}

void m_PlayRange_SplitAtCurrent(int index) { m_PlayRange_SplitAt(index, m_PlayRange_ReadFacts()); }

int m_PlayRange_SplitAt(int index, const SRANGEFACTS& f)
{
    if (!g_MediaOpen || !g_PlayRangeOn || g_PlayRangeIndex < 0) return 0;
    if (index == -1) index = g_PlayRangeIndex;
    if (index < 0 || index >= (int)g_FileInfo.RangeCount) return 0;
    const SPLAYRANGEITEM range = g_FileInfo.Ranges[index];
    const int s = range.start < 0 ? 0 : range.start;
    const int e = range.end < 0 ? m_PlayRange_LengthMs() : range.end;
    if (f.posMs <= s + kSplitMarginMs || f.posMs >= e - kSplitMarginMs) return 0;
    const int frame = m_PlayRange_FrameMs(f.fps);
    m_PlayRange_Delete(g_PlayingTrack, index, 0, 0);
    m_PlayRange_Add(g_PlayingTrack, range.start, f.posMs - frame, 0, 1);
    const int second = m_PlayRange_Add(g_PlayingTrack, f.posMs, range.end, 1, 1);
    if (second >= 0) m_PlayRange_Select(-1, second, 0, 0);
    m_PlaySoundCue(CUE_DONE);
    return 1;
}

int m_PlayRange_Delete(int track, int index, int save, int message)
{
    if (track == -1) track = g_PlayingTrack;
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    int removed = 0;
    if (!IsPlaying(track)) {
        if (!t) return 0;
        if (index >= 0 && index < t->RangeCount) {
            RemoveFromTrack(t, index);
            removed = 1;
        }
        if (save) m_FileInfo_WriteTrackRanges(track);
    } else {
        const int count = (int)g_FileInfo.RangeCount;
        if (index >= 0 && index < count) {
            for (int i = index; i + 1 < count; ++i) g_FileInfo.Ranges[i] = g_FileInfo.Ranges[i + 1];
            g_FileInfo.Ranges[count - 1] = SPLAYRANGEITEM{};
            g_FileInfo.RangeCount = (UINT)(count - 1);
            removed = 1;
        }
        m_FileInfo_CopyToTrack(track, &g_FileInfo, save);
        m_PlayRange_FindActive();
        if (save) m_FileInfo_SaveRanges();
    }
    if (message) {
        wchar_t text[64];
        if (index == -1)
            _snwprintf(text, 64, L"DELETE PLAYRANGE");
        else
            _snwprintf(text, 64, L"DELETE PLAYRANGE : %d", index + 1);
        text[63] = 0;
        m_PlayRange_Say(1, text, 1, -1, CUE_DELETED);
    }
    return removed;
}

int m_PlayRange_Rename(int track, int index, const wchar_t* name)
{
    if (track == -1) track = g_PlayingTrack;
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t || index < 0 || index >= t->RangeCount || !t->Ranges) return 0;
    lstrcpynW(t->Ranges[index].name, name ? name : L"", kFileInfoNameCap);
    if (IsPlaying(track) && index < (int)g_FileInfo.RangeCount)
        lstrcpynW(g_FileInfo.Ranges[index].name, t->Ranges[index].name, kFileInfoNameCap);
    m_FileInfo_SaveTrackRanges(track);
    return 1;
}
