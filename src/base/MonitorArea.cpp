#include "base/MonitorArea.h"

#include "base/Geometry.h"

int m_GetMonitorWorkArea(RECT* out, const POINT* pt, int work)
{
    POINT at = {0, 0};
    if (pt)
        at = *pt;
    else if (!GetCursorPos(&at))
        at = POINT{0, 0};
    HMONITOR monitor = MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(monitor, &mi)) return 0;
    *out = work ? mi.rcWork : mi.rcMonitor;
    return 1;
}

int m_GetRectMonitorWorkArea(RECT* out, const RECT* rc)
{
    POINT centre = m_RectCenter(rc);
    return m_GetMonitorWorkArea(out, &centre, 1);
}

int m_GetWindowMonitorWorkArea(RECT* out, HWND hwnd, int work)
{
    RECT rc;
    if (!GetWindowRect(hwnd, &rc)) return 0;
    POINT centre = m_RectCenter(&rc);
    return m_GetMonitorWorkArea(out, &centre, work);
}
