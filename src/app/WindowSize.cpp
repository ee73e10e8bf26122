#include "app/WindowSize.h"

#include <math.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/LayoutAnchor.h"
#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/PointerInput.h"
#include "app/StatusText.h"
#include "app/WindowPlacement.h"
#include "base/Geometry.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"
#include "playback/VideoWindow.h"
#include "playlist/Playlist.h"

SIZE g_VideoSize;
double g_WindowZoom = 1.0;
double g_FullScreenZoom = 1.0;
SIZE g_ReferenceArea;
SZOOMREFS g_ZoomRefs;
SSIZESTOPS g_SizeStops;
POINT g_VideoOffset = {65535, 65535};

namespace {

// The visible part of the video (host client coordinates), the whole
// placed video, and the share of the picture the visible part shows.
RECT s_VideoRect;
RECT s_PlacedRect;
double s_SourcePart[4] = {0, 0, 1, 1};
double s_Toggle100Zoom = 1.0;
double s_Toggle100Set = -1;

void m_Format(wchar_t* out, size_t cap, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    _vsnwprintf(out, cap, format, args);
    va_end(args);
    out[cap - 1] = 0;
}

void m_Show(const wchar_t* text) { m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1); }

int m_HasVideo() { return g_PlayState != 0 && g_VideoSize.cx > 0 && g_VideoSize.cy > 0; }

// The size a factor of 1 means: the video, or without one the reference area.
SIZE m_BaseSize()
{
    if (m_HasVideo()) return g_VideoSize;
    if (g_ReferenceArea.cx > 0 && g_ReferenceArea.cy > 0) return g_ReferenceArea;
    return SIZE{m_RoundByMode(480 * 1.777777778, 0), 480};
}

void m_AreaLessMargins(RECT* area)
{
    RECT m;
    m_GetFrameMargins(&m);
    m_InflateRectLTRB(area, -m.left, -m.top, -m.right, -m.bottom);
    if (area->right < area->left) area->right = area->left;
    if (area->bottom < area->top) area->bottom = area->top;
}

// The largest video area the work area leaves for the window. With
// underFrame the invisible resize borders may lie past the work area.
SIZE m_MaxVideoArea(int underFrame)
{
    RECT work = {0, 0, 65535, 65535};
    if (g_hWndMain) m_GetWindowMonitorWorkArea(&work, g_hWndMain, 1);
    SIZE most = {work.right - work.left - m_GetFrameExtraWidth(),
                 work.bottom - work.top - m_GetFrameExtraHeight()};
    RECT whole, visible;
    if (underFrame && g_hWndMain && GetWindowRect(g_hWndMain, &whole) &&
        m_GetWindowRect(g_hWndMain, &visible, -1)) {
        most.cx += (whole.right - whole.left) - (visible.right - visible.left);
        most.cy += (whole.bottom - visible.bottom);
    }
    return most;
}

// The video size of a factor, held between the minimum window and the room
// (the fixed area inside full screen or a maximised window, else the work
// area; 65535 pixels with oversize); limited is raised when the room held it.
SIZE m_SizeForFactor(double* factor, int* limited, int oversize, int underFrame, int inArea)
{
    SIZE base = m_BaseSize(), most;
    if (inArea) {
        RECT area;
        m_GetVideoPlaceArea(-1, &area);
        most = SIZE{area.right - area.left, area.bottom - area.top};
    } else {
        most = m_MaxVideoArea(underFrame);
    }
    if (oversize && m_HasVideo()) most = SIZE{65535, 65535};
    double f = *factor > 0 ? *factor : 1.0;
    *limited = 0;
    double fw = (double)most.cx / base.cx, fh = (double)most.cy / base.cy;
    // Inside an area the video may fill it in one direction and overflow in the other.
    double fmax = inArea && !oversize ? (fw > fh ? fw : fh) : (fw < fh ? fw : fh);
    if (f > fmax && fmax > 0) f = fmax, *limited = 1;
    double fmin = (double)(GetSystemMetrics(SM_CXMIN) - m_GetFrameExtraWidth()) / base.cx;
    if (inArea) fmin = 16.0 / base.cx;
    if (f < fmin) f = fmin;
    *factor = f;
    return SIZE{m_RoundByMode(base.cx * f, 0), m_RoundByMode(base.cy * f, 0)};
}

void m_ResizeAuto(SIZE video, int redraw)
{
    if (IsZoomed(g_hWndMain)) ShowWindow(g_hWndMain, SW_RESTORE);
    int flags = m_SetResizeAnchor(ANCHOR_AUTO, 0);
    m_ResizeForVideo(video.cx, video.cy, flags, redraw);
}

