#include "base/UiLook.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "base/MonitorArea.h"
#include "base/WindowMisc.h"
#include "settings/Settings.h"

namespace {

// Border at the window's own scale unless a percent is given.
int m_BorderFor(HWND window, int dpiPercent)
{
    if (g_OsVersion < 10) return 0;
    return m_GetInvisibleBorder(dpiPercent == -1 ? m_GetWindowDpiPercent(window) : dpiPercent);
}

// How far a span [lo, hi) must move to lie in [areaLo, areaHi): its far end
// is pulled in first, then its near end, so that a span larger than the
// area keeps its start (the caption) reachable.
LONG m_ShiftInto(LONG lo, LONG hi, LONG areaLo, LONG areaHi)
{
    LONG shift = 0;
    if (hi > areaHi) shift = areaHi - hi;
    if (lo + shift < areaLo) shift = areaLo - lo;
    return shift;
}

int m_Near(LONG a, LONG b, int gap)
{
    LONG d = a - b;
    return (d < 0 ? -d : d) <= gap + 1;
}

}  // namespace

int m_GetInvisibleBorder(int dpiPercent)
{
    if (g_OsVersion < 10) return 0;
    if (dpiPercent == -1) dpiPercent = g_DpiPercent;
    return dpiPercent <= 100 ? 7 : 7 + (dpiPercent - 100) / 25;
}

int m_GetWindowRect(HWND window, RECT* out, int dpiPercent)
{
    if (!out || !GetWindowRect(window, out)) return 0;
    int b = m_BorderFor(window, dpiPercent);
    out->left += b;
    out->right -= b;
    out->bottom -= b;
    return 1;
}

BOOL m_SetWindowPos(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags,
                    int dpiPercent, int twice)
{
    if (twice) {
        POINT centre = {x + cx / 2, y + cy / 2};
        if (m_GetWindowDpiPercent(window) != m_GetPointDpiPercent(centre)) {
            int b = m_BorderFor(window, dpiPercent);
            SetWindowPos(window, after, x - b, y, cx + 2 * b, cy + b, flags);
        }
    }
    // After a first move the window may have taken another scale.
    int b = m_BorderFor(window, dpiPercent);
    return SetWindowPos(window, after, x - b, y, cx + 2 * b, cy + b, flags);
}

BOOL m_MoveWindow(HWND window, int x, int y, int cx, int cy, int repaint, int dpiPercent)
{
    int b = m_BorderFor(window, dpiPercent);
    return MoveWindow(window, x - b, y, cx + 2 * b, cy + b, repaint);
}

void m_AdjustRectForBorder(RECT* rc, int toVisible, int unused, int dpiPercent)
{
    (void)unused;
    if (!rc) return;
    int b = m_GetInvisibleBorder(dpiPercent);
    if (!toVisible) b = -b;
    rc->left += b;
    rc->right -= b;
    rc->bottom -= b;
}

int m_GetMonitorRect(RECT* out, const POINT* pt, int full)
{
    POINT at = {};
    RECT main;
    if (pt)
        at = *pt;
    else if (g_hWndMain && m_GetWindowRect(g_hWndMain, &main, -1))
        at = m_RectCenter(&main);
    else
        GetCursorPos(&at);
    return m_GetMonitorWorkArea(out, &at, !full);
}

void m_KeepWindowOnMonitor(HWND window)
{
    if (m_IsKeyDown(VK_SHIFT) || m_IsKeyDown(VK_CONTROL)) return;
    RECT area, rc;
    if (!m_GetMonitorWorkArea(&area, nullptr, 1) || !m_GetWindowRect(window, &rc, -1)) return;
    int margin = g_Settings.Common_Snap[2];
    if (g_Settings.Common_Snap[0] && margin > 0 && m_RectOverlap(area, rc) != 2 &&
        rc.right - rc.left <= area.right - area.left - 2 * margin &&
        rc.bottom - rc.top <= area.bottom - area.top - 2 * margin)
        InflateRect(&area, -margin, -margin);
    LONG dx = m_ShiftInto(rc.left, rc.right, area.left, area.right);
    LONG dy = m_ShiftInto(rc.top, rc.bottom, area.top, area.bottom);
    if (dx || dy)
        m_SetWindowPos(window, nullptr, rc.left + dx, rc.top + dy, 0, 0,
                       SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE, -1, 0);
}

int m_GetDockSide(const RECT* a, const RECT* b, int gap)
{
    if (!a || !b) return 0;
    int rows = a->top < b->bottom && a->bottom > b->top;
    int columns = a->left < b->right && a->right > b->left;
    int touch = (rows && (m_Near(a->left, b->right, gap) || m_Near(a->right, b->left, gap))) ||
                (columns && (m_Near(a->top, b->bottom, gap) || m_Near(a->bottom, b->top, gap)));
    if (!touch) return 0;
    int sideBySide = a->top == b->top && a->bottom == b->bottom;
    int stacked = a->left == b->left && a->right == b->right;
    return (sideBySide || stacked) ? 2 : 1;
}
