#include "app/LayoutSnap.h"

#include <stdlib.h>

#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "playlist/Playlist.h"
#include "app/Startup.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "settings/Settings.h"

SSNAPTARGETS g_SnapTargets;

namespace {

int m_SpansOverlap(LONG a0, LONG a1, LONG b0, LONG b1) { return a0 < b1 && b0 < a1; }

// The best difference of one direction and the side it moves (0 none,
// 1 left or top, 2 right or bottom).
struct SSNAPAXIS {
    int nBest;
    int nDiff;
    int nSide;
};

// Takes a candidate when it is strictly nearer than the best.
void m_Try(int diff, int side, SSNAPAXIS* axis)
{
    if (abs(diff) < axis->nBest) {
        axis->nBest = abs(diff);
        axis->nDiff = diff;
        axis->nSide = side;
    }
}

struct SSNAPPICK {
    SSNAPAXIS x, y;
};

void m_SnapToArea(const RECT& t, const RECT* rc, int sides, SSNAPPICK* p)
{
    if (m_SpansOverlap(rc->top, rc->bottom, t.top, t.bottom)) {
        if (sides & 1) m_Try(t.left - rc->left, 1, &p->x);
        if (sides & 4) m_Try(t.right - rc->right, 2, &p->x);
    }
    if (m_SpansOverlap(rc->left, rc->right, t.left, t.right)) {
        if (sides & 2) m_Try(t.top - rc->top, 1, &p->y);
        if (sides & 8) m_Try(t.bottom - rc->bottom, 2, &p->y);
    }
}

// Outside the target: facing sides meet; once they do, the edges along
// them line up too.
void m_SnapBeside(const RECT& t, const RECT* rc, int sides, int horizontal, SSNAPPICK* p)
{
    if (horizontal && m_SpansOverlap(rc->top, rc->bottom, t.top, t.bottom)) {
        int was = p->x.nBest;
        if (sides & 1) m_Try(t.right - rc->left, 1, &p->x);
        if (sides & 4) m_Try(t.left - rc->right, 2, &p->x);
        if (p->x.nBest < was) {
            if (sides & 2) m_Try(t.top - rc->top, 1, &p->y);
            if (sides & 8) m_Try(t.bottom - rc->bottom, 2, &p->y);
        }
    }
    if (!horizontal && m_SpansOverlap(rc->left, rc->right, t.left, t.right)) {
        int was = p->y.nBest;
        if (sides & 2) m_Try(t.bottom - rc->top, 1, &p->y);
        if (sides & 8) m_Try(t.top - rc->bottom, 2, &p->y);
        if (p->y.nBest < was) {
            if (sides & 1) m_Try(t.left - rc->left, 1, &p->x);
            if (sides & 4) m_Try(t.right - rc->right, 2, &p->x);
        }
    }
}

BOOL CALLBACK m_AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    auto* list = reinterpret_cast<SSNAPTARGETS*>(data);
    m_AddSnapTarget(list, SNAP_AREA, &info.rcWork);
    int margin = g_Settings.Common_Snap[2];
    if (margin > 0) {
        RECT inset = info.rcWork;
        InflateRect(&inset, -margin, -margin);
        m_AddSnapTarget(list, SNAP_AREA, &inset);
    }
    return TRUE;
}

void m_AddWindowTargets(HWND window, int dock)
{
    RECT rc;
    if (!window || !IsWindowVisible(window) || !m_GetWindowRect(window, &rc, -1)) return;
    m_AddSnapTarget(&g_SnapTargets, SNAP_WINDOW, &rc);
    if (dock <= 0) return;
    RECT wide = rc;
    InflateRect(&wide, dock, 0);
    m_AddSnapTarget(&g_SnapTargets, SNAP_WIDE_X, &wide);
    wide = rc;
    InflateRect(&wide, 0, dock);
    m_AddSnapTarget(&g_SnapTargets, SNAP_WIDE_Y, &wide);
}

int m_ShiftOrCtrl() { return (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL)) < 0; }

}  // namespace

void m_AddSnapTarget(SSNAPTARGETS* list, int kind, const RECT* rc)
{
    if (list->nCount >= kSnapTargetCap) return;
    list->items[list->nCount++] = SSNAPTARGET{kind, *rc};
}

void m_BuildSnapTargets(HWND moved, int)
{
    g_SnapTargets.nCount = 0;
    EnumDisplayMonitors(nullptr, nullptr, m_AddMonitor, reinterpret_cast<LPARAM>(&g_SnapTargets));
    if (!moved) return;
    int dockValue =
        g_Settings.Common_Snap[3] == -1 ? g_Settings.Common_Snap[2] : g_Settings.Common_Snap[3];
    int dock = m_RoundByMode(dockValue * g_DpiPercent / 200.0, 0);
    if (moved != g_hWndMain) m_AddWindowTargets(g_hWndMain, dock);
}