void m_Append(wchar_t* text, size_t cap, const wchar_t* format, ...)
{
    size_t used = wcslen(text);
    if (used + 1 >= cap) return;
    va_list args;
    va_start(args, format);
    _vsnwprintf(text + used, cap - used, format, args);
    va_end(args);
    text[cap - 1] = 0;
}

}  // namespace

int m_GetZoomPercent() { return m_RoundByMode(m_GetActiveZoom() * 10000, 0); }

int m_GetFrameExtraWidth()
{
    RECT window, client, m;
    if (!g_hWndMain || !GetWindowRect(g_hWndMain, &window) || !GetClientRect(g_hWndMain, &client))
        return 0;
    m_GetFrameMargins(&m);
    return m.left + m.right + (window.right - window.left) - client.right;
}

int m_GetFrameExtraHeight()
{
    RECT window, client, m;
    if (!g_hWndMain || !GetWindowRect(g_hWndMain, &window) || !GetClientRect(g_hWndMain, &client))
        return 0;
    m_GetFrameMargins(&m);
    return g_TopLine + m.top + m.bottom + (window.bottom - window.top) - client.bottom +
           m_GetControlBarHeight();
}

void m_OnVideoAreaChanged(const RECT* area)
{
    RECT inner = *area;
    m_AreaLessMargins(&inner);
    if (g_PlayState == 0)
        g_ReferenceArea = SIZE{inner.right - inner.left, inner.bottom - inner.top};
    m_UpdateZoomReferences(-1);
    m_ApplyVideoRect(0, 0);
}

void m_SetVideoSizeKeepZoom(int w, int h)
{
    g_VideoSize = SIZE{w, h};
    g_VideoWidth = w;
    g_VideoHeight = h;
    g_VideoAspect = w > 0 && h > 0 ? (double)w / h : 1.777777778;
    m_UpdateZoomReferences(-1);
}

void m_SetVideoSize(int w, int h)
{
    g_WindowZoom = g_FullScreenZoom = 1.0;
    g_VideoOffset = POINT{65535, 65535};
    m_SetVideoSizeKeepZoom(w, h);
}

void m_UpdateZoomReferences(int fullScreen)
{
    if (!g_hWndMain) return;
    RECT area;
    const int fs = fullScreen < 0 ? g_FullScreen && g_hWndFullScreen : fullScreen && g_FullScreen;
    if (fs || IsZoomed(g_hWndMain)) {
        m_GetVideoPlaceArea(fs, &area);
    } else {
        if (!m_GetWindowMonitorWorkArea(&area, g_hWndMain, 1)) return;
        area.right -= m_GetFrameExtraWidth();
        area.bottom -= m_GetFrameExtraHeight();
    }
    SIZE size = {area.right - area.left, area.bottom - area.top};
    SIZE base = m_BaseSize();
    m_CalcZoomRefs(base.cx, g_VideoAspect, size, &g_ZoomRefs);
}

void m_BuildSizeStops()
{
    RECT area, window;
    g_SizeStops.nCount = 0;
    if (!g_hWndMain || !m_GetWindowRect(g_hWndMain, &window, -1)) return;
    SIZE frame = {0, 0};
    const int fullHere = g_FullScreen && g_hWndFullScreen && !g_FullScreenOtherMonitor;
    if (fullHere || IsZoomed(g_hWndMain)) {
        m_GetVideoPlaceArea(fullHere, &area);
    } else {
        if (!m_GetWindowMonitorWorkArea(&area, g_hWndMain, 1)) return;
        frame = SIZE{m_GetFrameExtraWidth(), m_GetFrameExtraHeight()};
        area.right -= frame.cx;
        area.bottom -= frame.cy;
    }
    int anchor = g_ResizeAnchor.bValid ? g_ResizeAnchor.nFlags : 0;
    POINT pt = g_ResizeAnchor.bValid ? g_ResizeAnchor.pt : m_AnchorPoint(&window, 0);
    SSIZESTOPEXTRA extra = {};
    RECT video;
    m_GetVideoPlaceArea(0, &video);
    if (g_Settings.Common_RatHld && video.bottom > video.top)
        extra.dHoldAspect = (double)(video.right - video.left) / (video.bottom - video.top);
    HWND playlist = g_Playlist.m_GetWindow();
    RECT list;
    if (g_PlaylistDock == 2 && playlist && IsWindowVisible(playlist) &&
        m_GetWindowRect(playlist, &list, -1)) {
        extra.nDockSide = g_PlaylistDockSide;
        extra.szDock = SIZE{list.right - list.left, list.bottom - list.top};
    }
    m_CalcSizeStopsEx(&g_SizeStops, &area, g_VideoAspect, m_BaseSize().cx, anchor, pt, frame,
                      &extra);
}

