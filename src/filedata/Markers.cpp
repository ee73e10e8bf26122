// A track's markers: adding at a position, deleting, renaming and the sort
// that keeps them in order of position.
#include "filedata/Markers.h"

#include <stdlib.h>

#include <algorithm>
#include <new>

#include "app/StatusText.h"
#include "base/NumberFormat.h"
#include "base/SortUtil.h"
#include "base/SoundCue.h"
#include "base/UiLook.h"
#include "controls/SliderPlus.h"
#include "filedata/FileInfo.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

// Only a marker closer than this is "the nearest".
constexpr int kNearestMarkerMs = 1000;

void Say(int cue, const wchar_t* text)
{
    m_PlaySoundCue(cue);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

void SayDeleted(int index)
{
    wchar_t text[64];
    if (index < 0)
        m_FormatW64(text, 64, L"DELETE FILEMARK");
    else
        m_FormatW64(text, 64, L"DELETE FILEMARK : %d", index + 1);
    Say(5, text);
}

// Removes item `at` of n, moving the later ones up and clearing the freed
// last slot.
void RemoveAt(SMARKERITEM* items, int n, int at)
{
    std::copy(items + at + 1, items + n, items + at);
    items[n - 1] = SMARKERITEM{};
}

// A track that is not playing: its own array, written without LEN.
void DeleteFromTrack(STRACKINFO* t, int index, int save)
{
    if (index >= 0 && index < t->MarkerCount) {
        RemoveAt(t->Markers, t->MarkerCount, index);
        if (--t->MarkerCount == 0) {
            delete[] t->Markers;
            t->Markers = nullptr;
        }
    }
    if (!save) return;
    static wchar_t path[kFileInfoPathCap];
    m_FileInfo_FindPath(path, kFileInfoPathCap, t->Path, g_Settings.Common_ExtCap, 1, nullptr);
    m_FileInfo_WriteMarkers(path, t->Markers, t->MarkerCount);
}

}  // namespace

int m_Marker_Sort(SMARKERITEM* markers, int count, int indexOfInterest)
{
    if (!markers || count < 2) return 0;
    count = std::min(count, kFileInfoItemCap);
    static STIMERECORD order[kFileInfoItemCap];
    static SMARKERITEM sorted[kFileInfoItemCap];
    for (int i = 0; i < count; ++i) order[i] = STIMERECORD{i, (double)markers[i].position, 0};
    m_SortByTime(order, 0, count - 1);
    int found = -1;
    for (int i = 0; i < count; ++i) {
        sorted[i] = markers[order[i].index];
        if (order[i].index == indexOfInterest) found = i;
    }
    std::copy(sorted, sorted + count, markers);
    return found;
}

int m_Marker_AddCurrent()
{
    const int position = g_MediaOpen ? m_GetCurrentPosMs() : -1;
    if (position < 0) {
        m_PlaySoundCue(8);
        return -1;
    }
    return m_Marker_Add(position);
}

int m_Marker_Add(int posMs)
{
    STRACKINFO* t = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!t || posMs < 0) return -1;
    const int n = t->MarkerCount;
    if (n >= kFileInfoItemCap) {
        Say(8, L"ADD````MAKER : ERR (MAX)");
        return -1;
    }
    for (int i = 0; i < n; ++i) {
        if (t->Markers[i].position == posMs) {
            Say(8, L"ADD````MAKER : ERR (SAME)");
            return -1;
        }
    }
    SMARKERITEM* items = new (std::nothrow) SMARKERITEM[n + 1];
    if (!items) return -1;
    std::copy(t->Markers, t->Markers + n, items);
    items[n] = SMARKERITEM{posMs, {}};
    const int index = m_Marker_Sort(items, n + 1, n);
    delete[] t->Markers;
    t->Markers = items;
    t->MarkerCount = n + 1;
    m_FileInfo_SaveCurrentTrack(FILEINFO_KIND_MARKERS);
    g_SeekBar.m_SetMarkers(t->Markers, t->MarkerCount, 1);
    m_FileInfo_SaveTrackMarkers(g_PlayingTrack);
    wchar_t time[32], text[96];
    m_FormatTime(time, 32, posMs, 13);
    m_FormatW64(text, 96, L"ADD````MARKER : %d``/``%d [`%s`]", index + 1, n + 1, time);
    Say(3, text);
    return index;
}

int m_Marker_Delete(int track, int index, int save, int message)
{
    if (track == -1) track = g_PlayingTrack;
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t || index < -1) return 0;
    if (!g_MediaOpen || track != g_PlayingTrack) {
        if (index >= t->MarkerCount) return 0;
        DeleteFromTrack(t, index, save);
    } else {
        if (index >= (int)g_FileInfo.MarkerCount) return 0;
        if (index >= 0) RemoveAt(g_FileInfo.Markers, (int)g_FileInfo.MarkerCount--, index);
        m_FileInfo_CopyToTrack(track, &g_FileInfo, save);
        if (save) m_FileInfo_SaveMarkers();
    }
    if (message) SayDeleted(index);
    return 1;
}

int m_Marker_DeleteNearest()
{
    const int n = (int)g_FileInfo.MarkerCount;
    const int position = g_MediaOpen ? m_GetCurrentPosMs() : -1;
    int best = -1, distance = kNearestMarkerMs;
    if (g_Playlist.m_GetTrack(g_PlayingTrack) && position >= 0) {
        for (int i = 0; i < n; ++i) {
            const int d = abs(g_FileInfo.Markers[i].position - position);
            if (d < distance) best = i, distance = d;
        }
    }
    if (best < 0) {
        Say(1, L"DELETE FILEMARK : ERR");
        return 0;
    }
    if (distance != 0) m_Marker_Jump(g_PlayingTrack, best, 0);
    m_Marker_Delete(g_PlayingTrack, best, 1, 0);
    SayDeleted(best);
    return 1;
}

int m_Marker_Rename(int track, int index, const wchar_t* name)
{
    if (track == -1) track = g_PlayingTrack;
    STRACKINFO* t = g_Playlist.m_GetTrack(track);
    if (!t || index < 0 || index >= t->MarkerCount) return 0;
    if (!name) name = L"";
    lstrcpynW(t->Markers[index].name, name, kFileInfoNameCap);
    if (g_MediaOpen && track == g_PlayingTrack && index < (int)g_FileInfo.MarkerCount)
        lstrcpynW(g_FileInfo.Markers[index].name, name, kFileInfoNameCap);
    m_FileInfo_SaveTrackMarkers(track);
    return 1;
}
