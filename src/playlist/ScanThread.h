// The playlist's duration scan thread. The thread reads a copy of the
// paths taken when it starts and writes no track record: each result goes
// into a slot of its own and the UI thread applies it (ScanNotices).
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// Handle of the running scan thread, null when none runs.
extern HANDLE g_ScanThread;
extern volatile UINT g_ScanStop;     // stop request, polled by the thread
extern UINT g_ScanStarted;           // a scan ran for the open item
extern UINT g_ScanRunning;           // from the start until the done notice
extern volatile LONG g_ScanCounter;  // tracks scanned, those known at the start included

// One track's result, filled by the thread and handed to the UI thread.
// The arrays are new[]-allocated; whoever applies or drops the result
// takes them.
struct SSCANRESULT {
    UINT Generation;  // the scan that made it
    int Index;        // the track's index when the scan started
    wchar_t Path[MAX_PATH + 1];
    INT64 LengthMs;  // 0 none found
    UINT ChaptersFromInfo;
    int ChapterCount;
    SCHAPTERITEM* Chapters;
    int RangeCount;
    SPLAYRANGEITEM* Ranges;
    int MarkerCount;
    SMARKERITEM* Markers;
};

void m_StartScanThread();
void m_StopScanThread();
// The post-open step: starts the scan unless it already ran for the item.
void m_Scan_StartForOpen();
// The open item was closed: the next open scans again.
void m_Scan_OnClose();

// The current scan's number; results of another scan are stale.
UINT m_Scan_Generation();
// Results the thread has finished, in order; the UI thread reads them.
int m_Scan_ResultsReady();
SSCANRESULT* m_Scan_Result(int slot);
