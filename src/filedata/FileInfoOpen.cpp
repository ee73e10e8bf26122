#include "filedata/FileInfoOpen.h"

#include <string.h>

#include <new>

#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterText.h"
#include "filedata/FileInfo.h"
#include "filedata/RelatedFiles.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

template <typename T>
T* CopyItems(const T* items, int count)
{
    if (count <= 0) return nullptr;
    T* copy = new (std::nothrow) T[count];
    if (copy) memcpy(copy, items, sizeof(T) * count);
    return copy;
}

// The engine's chapters (the file's own or those just set) to the entry.
void CopyEngineChapters(STRACKINFO* track)
{
    const SCHAPTERITEM* table = nullptr;
    int count = g_VideoRenderer->m_VR_GetChapters(&table, nullptr);
    if (track->ChapterCount > 0) delete[] track->Chapters;
    track->Chapters = nullptr;
    track->ChapterCount = 0;
    if (count > kFileInfoItemCap) count = kFileInfoItemCap;
    track->Chapters = table ? CopyItems(table, count) : nullptr;
    track->ChapterCount = track->Chapters ? count : 0;
    track->ChaptersFromInfo = g_FileInfo.ChapterCount > 0 ? 1 : 0;
}

}  // namespace

void m_FileData_LoadSubtitles(int show)
{
    if (g_Settings.File_St[0]) m_Subtitle_LoadRelated(show);
}

void m_FileData_ReadOnOpen()
{
    m_FileInfo_Clear(&g_FileInfo);
    int mode = -1;
    const int found = m_FileInfo_FindPath(g_FileInfoPath, kFileInfoPathCap, g_MediaPath,
                                          g_Settings.Common_ExtCap, 1, &mode);
    if (found) m_FileInfo_Read(g_FileInfoPath, &g_FileInfo);
    // Saves write the duration the engine reports.
    if (g_DurationMs > 0) g_FileInfo.Length = (UINT)g_DurationMs;
    if (!found) m_ChapterText_Import(g_MediaPath);
    if (!g_VideoRenderer) return;
    const int chapters = (int)g_FileInfo.ChapterCount;
    if (chapters > 0) {
        m_Chapter_ComputeLengths(g_FileInfo.Chapters, chapters, g_DurationMs / 1000.0);
        g_VideoRenderer->m_VR_SetChapters(1, g_FileInfo.Chapters, chapters);
    }
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (track) CopyEngineChapters(track);
    if (g_FileInfo.RangeCount > 0 || g_FileInfo.MarkerCount > 0)
        m_FileInfo_CopyToTrack(g_PlayingTrack, &g_FileInfo, 1);
}

void m_FileData_OnClose()
{
    m_FileInfo_Clear(&g_FileInfo);
    g_FileInfoPath[0] = 0;
}

void m_FileInfo_CopyToTrack(int index, const SFILEINFO* info, int refresh)
{
    STRACKINFO* track = g_Playlist.m_GetTrack(index);
    if (!track || !info) return;
    if (track->RangeCount > 0) delete[] track->Ranges;
    if (track->MarkerCount > 0) delete[] track->Markers;
    track->Ranges = CopyItems(info->Ranges, (int)info->RangeCount);
    track->RangeCount = track->Ranges ? (int)info->RangeCount : 0;
    track->Markers = CopyItems(info->Markers, (int)info->MarkerCount);
    track->MarkerCount = track->Markers ? (int)info->MarkerCount : 0;
    if (!refresh || index != g_PlayingTrack) return;
    g_SeekBar.m_SetPlayRanges(track->Ranges, track->RangeCount, 1);
    g_SeekBar.m_SetMarkers(track->Markers, track->MarkerCount, 1);
}
