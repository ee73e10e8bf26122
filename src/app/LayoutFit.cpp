#include <stdlib.h>

#include "app/Layout.h"
#include "app/LayoutAnchor.h"
#include "app/LayoutSnap.h"
#include "app/MainWindow.h"
#include "app/WindowSize.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

namespace {

int m_ShiftOrCtrlDown() { return (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL)) < 0; }

// The video area less the frame margins, as it stands.
SIZE m_CurrentVideoBox()
{
    RECT area, margins;
    m_GetVideoArea(&area);
    m_GetFrameMargins(&margins);
    return SIZE{area.right - area.left - margins.left - margins.right,
                area.bottom - area.top - margins.top - margins.bottom};
}

int m_FitKeepingAspect()
{
    m_UpdateZoomReferences(0);
    SIZE fit = g_ZoomRefs.szFit, now = m_CurrentVideoBox();
    if (fit.cx <= 0 || fit.cy <= 0) return 0;
    if (abs(fit.cx - now.cx) <= 1 && abs(fit.cy - now.cy) <= 1) return 0;
    if (g_PlayState != 0 && g_VideoSize.cx > 0) g_WindowZoom = g_ZoomRefs.dFit;
    int flags = m_SetResizeAnchor(ANCHOR_AUTO, 0);
    m_ResizeForVideo(fit.cx, fit.cy, flags, 1);
    return 1;
}

int m_FillWorkArea()
{
    RECT work, window;
    if (!m_GetWindowMonitorWorkArea(&work, g_hWndMain, 1)) return 0;
    if (!m_GetWindowRect(g_hWndMain, &window, -1) || EqualRect(&work, &window)) return 0;
    m_SetWindowPos(g_hWndMain, nullptr, work.left, work.top, work.right - work.left,
                   work.bottom - work.top, SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    return 1;
}

}  // namespace

int m_FitWindowToWorkArea()
{
    if (m_ShiftOrCtrlDown() || !g_hWndMain) return 0;
    if (IsZoomed(g_hWndMain)) ShowWindow(g_hWndMain, SW_RESTORE);
    int changed = g_Settings.Common_RatHld ? m_FitKeepingAspect() : m_FillWorkArea();
    if (!changed) return 0;
    m_ShowSizeText(1);
    return 1;
}
