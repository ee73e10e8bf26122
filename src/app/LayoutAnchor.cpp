#include "app/LayoutAnchor.h"

#include <algorithm>

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/WindowPlacement.h"
#include "app/WindowSize.h"
#include "base/Geometry.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

SRESIZEANCHOR g_ResizeAnchor;

namespace {

// Flag of one axis: low side fixed, high side fixed or centred (0).
int m_AxisFlag(LONG lo, LONG hi, LONG areaLo, LONG areaHi, int lowFlag, int highFlag)
{
    double free = (double)(areaHi - areaLo) - (hi - lo);
    double before = lo - areaLo;
    if (before < 0.25 * free) return lowFlag;
    if (before > 0.75 * free) return highFlag;
    return 0;
}

LONG m_Place(int lowFixed, int highFixed, LONG at, int size)
{
    if (lowFixed) return at;
    if (highFixed) return at - size;
    return at - (size - size / 2);  // halves rounded up
}

// Mode 255: by the free space on each axis; an axis that the window (with
// a docked playlist) spans wholly is decided by the saved place.
int m_AutoAnchorOfWindow(const RECT* window)
{
    RECT w = *window, work, playlist;
    int side = 0;
    HWND list = g_Playlist.m_GetWindow();
    if (g_PlaylistDock == 2 && list && IsWindowVisible(list) &&
        m_GetWindowRect(list, &playlist, -1)) {
        side = m_GetSideOfMainWindow(list);
        UnionRect(&w, &w, &playlist);
    }
    if (!m_GetRectMonitorWorkArea(&work, &w)) return 0;
    int flags = m_CalcAutoAnchor(&w, &work);
    const SMAINWINDOWSTATE& saved = g_MainWindowState;
    if (w.left <= work.left && w.right >= work.right) {
        int x =
            m_AnchorAxisFromSaved(saved.nLeft, saved.nLeft + saved.nWidth, work.left, work.right,
                                  side == 1   ? -1
                                  : side == 3 ? 1
                                              : 0,
                                  ANCHOR_LEFT, ANCHOR_RIGHT);
        if (x != -1) flags = (flags & ~(ANCHOR_LEFT | ANCHOR_RIGHT)) | x;
    }
    if (w.top <= work.top && w.bottom >= work.bottom) {
        int y = m_AnchorAxisFromSaved(saved.nTop, saved.nTop + saved.nHeight, work.top, work.bottom,
                                      side == 2   ? -1
                                      : side == 4 ? 1
                                                  : 0,
                                      ANCHOR_TOP, ANCHOR_BOTTOM);
        if (y != -1) flags = (flags & ~(ANCHOR_TOP | ANCHOR_BOTTOM)) | y;
    }
    return flags;
}

}  // namespace

int m_GetSizingAnchor(int code)
{
    switch (code) {
        case 11:
        case 15:
            return ANCHOR_BOTTOM | ANCHOR_RIGHT;
        case 12:
        case 17:
            return ANCHOR_BOTTOM | ANCHOR_LEFT;
        case 13:
        case 16:
            return ANCHOR_TOP | ANCHOR_RIGHT;
        case 14:
        case 18:
            return ANCHOR_TOP | ANCHOR_LEFT;
        case 21:
            return ANCHOR_RIGHT;
        case 22:
            return ANCHOR_LEFT;
        case 23:
            return ANCHOR_BOTTOM;
        case 24:
            return ANCHOR_TOP;
        default:
            return 0;
    }
}

int m_CalcAutoAnchor(const RECT* w, const RECT* a)
{
    return m_AxisFlag(w->left, w->right, a->left, a->right, ANCHOR_LEFT, ANCHOR_RIGHT) |
           m_AxisFlag(w->top, w->bottom, a->top, a->bottom, ANCHOR_TOP, ANCHOR_BOTTOM);
}

int m_AnchorAxisFromSaved(LONG savedLo, LONG savedHi, LONG areaLo, LONG areaHi, int playlistSide,
                          int lowFlag, int highFlag)
{
    int low = savedLo == areaLo, high = savedHi == areaHi;
    if (low && !high) return lowFlag;
    if (high && !low) return highFlag;
    if (!low) return -1;
    return playlistSide < 0 ? highFlag : playlistSide > 0 ? lowFlag : 0;
}

POINT m_AnchorPoint(const RECT* w, int flags)
{
    POINT c = m_RectCenter(w);
    POINT pt;
    pt.x = flags & ANCHOR_LEFT ? w->left : flags & ANCHOR_RIGHT ? w->right : c.x;
    pt.y = flags & ANCHOR_TOP ? w->top : flags & ANCHOR_BOTTOM ? w->bottom : c.y;
    return pt;
}

RECT m_PlaceAtAnchor(int flags, POINT pt, int w, int h)
{
    LONG x = m_Place(flags & ANCHOR_LEFT, flags & ANCHOR_RIGHT, pt.x, w);
    LONG y = m_Place(flags & ANCHOR_TOP, flags & ANCHOR_BOTTOM, pt.y, h);
    return RECT{x, y, x + w, y + h};
}