int m_GetVideoRect(RECT* out)
{
    if (!out) return 0;
    *out = s_VideoRect;
    return !IsRectEmpty(out);
}

RECT m_GetPlacedVideoRect() { return s_PlacedRect; }

void m_GetVideoSourcePart(double out[4])
{
    for (int i = 0; i < 4; ++i) out[i] = s_SourcePart[i];
}

void m_ForgetVisibleVideoPart()
{
    SetRectEmpty(&s_PlacedRect);
    SetRectEmpty(&s_VideoRect);
}

void m_ApplyVideoRect(int fullScreen, int redraw)
{
    const int inFullScreen = g_FullScreen && g_hWndFullScreen;
    const int fs = fullScreen < 0 ? inFullScreen : (fullScreen && inFullScreen);
    // The video lives in the full-screen window while full screen is on:
    // a layout of the main window (full screen on another monitor) does
    // not move it.
    if (!fs && inFullScreen) return;
    RECT area;
    m_GetVideoPlaceArea(fs, &area);
    if (!m_HasVideo() || IsRectEmpty(&area)) {
        m_ForgetVisibleVideoPart();
        return;
    }
    const double zoom = fs ? g_FullScreenZoom : g_WindowZoom;
    SVIDEOPLACE in = {};
    in.rcArea = area;
    in.szVideo =
        SIZE{m_RoundByMode(g_VideoSize.cx * zoom, 0), m_RoundByMode(g_VideoSize.cy * zoom, 0)};
    if (in.szVideo.cx < 1 || in.szVideo.cy < 1) return;
    in.ptOffset = g_VideoOffset;
    in.dZoom = zoom;
    SIZE size = {area.right - area.left, area.bottom - area.top};
    SZOOMREFS refs;
    m_CalcZoomRefs(g_VideoSize.cx, g_VideoAspect, size, &refs);
    in.dFit = refs.dFit;
    in.dFull = refs.dFull;
    in.bDragging = g_Mouse.bPanning;
    in.nSnap = g_Settings.Common_FsSnap;
    RECT placed = m_CalcVideoRect(&in);
    // Small moves (rounding as the zoom changes) keep the rectangle.
    const LONG slack = m_RoundByMode(2 * zoom + 0.5, 0);
    if (IsRectEmpty(&s_PlacedRect) || abs(placed.left - s_PlacedRect.left) > slack ||
        abs(placed.top - s_PlacedRect.top) > slack ||
        abs(placed.right - s_PlacedRect.right) > slack ||
        abs(placed.bottom - s_PlacedRect.bottom) > slack)
        s_PlacedRect = placed;
    if (!m_CalcVisiblePart(&s_PlacedRect, &area, &s_VideoRect, s_SourcePart)) return;
    m_VideoWindow_Place();
    if (redraw) m_InvalidateVideoWnd(fs, 0);
}

int m_ResizeForVideo(int w, int h, int anchor, int redraw)
{
    if (!g_hWndMain) return 0;
    if (w <= 0 || h <= 0) {
        w = m_RoundByMode(m_BaseSize().cx * g_WindowZoom, 0);
        h = m_RoundByMode(m_BaseSize().cy * g_WindowZoom, 0);
    }
    RECT window, work;
    if (!m_GetWindowRect(g_hWndMain, &window, -1)) return 0;
    int cx = w + m_GetFrameExtraWidth(), cy = h + m_GetFrameExtraHeight();
    // The window may have the size already (a size kept from the last run):
    // the new video still needs its place.
    if (cx == window.right - window.left && cy == window.bottom - window.top) {
        m_ApplyVideoRect(0, redraw);
        return 0;
    }
    POINT pt = g_ResizeAnchor.bValid ? g_ResizeAnchor.pt : m_AnchorPoint(&window, anchor);
    RECT rc = m_PlaceAtAnchor(anchor, pt, cx, cy);
    if (m_GetRectMonitorWorkArea(&work, &window)) m_ShiftInside(&rc, &work);
    m_SetWindowPos(g_hWndMain, nullptr, rc.left, rc.top, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE, -1,
                   0);
    m_ApplyVideoRect(0, redraw);
    return 1;
}

