#include "app/FullScreenState.h"

#include <stdio.h>

#include "app/MonitorTable.h"

int g_FullScreen;
HWND g_hWndFullScreen;
int g_FullScreenOtherMonitor;
int g_FullScreenSpan;

namespace {

const wchar_t kPrefix[] = L"FULL````SCREEN````:````";

// The main window's monitor, or the first one when the window is on none.
void m_MainMonitorRect(int mainMonitor, RECT* out)
{
    if (!m_Monitor_GetRect(out, mainMonitor, -1)) m_Monitor_GetRect(out, 0, -1);
}

int m_SpanIsValid(int first, int last)
{
    return first > 0 && last > 0 && first <= g_MonitorStored.nCount &&
           last <= g_MonitorStored.nCount;
}

}  // namespace

void m_FullScreen_ChooseRect(int first, int last, int mainMonitor, SFULLSCREENPLACE* out)
{
    *out = SFULLSCREENPLACE{};
    out->bFound = 1;
    if (first == -1) {
        m_Monitor_GetRect(&out->rcFull, -1, -1);
        out->bSpan = g_MonitorTable.nCount >= 2;
        m_MainMonitorRect(mainMonitor, &out->rcMain);
        return;
    }
    if (first > 0 && last > 0 && last != first && m_SpanIsValid(first, last) &&
        m_Monitor_GetRect(&out->rcFull, first - 1, last - 1)) {
        out->bSpan = 1;
        RECT mainRc;
        m_MainMonitorRect(mainMonitor, &mainRc);
        POINT centre = {(mainRc.left + mainRc.right) / 2, (mainRc.top + mainRc.bottom) / 2};
        out->bOther = !PtInRect(&out->rcFull, centre);
        if (out->bOther)
            m_Monitor_GetRect(&out->rcMain, (first < last ? first : last) - 1, -1);
        else
            out->rcMain = mainRc;
        return;
    }
    const int spanAsked = first > 0 && last > 0 && last != first;
    if (!spanAsked && first > 0 && m_Monitor_GetRect(&out->rcFull, first - 1, -1)) {
        out->bOther = first - 1 != mainMonitor;
        out->rcMain = out->rcFull;
        return;
    }
    // First 0, or a monitor that is not there: the main window's monitor.
    out->bFound = first == 0;
    m_MainMonitorRect(mainMonitor, &out->rcFull);
    out->rcMain = out->rcFull;
}

void m_FullScreen_FormatMessage(wchar_t* buf, int cap, int on, int first, int last, int found)
{
    if (!buf || cap < 1) return;
    if (!on)
        _snwprintf(buf, cap, L"%lsOFF", kPrefix);
    else if (!found && last > 0 && last != first)
        _snwprintf(buf, cap, L"%lsERR (MON````%d`-`%d NOT````FOUND)", kPrefix, first, last);
    else if (!found)
        _snwprintf(buf, cap, L"%lsERR (MON````%d NOT````FOUND)", kPrefix, first);
    else if (first == -1)
        _snwprintf(buf, cap, L"%lsMON````ALL", kPrefix);
    else if (last > 0 && last != first)
        _snwprintf(buf, cap, L"%lsMON````%d-%d", kPrefix, first, last);
    else
        _snwprintf(buf, cap, L"%lsMON````%d", kPrefix, first);
    buf[cap - 1] = 0;
}
