#include "app/MonitorTable.h"

#include "app/MainWindow.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "settings/Settings.h"

SMONITORTABLE g_MonitorTable;
SMONITORTABLE g_MonitorStored;
SMONITORTABLE g_MonitorWork;
int g_MonitorOrder[kMonitorCap];

namespace {

BOOL CALLBACK m_EnumMonitorProc(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    if (g_MonitorTable.nCount >= kMonitorCap) return TRUE;
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    // A monitor that cannot be asked is left out; the others still count.
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    int dpi = m_GetMonitorDpiPercent(monitor);
    m_Monitor_AddLive(monitor, &info, dpi > 0 ? (UINT)dpi : 100);
    return TRUE;
}

int m_IsEmptyRect(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

void m_Unite(RECT* acc, const RECT& rc)
{
    if (m_IsEmptyRect(*acc))
        *acc = rc;
    else
        UnionRect(acc, acc, &rc);
}

const RECT* m_LiveRect(int number)
{
    int live = m_Monitor_MapIndex(number, 1);
    if (live < 0 || live >= g_MonitorTable.nCount) return nullptr;
    return &g_MonitorTable.Items[live].rcMonitor;
}

}  // namespace

int m_Monitor_AddLive(HMONITOR monitor, const MONITORINFOEXW* info, UINT dpiPercent)
{
    if (g_MonitorTable.nCount >= kMonitorCap) return 0;
    SMONITORITEM& item = g_MonitorTable.Items[g_MonitorTable.nCount++];
    item = SMONITORITEM{};
    item.hMonitor = monitor;
    item.rcMonitor = info->rcMonitor;
    item.rcWork = info->rcWork;
    item.dwFlags = info->dwFlags;
    lstrcpynW(item.szDevice, info->szDevice, kMonitorDeviceCap);
    item.nDpiPercent = dpiPercent;
    return 1;
}

void m_Monitor_Enumerate(int mode)
{
    g_MonitorTable.nCount = 0;
    EnumDisplayMonitors(nullptr, nullptr, m_EnumMonitorProc, 0);
    int replace =
        mode == 1 || g_MonitorStored.nCount < 1 || (mode == -1 && !g_Settings.Fullscr_Hld);
    if (replace) {
        g_MonitorStored = g_MonitorTable;
        m_Monitor_WriteStored();
    }
    m_Monitor_BuildOrder();
}

void m_Monitor_StartUp()
{
    if (g_Settings.Fullscr_Hld) m_Monitor_ReadStored();
    m_Monitor_Enumerate(-1);
}

int m_Monitor_MatchStored(int storedIndex)
{
    if (storedIndex < 0 || storedIndex >= g_MonitorStored.nCount) return -1;
    const SMONITORITEM& want = g_MonitorStored.Items[storedIndex];
    int sameRect = -1;
    for (int i = 0; i < g_MonitorTable.nCount; ++i) {
        const SMONITORITEM& have = g_MonitorTable.Items[i];
        if (!EqualRect(&have.rcMonitor, &want.rcMonitor)) continue;
        if (lstrcmpW(have.szDevice, want.szDevice) == 0) return i;
        sameRect = i;
    }
    if (sameRect >= 0) return sameRect;
    const int w = want.rcMonitor.right - want.rcMonitor.left;
    const int h = want.rcMonitor.bottom - want.rcMonitor.top;
    const POINT centre = m_RectCenter(&want.rcMonitor);
    int best = -1, bestDistance = 32767;
    for (int i = 0; i < g_MonitorTable.nCount; ++i) {
        const RECT& rc = g_MonitorTable.Items[i].rcMonitor;
        if (rc.right - rc.left != w || rc.bottom - rc.top != h) continue;
        int d = m_PointDistance(centre, m_RectCenter(&rc));
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void m_Monitor_BuildOrder()
{
    for (int i = 0; i < kMonitorCap; ++i) g_MonitorOrder[i] = -1;
    for (int i = 0; i < g_MonitorStored.nCount && i < kMonitorCap; ++i)
        g_MonitorOrder[i] = m_Monitor_MatchStored(i);
}

int m_Monitor_MapIndex(int index, int toLive)
{
    if (!g_Settings.Fullscr_Hld) return index;
    if (index < 0) return -1;
    if (toLive) return index < g_MonitorStored.nCount ? g_MonitorOrder[index] : -1;
    if (index >= g_MonitorTable.nCount) return -1;
    for (int i = 0; i < g_MonitorStored.nCount; ++i) {
        if (g_MonitorOrder[i] == index) return i;
    }
    return -1;
}

int m_Monitor_GetRect(RECT* out, int first, int last)
{
    SetRectEmpty(out);
    if (g_MonitorTable.nCount < 1) return 0;
    if (first == -1) {
        for (int i = 0; i < g_MonitorTable.nCount; ++i)
            m_Unite(out, g_MonitorTable.Items[i].rcMonitor);
        return 1;
    }
    if (last == -1) {
        const RECT* rc = m_LiveRect(first);
        if (!rc) return 0;
        *out = *rc;
        return 1;
    }
    const RECT* a = m_LiveRect(first);
    const RECT* b = m_LiveRect(last);
    if (!a && !b) return 0;
    if (a) m_Unite(out, *a);
    if (b) m_Unite(out, *b);
    for (int i = 0; i < g_MonitorTable.nCount; ++i) {
        const RECT& rc = g_MonitorTable.Items[i].rcMonitor;
        if (m_RectOverlap(*out, rc) == 1) m_Unite(out, rc);
    }
    return m_IsEmptyRect(*out) ? 0 : 1;
}

int m_Monitor_FromPoint(const POINT* pt)
{
    for (int i = 0; i < g_MonitorTable.nCount; ++i) {
        if (PtInRect(&g_MonitorTable.Items[i].rcMonitor, *pt)) return m_Monitor_MapIndex(i, 0);
    }
    return -1;
}

int m_Monitor_FromWindow()
{
    RECT rc;
    if (!g_hWndMain || !m_GetWindowRect(g_hWndMain, &rc, -1)) return -1;
    POINT centre = m_RectCenter(&rc);
    return m_Monitor_FromPoint(&centre);
}

int m_Monitor_CopyTable(int toStored)
{
    int same = g_MonitorStored.nCount == g_MonitorWork.nCount;
    int n = g_MonitorStored.nCount;
    if (n < 0) n = 0;
    if (n > kMonitorCap) n = kMonitorCap;
    if (same && memcmp(g_MonitorStored.Items, g_MonitorWork.Items, n * sizeof(SMONITORITEM)) == 0)
        return 0;
    if (toStored)
        g_MonitorStored = g_MonitorWork;
    else
        g_MonitorWork = g_MonitorStored;
    return 1;
}