int m_SetWindowSize(int mode, int value, int showMessage, double factor)
{
    return m_SetWindowSizeEx(mode, value, showMessage, 1, 0, factor, -1, -1, 1);
}

int m_SetWindowSizeEx(int mode, int value, int showMessage, int redraw, int snapDistance,
                      double factor, int oversize, int underFrame, int inArea)
{
    if (oversize < 0) oversize = g_Settings.Fullscr_Ovr;
    if (underFrame < 0) underFrame = g_Settings.Common_UndFrm;
    inArea = inArea && m_InFixedArea() && m_HasVideo();
    SIZE base = m_BaseSize();
    double f = factor;
    if (mode == -1)
        f = m_GetActiveZoom();
    else if (mode == 0)
        f = (value ? value : 10000) / 10000.0;
    else if (mode == 1) {
        if (!value) value = g_ReferenceArea.cx * g_ReferenceArea.cy;
        f = sqrt((double)value / ((double)base.cx * base.cy));
    } else if (mode == 2)
        f = (double)(value ? value : g_ReferenceArea.cx) / base.cx;
    else if (mode == 3)
        f = (double)(value ? value : g_ReferenceArea.cy) / base.cy;
    int stop = -1;
    if (snapDistance > 0) {
        m_BuildSizeStops();
        stop = m_NearestSizeStop(&g_SizeStops, m_RoundByMode(base.cx * f, 0),
                                 m_RoundByMode(base.cy * f, 0), snapDistance);
        if (stop >= 0) f = g_SizeStops.items[stop].dFactor;
    }
    int limited = 0;
    SIZE video = m_SizeForFactor(&f, &limited, oversize, underFrame, inArea);
    if (inArea) {
        m_ZoomAtPoint(video.cx, video.cy);
    } else {
        if (m_HasVideo()) g_WindowZoom = f;
        m_ResizeAuto(video, redraw);
    }
    if (!showMessage) return 1;
    wchar_t text[256];
    double percent = f * 100;
    if (!m_HasVideo())
        m_Format(text, 256, L"SIZE : %d`*`%d", video.cx, video.cy);
    else if (mode == 1) {
        int count = video.cx * video.cy;
        if (count == value)
            m_Format(text, 256, L"SIZE PIXEL : %d````(%d`*`%d)", value, video.cx, video.cy);
        else
            m_Format(text, 256, L"SIZE PIXEL : %d````(%d)", value, count);
    } else if (mode == 2 || mode == 3) {
        const wchar_t* name = mode == 2 ? L"WIDTH" : L"HEIGHT";
        int got = mode == 2 ? video.cx : video.cy;
        if (got == value || limited)
            m_Format(text, 256, L"SIZE %s : %d````(%.1f%%)", name, value, percent);
        else
            m_Format(text, 256, L"SIZE %s : %d````(%d)", name, value, got);
    } else {
        m_Format(text, 256, L"SIZE : %.1f%%```(%d`*`%d)", mode == 0 ? value / 100.0 : percent,
                 video.cx, video.cy);
        if (limited) m_Append(text, 256, L"````(%.1f%%)", percent);
    }
    if (stop >= 0) m_AppendZoomLabel(text, 256, &g_ZoomRefs, f);
    m_Show(text);
    return 1;
}

int m_SetSizeLeavingFullScreen(int mode, int value, int redraw)
{
    if (!g_hWndMain) return 0;
    if (IsZoomed(g_hWndMain)) ShowWindow(g_hWndMain, SW_RESTORE);
    const int wasFullScreen = g_FullScreen;
    const int done = m_SetWindowSizeEx(mode, value, 0, redraw, 0, 0, -1, -1, 0);
    if (wasFullScreen) m_FullScreen_Set(0, 0, 0, 1, redraw, 0);
    return done;
}

void m_Size_SetCmd(int w, int h)
{
    if (w <= 0 || h <= 0) return;
    wchar_t text[64];
    m_Format(text, 64, L"SIZE : %d`*`%d", w, h);
    m_Show(text);
    const int wasFullScreen = g_FullScreen;
    if (m_HasVideo()) g_WindowZoom = (double)w / g_VideoSize.cx;
    m_ResizeAuto(SIZE{w, h}, 1);
    if (wasFullScreen) m_FullScreen_Set(0, 0, 0, 0, 1, 0);
}