void m_ShiftInside(RECT* rc, const RECT* area)
{
    LONG dx = 0, dy = 0;
    if (rc->right > area->right) dx = area->right - rc->right;
    if (rc->left + dx < area->left) dx = area->left - rc->left;
    if (rc->bottom > area->bottom) dy = area->bottom - rc->bottom;
    if (rc->top + dy < area->top) dy = area->top - rc->top;
    OffsetRect(rc, dx, dy);
}

int m_SetResizeAnchor(int mode, int reuse)
{
    if (reuse && g_ResizeAnchor.bValid && g_ResizeAnchor.nMode == mode)
        return g_ResizeAnchor.nFlags;
    RECT window;
    if (!g_hWndMain || !m_GetWindowRect(g_hWndMain, &window, -1)) return 0;
    int flags = mode;
    if (mode == ANCHOR_AUTO) flags = m_AutoAnchorOfWindow(&window);
    g_ResizeAnchor.nFlags = flags;
    g_ResizeAnchor.pt = m_AnchorPoint(&window, flags);
    g_ResizeAnchor.nMode = mode;
    g_ResizeAnchor.bValid = 1;
    m_BuildSizeStops();
    return flags;
}

void m_CalcSizingRect(const SSIZINGIN* in, int code, RECT* rc)
{
    double a = in->dAspect > 0 ? in->dAspect : 16.0 / 9.0;
    const RECT& A = in->rcWork;
    int minW = in->nMinWidth;
    int minH = in->nFrameH + m_RoundByMode((minW - in->nFrameW) / a + 0.5, 0);
    // The largest size inside the work area that keeps the aspect.
    int maxW = A.right - A.left, maxH = A.bottom - A.top;
    int byH = in->nFrameW + m_RoundByMode((maxH - in->nFrameH) * a, 0);
    if (byH < maxW)
        maxW = byH;
    else
        maxH = in->nFrameH + m_RoundByMode((maxW - in->nFrameW) / a, 0);
    if (in->nAnchor) {
        const POINT& p = in->ptAnchor;
        int f = in->nAnchor;
        if (f & ANCHOR_LEFT) maxW = (std::min)(maxW, (int)(A.right - p.x));
        if (f & ANCHOR_RIGHT) maxW = (std::min)(maxW, (int)(p.x - A.left));
        if (f & ANCHOR_TOP) maxH = (std::min)(maxH, (int)(A.bottom - p.y));
        if (f & ANCHOR_BOTTOM) maxH = (std::min)(maxH, (int)(p.y - A.top));
    }
    int w = (std::min)((int)(rc->right - rc->left), maxW);
    int h = (std::min)((int)(rc->bottom - rc->top), maxH);
    int fromH = in->nFrameW + m_RoundByMode((h - in->nFrameH) * a, 0);
    int fromW = in->nFrameH + m_RoundByMode((w - in->nFrameW) / a, 0);
    int byHeight = (code >= 11 && code <= 14) || code == 23 || code == 24;
    int byWidth = (code >= 15 && code <= 18) || code == 21 || code == 22;
    if (byHeight)
        w = fromH;
    else if (byWidth)
        h = fromW;
    else if (fromH < w)
        w = fromH;
    else
        h = fromW;
    if (in->pStops && in->nStopDistance > 0) {
        int i = m_NearestSizeStop(in->pStops, w - in->nFrameW, h - in->nFrameH, in->nStopDistance);
        if (i >= 0) {
            w = in->pStops->items[i].nWidth + in->nFrameW;
            h = in->pStops->items[i].nHeight + in->nFrameH;
        }
    }
    // Deriving one side may overrun the other's limit: scale both back.
    if (w > maxW) w = maxW, h = in->nFrameH + m_RoundByMode((w - in->nFrameW) / a, 0);
    if (h > maxH) h = maxH, w = in->nFrameW + m_RoundByMode((h - in->nFrameH) * a, 0);
    if (w < minW) w = minW, h = minH;
    if (h < minH) h = minH, w = minW;
    int flags = in->nAnchor ? in->nAnchor : m_GetSizingAnchor(code);
    POINT pt = in->nAnchor ? in->ptAnchor : m_AnchorPoint(rc, flags);
    *rc = m_PlaceAtAnchor(flags, pt, w, h);
    m_ShiftInside(rc, &A);
}

void m_ConstrainSizingRect(int code, RECT* inout)
{
    SSIZINGIN in = {};
    in.nFrameW = m_GetFrameExtraWidth();
    in.nFrameH = m_GetFrameExtraHeight();
    in.dAspect = g_VideoAspect;
    in.nMinWidth = GetSystemMetrics(SM_CXMIN);
    if (!m_GetRectMonitorWorkArea(&in.rcWork, inout)) return;
    in.nAnchor = m_GetSizingAnchor(code);
    in.ptAnchor = m_AnchorPoint(inout, in.nAnchor);
    SSIZESTOPS stops = {};
    RECT area = in.rcWork;
    area.right -= in.nFrameW;
    area.bottom -= in.nFrameH;
    SIZE frame = {in.nFrameW, in.nFrameH};
    m_CalcSizeStops(&stops, &area, in.dAspect, g_VideoSize.cx, in.nAnchor, in.ptAnchor, frame);
    in.pStops = &stops;
    in.nStopDistance = g_Settings.Common_Snap[0] ? g_Settings.Common_Snap[1] / 2 : 0;
    m_CalcSizingRect(&in, code, inout);
}
