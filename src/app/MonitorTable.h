// The display monitors: the live table as the system reports them, the
// stored table of [Mon] that keeps the user's numbering, the work copy the
// options dialog edits, and the lookups by number, point and window.
// Monitor numbers here are 0-based; commands and messages add 1.
#pragma once
#include <windows.h>

constexpr int kMonitorCap = 16;
constexpr int kMonitorDeviceCap = 32;

struct SMONITORITEM {
    HMONITOR hMonitor;  // live table only
    RECT rcMonitor;
    RECT rcWork;
    DWORD dwFlags;  // MONITORINFOF_PRIMARY
    wchar_t szDevice[kMonitorDeviceCap];
    UINT nDpiPercent;
};

struct SMONITORTABLE {
    SMONITORITEM Items[kMonitorCap];
    int nCount;
};

extern SMONITORTABLE g_MonitorTable;   // live, in enumeration order
extern SMONITORTABLE g_MonitorStored;  // [Mon], the user's numbering
extern SMONITORTABLE g_MonitorWork;    // edited by the options dialog
// Entry i: the live index of stored entry i, or -1.
extern int g_MonitorOrder[kMonitorCap];

// Fills the live table from the system. Mode -1 replaces the stored table
// unless [Fullscr] "Hld" is on, mode 0 only when it is empty, mode 1
// always; a replacement writes [Mon]. The order map is rebuilt either way.
void m_Monitor_Enumerate(int mode);
// Start-up: reads [Mon] when [Fullscr] "Hld" is on, then enumerates (-1).
void m_Monitor_StartUp();
// Adds one monitor to the live table; 0 when it is full.
int m_Monitor_AddLive(HMONITOR monitor, const MONITORINFOEXW* info, UINT dpiPercent);
// Reads [Mon] into the stored table; "Count" is held within the table.
void m_Monitor_ReadStored();
// Writes the stored table to [Mon] and deletes the keys of a longer table.
void m_Monitor_WriteStored();
// Parses one [Mon] entry "%X,%d,%d,%d,%d,%s"; missing fields stay zero.
void m_Monitor_ParseEntry(const wchar_t* text, SMONITORITEM* out);
// The live index that stored entry i stands for, or -1.
int m_Monitor_MatchStored(int storedIndex);
void m_Monitor_BuildOrder();
// Monitor number to live index (toLive set) or back; identity while
// [Fullscr] "Hld" is off; -1 when there is none.
int m_Monitor_MapIndex(int index, int toLive);
// First -1: the union of all monitors. Last -1: monitor first alone.
// Otherwise the span first..last grown by the monitors it partly overlaps.
// 1 on success, 0 with an empty rectangle when nothing is found.
int m_Monitor_GetRect(RECT* out, int first, int last);
// The monitor number holding the point, or -1.
int m_Monitor_FromPoint(const POINT* pt);
// The monitor number holding the centre of the main window.
int m_Monitor_FromWindow();
// Copies work to stored (toStored) or stored to work; 0 when they are equal.
int m_Monitor_CopyTable(int toStored);
