// Saving a playlist track's chapters, ranges and markers into its
// information file, and handing the open file's ranges and markers to its
// track.
#include "filedata/FileInfoTrack.h"

#include <algorithm>
#include <new>

#include "controls/SliderPlus.h"
#include "filedata/FileInfo.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

// The file of the track's media path (with search); false for a bad track.
bool TrackFile(int track, wchar_t* path, int* found)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t) return false;
    *found =
        m_FileInfo_FindPath(path, kFileInfoPathCap, t->Path, g_Settings.Common_ExtCap, 1, nullptr);
    return true;
}

UINT TrackLength(int track)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    return t && t->Milliseconds > 0 ? (UINT)t->Milliseconds : 0;
}

template <typename T>
int Replace(T** items, int* count, const T* from, UINT fromCount)
{
    const int n = std::min<int>((int)fromCount, kFileInfoItemCap);
    T* copy = n > 0 ? new (std::nothrow) T[n] : nullptr;
    if (copy) std::copy(from, from + n, copy);
    delete[] * items;
    *items = copy;
    *count = copy ? n : 0;
    return n == 0 || copy ? 1 : 0;
}

template <typename T>
void Take(T* to, UINT* toCount, const T* from, int fromCount)
{
    const int n = from ? std::clamp(fromCount, 0, kFileInfoItemCap) : 0;
    std::copy(from, from + n, to);
    *toCount = (UINT)n;
}

}  // namespace

int m_FileInfo_SaveTrackChapters(int track)
{
    static wchar_t path[kFileInfoPathCap];
    int found = 0;
    if (!TrackFile(track, path, &found)) return 0;
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    const int count = t->ChaptersFromInfo ? t->ChapterCount : 0;
    const int written = m_FileInfo_WriteChapters(path, t->Chapters, count);
    if (written) m_FileInfo_WriteLength(path, TrackLength(track));
    return written;
}

int m_FileInfo_SaveTrackMarkers(int track)
{
    static wchar_t path[kFileInfoPathCap];
    int found = 0;
    if (!TrackFile(track, path, &found)) return 0;
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    const int written = m_FileInfo_WriteMarkers(path, t->Markers, t->MarkerCount);
    if (written) m_FileInfo_WriteLength(path, TrackLength(track));
    return written;
}

// The ranges alone: an emptied section removes its keys, and the file when
// nothing is left.
int m_FileInfo_WriteTrackRanges(int track)
{
    static wchar_t path[kFileInfoPathCap];
    int found = 0;
    if (!TrackFile(track, path, &found) || !path[0]) return 0;
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    return m_FileInfo_WriteRanges(path, t->Ranges, t->Ranges ? t->RangeCount : 0);
}

int m_FileInfo_SaveTrackRanges(int track)
{
    static wchar_t path[kFileInfoPathCap];
    int found = 0;
    if (!TrackFile(track, path, &found) || !path[0]) return 0;
    const STRACKINFO* t = g_Playlist.m_GetTrack(track);
    const int written = m_FileInfo_WriteRanges(path, t->Ranges, t->Ranges ? t->RangeCount : 0);
    if (written) m_FileInfo_WriteLength(path, TrackLength(track));
    return written;
}

int m_FileInfo_SaveCurrentTrack(int kinds)
{
    const STRACKINFO* t = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!t) return 0;
    if (kinds & FILEINFO_KIND_CHAPTERS) {
        Take(g_FileInfo.Chapters, &g_FileInfo.ChapterCount, t->Chapters, t->ChapterCount);
        m_FileInfo_WriteChapters(g_FileInfoPath, g_FileInfo.Chapters, (int)g_FileInfo.ChapterCount);
    }
    if (kinds & FILEINFO_KIND_RANGES) {
        Take(g_FileInfo.Ranges, &g_FileInfo.RangeCount, t->Ranges, t->RangeCount);
        m_FileInfo_WriteRanges(g_FileInfoPath, g_FileInfo.Ranges, (int)g_FileInfo.RangeCount);
    }
    if (kinds & FILEINFO_KIND_MARKERS) {
        Take(g_FileInfo.Markers, &g_FileInfo.MarkerCount, t->Markers, t->MarkerCount);
        m_FileInfo_WriteMarkers(g_FileInfoPath, g_FileInfo.Markers, (int)g_FileInfo.MarkerCount);
    }
    if (!g_FileInfoPath[0]) return 0;
    if (m_FileInfo_DeleteIfEmpty(g_FileInfoPath)) return 1;
    return m_FileInfo_WriteLength(g_FileInfoPath, g_FileInfo.Length);
}

int m_FileInfo_DeleteTrackFileIfEmpty(int track)
{
    static wchar_t path[kFileInfoPathCap];
    int found = 0;
    if (!TrackFile(track, path, &found)) return 0;
    // A file that is not ours (no FMT 100) is never deleted.
    return found ? m_FileInfo_DeleteIfEmpty(path) : 1;
}

int m_FileInfo_CopyToTrack(int track, const SFILEINFO* info, int refresh)
{
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t || !info) return 0;
    const int ok = Replace(&t->Ranges, &t->RangeCount, info->Ranges, info->RangeCount) &
                   Replace(&t->Markers, &t->MarkerCount, info->Markers, info->MarkerCount);
    if (refresh && track == g_PlayingTrack) {
        g_SeekBar.m_SetPlayRanges(t->Ranges, t->RangeCount, 1);
        g_SeekBar.m_SetMarkers(t->Markers, t->MarkerCount, 1);
    }
    return ok;
}
