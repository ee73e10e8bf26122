// The open file's chapters, play ranges and markers handed to the engine,
// the playing entry and the seek bar.
#include "playback/EntryMarks.h"

#include <algorithm>
#include <new>

#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/Chapters.h"
#include "filedata/FileInfo.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

namespace {

template <typename T>
T* m_CopyArray(const T* items, int count)
{
    T* copy = new (std::nothrow) T[count];
    if (copy) std::copy(items, items + count, copy);
    return copy;
}

// The track's array takes a copy of the items (those it has none of stay
// as they are); 0 when memory runs out.
template <typename T>
int m_TakeItems(T** items, int* count, const T* from, int fromCount)
{
    fromCount = std::min(fromCount, kFileInfoItemCap);
    if (fromCount <= 0) return 1;
    T* copy = m_CopyArray(from, fromCount);
    if (*count > 0) delete[] * items;
    *items = copy;
    *count = copy ? fromCount : 0;
    return copy ? 1 : 0;
}

}  // namespace

int m_Track_TakeChapters(STRACKINFO* track, const SCHAPTERITEM* items, int count, int fromInfo)
{
    if (!track) return 0;
    count = items ? std::clamp(count, 0, kFileInfoItemCap) : 0;
    SCHAPTERITEM* copy = count > 0 ? m_CopyArray(items, count) : nullptr;
    if (track->ChapterCount > 0) delete[] track->Chapters;
    track->Chapters = copy;
    track->ChapterCount = copy ? count : 0;
    track->ChaptersFromInfo = copy && fromInfo ? 1 : 0;
    track->ChaptersNamed = 0;
    track->CheckedChapters = 0;
    for (int i = 0; i < track->ChapterCount; ++i) {
        copy[i].Check = track->ChapterUnchecked[i];
        if (copy[i].Name[0]) track->ChaptersNamed = 1;
        if (!copy[i].Check) ++track->CheckedChapters;
    }
    return track->ChapterCount;
}

int m_Track_TakeRangesAndMarkers(STRACKINFO* track, const SFILEINFO* info)
{
    if (!track || !info) return 0;
    return m_TakeItems(&track->Ranges, &track->RangeCount, info->Ranges, int(info->RangeCount)) &
           m_TakeItems(&track->Markers, &track->MarkerCount, info->Markers, int(info->MarkerCount));
}

void m_OpenFile_TakeMarks()
{
    if (!g_VideoRenderer) return;
    const int infoChapters = std::min<int>(g_FileInfo.ChapterCount, kFileInfoItemCap);
    if (infoChapters > 0) {
        m_Chapters_FillLengths(g_FileInfo.Chapters, infoChapters, g_DurationMs / 1000.0);
        g_VideoRenderer->m_VR_SetChapters(1, g_FileInfo.Chapters, infoChapters);
    }
    m_Chapter_SyncFromEngine(1);
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (track) m_Track_TakeRangesAndMarkers(track, &g_FileInfo);
    if (g_FileInfo.RangeCount > 0)
        g_SeekBar.m_SetPlayRanges(g_FileInfo.Ranges, int(g_FileInfo.RangeCount), 0);
    if (g_FileInfo.MarkerCount > 0)
        g_SeekBar.m_SetMarkers(g_FileInfo.Markers, int(g_FileInfo.MarkerCount), 0);
    m_SeekBar_SetMarks(-1);
}