void m_Size_StepCmd(int mode, int step, int showMessage)
{
    if (!step) return;
    SIZE base = m_BaseSize();
    const double zoom = m_GetActiveZoom();
    double now = mode == 2 ? base.cx * zoom : mode == 3 ? base.cy * zoom : zoom * 10000;
    double next = m_StepOnGrid(now, step);
    double f = mode == 2 ? next / base.cx : mode == 3 ? next / base.cy : next / 10000;
    const int inArea = m_InFixedArea() && m_HasVideo();
    int limited = 0;
    SIZE video =
        m_SizeForFactor(&f, &limited, g_Settings.Fullscr_Ovr, g_Settings.Common_UndFrm, inArea);
    if (inArea) {
        m_ZoomAtPoint(video.cx, video.cy);
    } else {
        if (m_HasVideo()) g_WindowZoom = f;
        m_ResizeAuto(video, 1);
    }
    wchar_t text[256];
    if (!m_HasVideo())
        m_Format(text, 256, L"SIZE : %d`*`%d", video.cx, video.cy);
    else {
        if (mode == 2)
            m_Format(text, 256, L"SIZE````WIDTH : %d", video.cx);
        else if (mode == 3)
            m_Format(text, 256, L"SIZE````HEIGHT : %d", video.cy);
        else
            m_Format(text, 256, L"SIZE : %.1f%%", f * 100);
        m_Append(text, 256, L"````(%.1f%%)", f * 100);
    }
    if (showMessage) m_Show(text);
}

void m_WindowSize_SetCmd(int w, int h)
{
    RECT rc;
    if (!g_hWndMain || !m_GetWindowRect(g_hWndMain, &rc, -1)) return;
    wchar_t text[64];
    if (w == 0 || h == 0) {
        if (w > 0)
            m_SetSizeLeavingFullScreen(2, w - m_GetFrameExtraWidth(), 1);
        else if (h > 0)
            m_SetSizeLeavingFullScreen(3, h - m_GetFrameExtraHeight(), 1);
        else
            return;
        m_Format(text, 64, w ? L"WINDOW WIDTH : %d" : L"WINDOW HEIGHT : %d", w ? w : h);
        m_Show(text);
        return;
    }
    if (IsZoomed(g_hWndMain)) {
        ShowWindow(g_hWndMain, SW_RESTORE);
        m_GetWindowRect(g_hWndMain, &rc, -1);
    }
    int keepW = w < 0, keepH = h < 0;
    if (keepW) w = rc.right - rc.left;
    if (keepH) h = rc.bottom - rc.top;
    const int wasFullScreen = g_FullScreen;
    int flags = m_SetResizeAnchor(ANCHOR_AUTO, 0);
    RECT to = m_PlaceAtAnchor(flags, g_ResizeAnchor.pt, w, h);
    m_SetWindowPos(g_hWndMain, nullptr, to.left, to.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE, -1,
                   0);
    if (wasFullScreen) m_FullScreen_Set(0, 0, 0, 0, 1, 0);
    const wchar_t* format = keepW   ? L"WINDOW SIZE : (%d)`*`%d"
                            : keepH ? L"WINDOW SIZE : %d`*`(%d)"
                                    : L"WINDOW SIZE : %d`*`%d";
    m_Format(text, 64, format, w, h);
    m_Show(text);
}

void m_Zoom_Toggle100()
{
    const double zoom = m_GetActiveZoom();
    if (fabs(zoom - s_Toggle100Set) > 0.001) {
        s_Toggle100Zoom = zoom;
        s_Toggle100Set = 1.0;
        m_SetWindowSize(0, 10000, 1, 0);
    } else {
        m_SetWindowSize(99, 0, 1, s_Toggle100Zoom);
    }
}

void m_ShowSizeText(int withLabel, int durationMs)
{
    wchar_t text[256];
    if (!m_HasVideo()) {
        RECT area;
        m_GetVideoPlaceArea(-1, &area);
        m_Format(text, 256, L"SIZE : %d`*`%d", area.right - area.left, area.bottom - area.top);
    } else {
        const double zoom = m_GetActiveZoom();
        SIZE v = {m_RoundByMode(g_VideoSize.cx * zoom, 0), m_RoundByMode(g_VideoSize.cy * zoom, 0)};
        m_Format(text, 256, L"SIZE : %.1f%%```(%d`*`%d)", zoom * 100, v.cx, v.cy);
        if (withLabel) m_AppendZoomLabel(text, 256, &g_ZoomRefs, zoom);
    }
    m_OSD_ShowText(text, -1, durationMs, -1, -1, -1, -1);
}

void m_WindowSize_OnTimer()
{
    if (g_hWndMain) KillTimer(g_hWndMain, 47);
    if ((GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL)) < 0) return;
    m_ShowSizeText(1);
}
