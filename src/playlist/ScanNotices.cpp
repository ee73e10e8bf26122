#include "playlist/ScanNotices.h"

#include <strsafe.h>

#include "base/ErrorLog.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

int s_ResultsTaken = 0;

void m_Trace(const wchar_t* format, int value, int more = 0)
{
    if (!g_Settings.Main_Test) return;
    wchar_t line[64];
    if (SUCCEEDED(StringCchPrintfW(line, 64, format, value, more))) m_AppendLogLine(line);
}

bool m_SamePath(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

void m_FreeResult(SSCANRESULT* result)
{
    delete[] result->Chapters;
    delete[] result->Ranges;
    delete[] result->Markers;
    result->Chapters = nullptr;
    result->Ranges = nullptr;
    result->Markers = nullptr;
    result->ChapterCount = result->RangeCount = result->MarkerCount = 0;
}

int m_FindTrack(const STRACKINFO* tracks, int count, const SSCANRESULT* result)
{
    if (result->Index >= 0 && result->Index < count &&
        m_SamePath(tracks[result->Index].Path, result->Path))
        return result->Index;
    for (int i = 0; i < count; ++i)
        if (m_SamePath(tracks[i].Path, result->Path)) return i;
    return -1;
}

// The track takes the result's arrays in place of its own.
void m_WriteTrack(STRACKINFO* track, SSCANRESULT* result)
{
    track->Scanned = 1;
    if (result->LengthMs > 0) {
        track->Milliseconds = result->LengthMs;
        track->Seconds = UINT((result->LengthMs + 500) / 1000);
    }
    delete[] track->Chapters;
    delete[] track->Ranges;
    delete[] track->Markers;
    track->ChaptersFromInfo = result->ChaptersFromInfo;
    track->ChapterCount = result->ChapterCount;
    track->Chapters = result->Chapters;
    track->RangeCount = result->RangeCount;
    track->Ranges = result->Ranges;
    track->MarkerCount = result->MarkerCount;
    track->Markers = result->Markers;
    result->Chapters = nullptr;
    result->Ranges = nullptr;
    result->Markers = nullptr;
}

// Applies what the thread has finished; the number applied.
int m_TakeResults()
{
    const int ready = m_Scan_ResultsReady();
    int applied = 0, shownApplied = 0;
    for (; s_ResultsTaken < ready; ++s_ResultsTaken) {
        SSCANRESULT* result = m_Scan_Result(s_ResultsTaken);
        if (!result) break;
        const INT64 ms = result->LengthMs;
        const int index = m_Scan_ApplyResult(g_Playlist.m_Tracks, g_Playlist.m_GetCount(), result,
                                             m_Scan_Generation());
        if (index < 0) continue;
        ++applied;
        if (index == g_Playlist.m_ShownTrack) shownApplied = 1;
        m_Trace(L"SCAN : track %d ms=%d", index, int(ms));
    }
    if (applied) g_Playlist.m_RefreshTrackRows();
    // The sub-lists show the shown track's new chapters, ranges and markers.
    if (shownApplied) g_Playlist.m_SetCurrentTrack(-2);
    return applied;
}

}  // namespace

int m_Scan_ApplyResult(STRACKINFO* tracks, int count, SSCANRESULT* result, UINT generation)
{
    const int index = result->Generation == generation ? m_FindTrack(tracks, count, result) : -1;
    if (index < 0) {
        m_FreeResult(result);
        return -1;
    }
    m_WriteTrack(&tracks[index], result);
    return index;
}

void m_Playlist_OnScanDone()
{
    m_TakeResults();
    s_ResultsTaken = 0;
    // The thread posted this as its last act and touches nothing more.
    if (g_ScanThread) CloseHandle(g_ScanThread);
    const UINT stopped = g_ScanStop;
    g_ScanThread = nullptr;
    g_ScanStop = 0;
    g_ScanRunning = 0;
    m_Trace(L"SCAN : done count=%d", int(g_ScanCounter));
    if (g_Playlist.m_GetWindow()) InvalidateRect(g_Playlist.m_GetWindow(), nullptr, FALSE);
    g_Playlist.m_Redraw();
    // A list opened while the stopped scan ended could not start its own.
    if (stopped && !g_ScanStarted) m_StartScanThread();
}

void m_Playlist_OnScanItem(int entry)
{
    m_Trace(L"SCAN : item %d", entry);
    m_TakeResults();
    // The loading mark shrinks as the scan proceeds.
    g_Playlist.m_Redraw();
}

void m_Playlist_OnScanProgress()
{
    m_Trace(L"SCAN : progress %d", int(g_ScanCounter));
    m_TakeResults();
}