int m_SnapRectToTargetsIn(const SSNAPTARGETS* list, int distance, RECT* rc, int move, int left,
                          int top, int right, int bottom)
{
    int sides = (left ? 1 : 0) | (top ? 2 : 0) | (right ? 4 : 0) | (bottom ? 8 : 0);
    SSNAPPICK p = {};
    p.x.nBest = p.y.nBest = abs(distance);
    for (int i = 0; i < list->nCount; ++i) {
        const SSNAPTARGET& t = list->items[i];
        if (t.nKind == SNAP_AREA) m_SnapToArea(t.rc, rc, sides, &p);
        if (t.nKind == SNAP_WINDOW || t.nKind == SNAP_WIDE_X) m_SnapBeside(t.rc, rc, sides, 1, &p);
        if (t.nKind == SNAP_WINDOW || t.nKind == SNAP_WIDE_Y) m_SnapBeside(t.rc, rc, sides, 0, &p);
    }
    RECT before = *rc;
    if (move) {
        OffsetRect(rc, p.x.nSide ? p.x.nDiff : 0, p.y.nSide ? p.y.nDiff : 0);
    } else {
        if (p.x.nSide == 1) rc->left += p.x.nDiff;
        if (p.x.nSide == 2) rc->right += p.x.nDiff;
        if (p.y.nSide == 1) rc->top += p.y.nDiff;
        if (p.y.nSide == 2) rc->bottom += p.y.nDiff;
    }
    return !EqualRect(&before, rc);
}

int m_SnapRectToTargets(RECT* rc, int move, int left, int top, int right, int bottom)
{
    return m_SnapRectToTargetsIn(&g_SnapTargets, g_Settings.Common_Snap[1], rc, move, left, top,
                                 right, bottom);
}

int m_SnapSidesForHit(int hit, int aspectHold)
{
    int l = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    int r = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
    int t = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
    int b = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
    if (!aspectHold) return (l ? 1 : 0) | (t ? 2 : 0) | (r ? 4 : 0) | (b ? 8 : 0);
    int sides = l ? 1 : 5;
    if (!b) sides |= 2;
    if (!t) sides |= 8;
    return sides;
}

int m_SnapWindowRect(RECT* rc, int move, int hitCode, int aspectHold)
{
    if (m_ShiftOrCtrl()) return 0;
    if (move) return m_SnapRectToTargets(rc, 1, 1, 1, 1, 1);
    if (aspectHold == -1) aspectHold = g_Settings.Common_RatHld;
    int s = m_SnapSidesForHit(hitCode, aspectHold);
    return m_SnapRectToTargets(rc, 0, s & 1, s & 2, s & 4, s & 8);
}

namespace {

// The overhang o of a w-wide span pulled back to o / ((o / w)^2 x 0.3 + 1).
int m_Resisted(int over, int size)
{
    if (over <= 0 || size <= 0) return over;
    double r = (double)over / size;
    return (int)(over / (r * r * 0.3 + 1));
}

void m_SoftAxis(LONG* lo, LONG* hi, LONG bLo, LONG bHi)
{
    int size = *hi - *lo, shift = 0;
    if (*lo < bLo)
        shift = (bLo - *lo) - m_Resisted(bLo - *lo, size);
    else if (*hi > bHi)
        shift = -((*hi - bHi) - m_Resisted(*hi - bHi, size));
    *lo += shift;
    *hi += shift;
}

}  // namespace

void m_SoftLimitRect(RECT* rc, const RECT* bounds)
{
    m_SoftAxis(&rc->left, &rc->right, bounds->left, bounds->right);
    m_SoftAxis(&rc->top, &rc->bottom, bounds->top, bounds->bottom);
}

void m_KeepMainWindowOnScreen()
{
    if (m_ShiftOrCtrl() || !g_hWndMain || IsZoomed(g_hWndMain) || IsIconic(g_hWndMain)) return;
    RECT rc, area;
    if (!m_GetWindowRect(g_hWndMain, &rc, -1)) return;
    POINT c = m_RectCenter(&rc);
    if (!m_GetMonitorRect(&area, &c, 0)) return;
    int margin = g_Settings.Common_Snap[2];
    RECT inside;
    IntersectRect(&inside, &rc, &area);
    int fits = rc.right - rc.left <= area.right - area.left - 2 * margin &&
               rc.bottom - rc.top <= area.bottom - area.top - 2 * margin;
    if (g_Settings.Common_Snap[0] && margin > 0 && !EqualRect(&inside, &rc) && fits)
        InflateRect(&area, -margin, -margin);
    LONG dx = 0, dy = 0;
    if (rc.right > area.right) dx = area.right - rc.right;
    if (rc.left + dx < area.left) dx = area.left - rc.left;
    if (rc.bottom > area.bottom) dy = area.bottom - rc.bottom;
    if (rc.top + dy < area.top) dy = area.top - rc.top;
    if (!dx && !dy) return;
    m_SetWindowPos(g_hWndMain, nullptr, rc.left + dx, rc.top + dy, rc.right - rc.left,
                   rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
}
