#include "playlist/ScanThread.h"

#include <objbase.h>
#include <process.h>

#include <cstring>

#include "app/AppMessages.h"
#include "app/MainWindow.h"
#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "engine/ProbeFile.h"
#include "filedata/FileInfo.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

HANDLE g_ScanThread = nullptr;
volatile UINT g_ScanStop = 0;
UINT g_ScanStarted = 0;
UINT g_ScanRunning = 0;
volatile LONG g_ScanCounter = 0;

namespace {

constexpr DWORD kFirstWaitMs = 500;
constexpr DWORD kItemWaitMs = 33;
constexpr DWORD kEndWaitMs = 100;

// What the thread reads, copied on the UI thread before it starts. Static,
// so that an exit that stops waiting for the thread frees nothing it uses.
struct SSCANJOB {
    int Count;
    HWND Playlist;  // the playlist window when the scan started
    wchar_t Paths[kPlaylistTrackCap][MAX_PATH + 1];
    BYTE Known[kPlaylistTrackCap];  // 1 scanned, 2 a length from the list file
    BYTE Done[kPlaylistTrackCap];
};

SSCANJOB s_Job;
SSCANRESULT s_Results[kPlaylistTrackCap];
volatile LONG s_ResultsReady = 0;
volatile LONG s_Generation = 0;

void m_Post(UINT msg, WPARAM wParam)
{
    if (g_hWndMain) PostMessageW(g_hWndMain, msg, wParam, 0);
}

template <typename T>
T* m_CopyItems(const T* items, UINT count)
{
    if (count == 0) return nullptr;
    T* copy = new T[count];
    memcpy(copy, items, sizeof(T) * count);
    return copy;
}

// The information file's chapters, ranges, markers and length; 1 when it
// gave both a length and chapters, so that no probe is needed.
int m_ReadInfo(const wchar_t* path, SSCANRESULT* result, SFILEINFO* info)
{
    wchar_t infoPath[kFileInfoPathCap];
    if (!m_FileInfo_FindPath(infoPath, kFileInfoPathCap, path, g_Settings.Common_ExtCap, 1,
                             nullptr))
        return 0;
    if (!m_FileInfo_Read(infoPath, info)) return 0;
    const UINT chapters =
        info->ChapterCount < kFileInfoItemCap ? info->ChapterCount : kFileInfoItemCap;
    const UINT ranges = info->RangeCount < kFileInfoItemCap ? info->RangeCount : kFileInfoItemCap;
    const UINT markers =
        info->MarkerCount < kFileInfoItemCap ? info->MarkerCount : kFileInfoItemCap;
    result->ChaptersFromInfo = chapters > 0;
    result->ChapterCount = int(chapters);
    result->Chapters = m_CopyItems(info->Chapters, chapters);
    result->RangeCount = int(ranges);
    result->Ranges = m_CopyItems(info->Ranges, ranges);
    result->MarkerCount = int(markers);
    result->Markers = m_CopyItems(info->Markers, markers);
    result->LengthMs = info->Length;
    return info->Length > 0 && chapters > 0;
}

void m_ScanOne(int index, SSCANRESULT* result, SFILEINFO* info)
{
    *result = SSCANRESULT{};
    result->Generation = UINT(s_Generation);
    result->Index = index;
    memcpy(result->Path, s_Job.Paths[index], sizeof(result->Path));
    if (m_ReadInfo(result->Path, result, info)) return;
    LONGLONG duration = 0;
    int count = 0;
    SCHAPTERITEM* chapters = nullptr;
    const bool wantChapters = !result->ChaptersFromInfo;
    if (FAILED(m_VR_ProbeFile(result->Path, &duration, wantChapters ? &count : nullptr,
                              wantChapters ? &chapters : nullptr)))
        return;
    result->LengthMs = duration / 10000;
    if (wantChapters && chapters) {
        result->ChapterCount = count;
        result->Chapters = chapters;
    }
}

// Both passes; 1 when stopped.
int m_RunPasses(int passes)
{
    SFILEINFO* info = new SFILEINFO;
    int stopped = 0;
    for (int pass = 0; pass < passes && !stopped; ++pass) {
        for (int i = 0; i < s_Job.Count && !stopped; ++i) {
            if (g_ScanStop) {
                stopped = 1;
                break;
            }
            if (s_Job.Done[i] || s_Job.Known[i] == 1) continue;
            if (pass == 0 && s_Job.Known[i] == 2) continue;
            if (m_PathExistsKind(s_Job.Paths[i]) != 1) continue;
            Sleep(kItemWaitMs);
            if (g_ScanStop) {
                stopped = 1;
                break;
            }
            s_Job.Done[i] = 1;
            const LONG slot = s_ResultsReady;
            m_ScanOne(i, &s_Results[slot], info);
            InterlockedExchange(&s_ResultsReady, slot + 1);
            if (IsWindow(s_Job.Playlist)) m_Post(WM_APP_SCANITEM, WPARAM(i));
            InterlockedIncrement(&g_ScanCounter);
            m_Post(WM_APP_SCANPROGRESS, 0);
            if (g_ScanStop) stopped = 1;
        }
        if (pass == 0 && !stopped && s_Job.Playlist) InvalidateRect(s_Job.Playlist, nullptr, FALSE);
    }
    delete info;
    return stopped;
}

unsigned __stdcall m_ScanThreadProc(void* arg)
{
    const int passes = arg ? 2 : 1;
    if (s_Job.Count >= 2) {
        Sleep(kFirstWaitMs);
        if (!g_ScanStop) {
            const HRESULT hr = CoInitialize(nullptr);
            if (FAILED(hr)) m_WriteLog(L"MAIN_%d : Error / CoInitialize() = 0x%08X", __LINE__, hr);
            for (int i = 0; i < s_Job.Count; ++i)
                if (s_Job.Known[i] == 1) InterlockedIncrement(&g_ScanCounter);
            m_RunPasses(passes);
            if (SUCCEEDED(hr)) CoUninitialize();
        }
    }
    // Nothing of the job is touched after this.
    m_Post(WM_APP_SCANDONE, 0);
    Sleep(kEndWaitMs);
    return 0;
}

void m_TakeJob()
{
    s_Job.Count = g_Playlist.m_GetCount();
    s_Job.Playlist = g_Playlist.m_GetWindow();
    for (int i = 0; i < s_Job.Count; ++i) {
        const STRACKINFO* track = g_Playlist.m_GetTrack(i);
        memcpy(s_Job.Paths[i], track->Path, sizeof(s_Job.Paths[i]));
        s_Job.Known[i] = track->Scanned ? 1 : track->Milliseconds != 0 ? 2 : 0;
        s_Job.Done[i] = 0;
    }
}

}  // namespace

