// Saving a playlist track's items to its information file and giving a
// track the items of a record.
#include "filedata/FileInfoTrack.h"

#include <algorithm>
#include <new>

#include "controls/SliderPlus.h"
#include "filedata/FileInfo.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

// The track's information file, searched in all three places.
int TrackInfoPath(const STRACKINFO* track, wchar_t* path)
{
    int mode = -1;
    m_FileInfo_FindPath(path, kFileInfoPathCap, track->Path, g_Settings.Common_ExtCap, 1, &mode);
    return path[0] != 0;
}

// Replaces *items with an exact copy of count items (none for 0); 0 when
// memory runs out, which leaves the track with none.
template <typename T>
int ReplaceItems(T** items, int* count, const T* from, int fromCount)
{
    fromCount = std::clamp(fromCount, 0, kFileInfoItemCap);
    T* copy = fromCount > 0 ? new (std::nothrow) T[fromCount] : nullptr;
    if (copy) std::copy(from, from + fromCount, copy);
    delete[] * items;
    *items = copy;
    *count = copy ? fromCount : 0;
    return fromCount == 0 || copy != nullptr;
}

template <typename T>
void TakeInto(T* to, UINT* toCount, const T* from, int fromCount)
{
    fromCount = from ? std::clamp(fromCount, 0, kFileInfoItemCap) : 0;
    if (fromCount > 0) std::copy(from, from + fromCount, to);
    *toCount = (UINT)fromCount;
}

}  // namespace

int m_FileInfo_WriteTrackRanges(int track)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t) return 0;
    static wchar_t path[kFileInfoPathCap];
    if (!TrackInfoPath(t, path)) return 0;
    return m_FileInfo_WriteRanges(path, t->Ranges, t->Ranges ? t->RangeCount : 0);
}

int m_FileInfo_SaveTrackRanges(int track)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t) return 0;
    static wchar_t path[kFileInfoPathCap];
    if (!TrackInfoPath(t, path)) return 0;
    const int written = m_FileInfo_WriteRanges(path, t->Ranges, t->Ranges ? t->RangeCount : 0);
    if (written && t->Milliseconds > 0) m_FileInfo_WriteLength(path, (UINT)t->Milliseconds);
    return written;
}

int m_FileInfo_SaveCurrentTrack(int kinds)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!t) return 0;
    if (kinds & FILEINFO_SAVE_CHAPTERS) {
        TakeInto(g_FileInfo.Chapters, &g_FileInfo.ChapterCount, t->Chapters, t->ChapterCount);
        m_FileInfo_WriteChapters(g_FileInfoPath, g_FileInfo.Chapters, (int)g_FileInfo.ChapterCount);
    }
    if (kinds & FILEINFO_SAVE_RANGES) {
        TakeInto(g_FileInfo.Ranges, &g_FileInfo.RangeCount, t->Ranges, t->RangeCount);
        m_FileInfo_WriteRanges(g_FileInfoPath, g_FileInfo.Ranges, (int)g_FileInfo.RangeCount);
    }
    if (kinds & FILEINFO_SAVE_MARKERS) {
        TakeInto(g_FileInfo.Markers, &g_FileInfo.MarkerCount, t->Markers, t->MarkerCount);
        m_FileInfo_WriteMarkers(g_FileInfoPath, g_FileInfo.Markers, (int)g_FileInfo.MarkerCount);
    }
    if (m_FileInfo_DeleteIfEmpty(g_FileInfoPath)) return 1;
    return m_FileInfo_WriteLength(g_FileInfoPath, g_FileInfo.Length);
}

int m_FileInfo_CopyToTrack(int track, const SFILEINFO* info, int refresh)
{
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t || !info) return 0;
    const int ok =
        ReplaceItems(&t->Ranges, &t->RangeCount, info->Ranges, (int)info->RangeCount) &
        ReplaceItems(&t->Markers, &t->MarkerCount, info->Markers, (int)info->MarkerCount);
    if (refresh && track == g_PlayingTrack) {
        g_SeekBar.m_SetPlayRanges(t->Ranges, t->RangeCount, 1);
        g_SeekBar.m_SetMarkers(t->Markers, t->MarkerCount, 1);
    }
    return ok;
}
