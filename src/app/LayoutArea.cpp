#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/WindowSize.h"
#include "base/Geometry.h"

namespace {

POINT s_MinTrack;

int m_ExtraFrameHeight()
{
    RECT window, client;
    if (!GetWindowRect(g_hWndMain, &window) || !GetClientRect(g_hWndMain, &client)) return 0;
    return (window.bottom - window.top) - client.bottom;
}

}  // namespace

void m_GetVideoArea(RECT* out)
{
    RECT client = {};
    GetClientRect(g_hWndMain, &client);
    *out = RECT{0, g_TopLine, client.right, client.bottom - m_GetControlBarHeight()};
    if (out->bottom < out->top) out->bottom = out->top;
}

void m_GetFrameMargins(RECT* out)
{
    const SSETTINGS& s = g_Settings;
    int dpi = g_DpiPercent;
    out->left = m_ScaleValue(s.Ctrl_Frm + s.Ctrl_FrmOff[0], dpi, 100, 0);
    out->top = m_ScaleValue(s.Ctrl_Frm + s.Ctrl_FrmOff[1], dpi, 100, 0);
    out->right = m_ScaleValue(s.Ctrl_Frm + s.Ctrl_FrmOff[2], dpi, 100, 0);
    out->bottom = m_ScaleValue(s.Ctrl_Frm + s.Ctrl_FrmOff[3], dpi, 100, 0);
}

void m_GetMinTrackSize(POINT* out) { *out = s_MinTrack; }

void m_LayoutClientArea(int width, int height)
{
    if (!g_hWndMain) return;
    RECT client;
    GetClientRect(g_hWndMain, &client);
    if (width == -1) width = client.right;
    if (height == -1) height = client.bottom;
    m_UpdateLineFlags();
    int panelHeight = m_GetControlBarHeight();
    HWND panel = GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL);
    if (panel) {
        int top = height - panelHeight;
        SetWindowPos(
            panel, nullptr, 0, top < 0 ? 0 : top, width, panelHeight,
            SWP_NOZORDER | SWP_NOACTIVATE | (panelHeight ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
        m_LayoutPanels(width);
    }
    s_MinTrack.x = GetSystemMetrics(SM_CXMIN);
    s_MinTrack.y = panelHeight + m_ExtraFrameHeight();
    RECT area;
    m_GetVideoArea(&area);
    m_OnVideoAreaChanged(&area);
    if (panel) InvalidateRect(panel, nullptr, FALSE);
}
