// The playlist window at a DPI: its fonts, row height, columns, button
// images and layout, and the move that keeps the pointer over the same
// point of the window when the DPI changes.
#include <commctrl.h>

#include "app/DpiChange.h"
#include "app/ToolWindowPlacement.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "controls/MenuManager.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistLayoutParts.h"
#include "playlist/PlaylistSplit.h"
#include "settings/Settings.h"

namespace {

BOOL CALLBACK m_SetChildFont(HWND child, LPARAM font)
{
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

HFONT m_CreateTabFont(int height)
{
    return CreateFontW(height, m_RoundByMode(0.8 * height, 0), 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH, L"游ゴシック");
}

double m_Fraction(LONG at, LONG lo, LONG hi)
{
    return hi > lo ? (double)(at - lo) / (hi - lo) : 0.5;
}

RECT m_MonitorAt(POINT pt)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &info)) return RECT{};
    return info.rcMonitor;
}

// The window rectangle and pointer after rescaling the client area from
// one percent to another; 1 when the pointer is to follow.
int m_RescaleAround(const SPLAYLISTWND& w, int oldPct, int newPct, const RECT* suggested,
                    RECT* window, POINT* pointer)
{
    SPLAYLISTDPIMOVE in = {};
    RECT client = {};
    GetWindowRect(w.Dialog, &in.Now);
    GetClientRect(w.Dialog, &client);
    const RECT& now = in.Now;
    // The frame as the platform has it now; m_CorrectClientSize mends the
    // size where the frame changes with the DPI after the move.
    in.Window.cx =
        (now.right - now.left) - client.right + m_ScaleValue(client.right, newPct, oldPct, 0);
    in.Window.cy =
        (now.bottom - now.top) - client.bottom + m_ScaleValue(client.bottom, newPct, oldPct, 0);
    GetCursorPos(&in.Pointer);
    const int anchored = !IsRectEmpty(&w.PressWindow);
    const POINT at = anchored ? w.PressCursor : in.Pointer;
    const RECT& anchor = anchored ? w.PressWindow : now;
    in.Fx = m_Fraction(at.x, anchor.left, anchor.right);
    in.Fy = m_Fraction(at.y, anchor.top, anchor.bottom);
    // Wine hands a WM_DPICHANGED sent from another process an empty rectangle.
    if (suggested && !IsRectEmpty(suggested)) {
        in.Suggested = *suggested;
        in.MonitorNew = m_MonitorAt(m_RectCenter(suggested));
        in.MonitorOld = m_MonitorAt(m_RectCenter(&now));
    }
    return m_Playlist_DpiMove(in, window, pointer);
}

// Where the frame changes with the DPI the window is sized once more, so
// that the client area gets the scaled size (Wine keeps one frame at every
// DPI, where this does nothing).
void m_CorrectClientSize(HWND window, int clientW, int clientH)
{
    RECT client, rc;
    if (!GetClientRect(window, &client) || !GetWindowRect(window, &rc)) return;
    const int dw = clientW - client.right, dh = clientH - client.bottom;
    if (dw == 0 && dh == 0) return;
    SetWindowPos(window, nullptr, 0, 0, rc.right - rc.left + dw, rc.bottom - rc.top + dh,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CPlaylist::m_SetDpi(int percent)
{
    const int clamped = m_Playlist_ClampDpi(percent);
    if (m_W.Ready && m_W.Dialog) {
        m_ApplyDpi(clamped, 1);
        return;
    }
    m_W.DpiPercent = clamped;
    m_Scale = clamped;
}

void CPlaylist::m_ApplyDpi(int percent, int force)
{
    if (!m_W.Ready || !m_W.Dialog) return;
    if (percent == -1) percent = m_GetWindowDpiPercent(m_W.Dialog);
    percent = m_Playlist_ClampDpi(percent);
    if (!force && percent == m_W.DpiPercent) return;
    m_W.DpiPercent = percent;
    m_Scale = percent;

    HFONT font = m_CreateUIFont(percent);
    if (font) {
        EnumChildWindows(m_W.Dialog, m_SetChildFont, reinterpret_cast<LPARAM>(font));
        if (m_W.Font) DeleteObject(m_W.Font);
        m_W.Font = font;
    }
    HFONT tabFont = m_CreateTabFont(m_U(13));
    if (tabFont) {
        if (m_W.TabFont) DeleteObject(m_W.TabFont);
        m_W.TabFont = tabFont;
    }
    if (m_W.Menus) m_W.Menus->m_SetScale(static_cast<UINT>(percent), 1);
    m_InvalidateStatusFont(0);
    m_W.LastAutoWidth = -1;  // the time column's least width follows the DPI

    m_SetItemHeight(0);
    m_ApplyColumnRatios();
    m_LoadButtonImages();
    // The split lays the children out itself.
    if (g_PlaylistView.bAdjust)
        m_LayoutLists(1);
    else
        m_MoveChildren(-1, -1);
    m_PlaylistReadRowMetrics(*this, m_W.RowHeight);
}

void CPlaylist::m_OnDpiChanged(int dpi, const RECT* suggested)
{
    if (!m_W.Ready || !m_W.Dialog || dpi <= 0) return;
    const int newPct = m_Playlist_ClampDpi(m_RoundByMode(dpi * 100.0 / 96.0, 0));
    m_SendNotice(kNoticePlaylistDpi, newPct);
    // The main window moving across monitors places this one itself.
    if (!m_DpiChange_IsMoving()) m_RescaleWindow(newPct, suggested);
    m_ApplyDpi(newPct, 0);
}

void CPlaylist::m_RescaleWindow(int newPct, const RECT* suggested)
{
    RECT rc;
    POINT pt;
    const int movePointer = m_RescaleAround(m_W, m_W.DpiPercent, newPct, suggested, &rc, &pt);
    RECT client = {};
    GetClientRect(m_W.Dialog, &client);
    const int clientW = m_ScaleValue(client.right, newPct, m_W.DpiPercent, 0);
    const int clientH = m_ScaleValue(client.bottom, newPct, m_W.DpiPercent, 0);

    const int handled = m_W.NoticesHandled;
    m_W.NoticesHandled = 0;
    SetWindowPos(m_W.Dialog, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_CorrectClientSize(m_W.Dialog, clientW, clientH);
    m_W.NoticesHandled = handled;
    if (movePointer) SetCursorPos(pt.x, pt.y);
    m_W.PressCursor = pt;
    GetWindowRect(m_W.Dialog, &m_W.PressWindow);
    GetClientRect(m_W.Dialog, &m_W.PressClient);
    m_ClientToScreenRect(m_W.Dialog, &m_W.PressClient);
    if (!g_Settings.Common_Snap[0]) m_W.DpiMoved = 1;
}