UINT m_Scan_Generation() { return UINT(s_Generation); }
int m_Scan_ResultsReady() { return int(s_ResultsReady); }
SSCANRESULT* m_Scan_Result(int slot)
{
    return slot >= 0 && slot < kPlaylistTrackCap ? &s_Results[slot] : nullptr;
}

void m_StartScanThread()
{
    if (g_Playlist.m_GetCount() < 2 || g_ScanThread || g_ScanStop) return;
    g_ScanStarted = 1;
    g_ScanRunning = 1;
    g_ScanCounter = 0;
    // The slots were emptied when the last scan's end was taken.
    InterlockedExchange(&s_ResultsReady, 0);
    InterlockedIncrement(&s_Generation);
    m_TakeJob();
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(
        nullptr, 0, m_ScanThreadProc, reinterpret_cast<void*>(1), CREATE_SUSPENDED, nullptr));
    if (!thread) {
        m_WriteLog(L"MAIN_%d : Error / _beginthreadex() = 0x%08X", __LINE__,
                   HRESULT_FROM_WIN32(GetLastError()));
        g_ScanRunning = 0;
        return;
    }
    g_ScanThread = thread;
    SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
    ResumeThread(thread);
}

void m_StopScanThread()
{
    if (!g_ScanThread) return;
    g_ScanStop = 1;
    // What the stopped scan still hands over belongs to no list.
    InterlockedIncrement(&s_Generation);
}

void m_Scan_StartForOpen()
{
    if (!g_ScanStarted) m_StartScanThread();
}

void m_Scan_OnClose()
{
    m_StopScanThread();
    g_ScanStarted = 0;
}
