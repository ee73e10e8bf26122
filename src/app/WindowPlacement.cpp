#include "app/WindowPlacement.h"

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/Dpi.h"
#include "base/NumberList.h"
#include "base/UiLook.h"
#include "settings/IniPath.h"

int g_VideoWidth;
int g_VideoHeight;
double g_VideoAspect = 1.777777778;

namespace {

// Keeps [pos, pos + size) inside [lo, hi) where it fits, else fills it.
void m_ClampSpan(LONG* pos, LONG* size, LONG lo, LONG hi)
{
    if (*size > hi - lo) {
        *size = hi - lo;
        *pos = lo;
    } else if (*pos < lo) {
        *pos = lo;
    } else if (*pos + *size > hi) {
        *pos = hi - *size;
    }
}

}  // namespace

RECT m_StartWindowRect()
{
    int pos[4] = {-1, -1, 855, 555};
    wchar_t text[256];
    GetPrivateProfileStringW(L"Main", L"Pos", L"", text, 256, g_IniPath);
    if (text[0]) m_ParseIntList(text, pos, 4, 0);
    LONG x = pos[0], y = pos[1], w = pos[2], h = pos[3];
    int systemPercent = m_GetSystemDpiPercent();
    if (g_IniVersion == 0 && systemPercent != 100) {
        w = (LONG)(w * systemPercent / 100.0 + 0.5);
        h = (LONG)(h * systemPercent / 100.0 + 0.5);
    }
    if (x == -1 && y == -1) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = (work.right - w) / 2;
        y = (work.bottom - h) / 2;
    }
    // A centre that lies on no monitor is clamped against the nearest one.
    POINT centre = {x + w / 2, y + h / 2};
    HMONITOR monitor = MonitorFromPoint(centre, MONITOR_DEFAULTTONULL);
    g_DpiPercent = monitor ? m_GetMonitorDpiPercent(monitor) : 100;
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST), &info)) {
        m_ClampSpan(&x, &w, info.rcWork.left, info.rcWork.right);
        m_ClampSpan(&y, &h, info.rcWork.top, info.rcWork.bottom);
    }
    return RECT{x, y, x + w, y + h};
}

void m_PlaceMainWindow(const RECT* frame, int dpiPercent)
{
    m_SetWindowPos(g_hWndMain, nullptr, frame->left, frame->top, frame->right - frame->left,
                   frame->bottom - frame->top, SWP_NOZORDER | SWP_NOACTIVATE, dpiPercent, 1);
    // The window may already have had this size: lay out once in any case.
    m_LayoutClientArea(-1, -1);
}

void m_SetInitialAspect(double aspect)
{
    RECT client;
    GetClientRect(g_hWndMain, &client);
    g_VideoWidth = client.right;
    g_VideoHeight = client.bottom;
    g_VideoAspect = aspect;
}
