#include "app/ToolWindows.h"

#include <dwmapi.h>
#include <stdlib.h>

#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "base/Dpi.h"
#include "base/ErrorLog.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "library/Library.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "settings/SettingsValue.h"

namespace {

const int kToolWidth = 280;
const int kToolHeight = 400;
const DWORD kDwmWindowCornerPreference = 33;
// The show command that only creates the playlist window.
const int kCreateOnly = 6;

int m_AtDpi(int value) { return m_ScaleValue(value, g_DpiPercent, 100, 0); }

// Tool windows stay above a topmost main window.
void m_TopmostLikeMain(HWND window)
{
    if (!(GetWindowLongPtrW(g_hWndMain, GWL_EXSTYLE) & WS_EX_TOPMOST)) return;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void m_MoveVisible(HWND window, const RECT& rc)
{
    m_SetWindowPos(window, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE, -1, 1);
}

// The stored rectangle at the DPI of the monitor at its centre, kept in
// that monitor's work area.
RECT m_RestoreStored(const SPLACEMENT& pos)
{
    RECT rc = m_Placement_Rect(&pos);
    POINT centre = m_RectCenter(&rc);
    m_Placement_ScaleToDpi(&rc, pos.nDpi, m_GetPointDpiPercent(centre));
    RECT area;
    if (m_GetMonitorRect(&area, &centre, 0)) m_ClampRectToArea(&rc, &area);
    return rc;
}

// ---- favorites ----

// Without a stored size: the default size, towards the lower right of the
// main window's work area.
RECT m_FavoDefaultRect()
{
    int w = m_AtDpi(kToolWidth), h = m_AtDpi(kToolHeight);
    RECT area = {0, 0, w, h};
    m_GetMonitorRect(&area, nullptr, 0);
    int x = area.left + (int)(0.75 * (area.right - area.left - w));
    int y = area.top + (int)(0.75 * (area.bottom - area.top - h));
    return RECT{x, y, x + w, y + h};
}

// A tool window's button stays pressed while the window shows.
void m_PressButton(int button, int pressed) { g_ControlButtons[button].m_SetCheck(pressed, 1); }

void m_HideFavoWindow(HWND window)
{
    ShowWindow(window, SW_HIDE);
    m_PressButton(CB_FAVORITES, 0);
    if (m_Favorite_IsModified()) m_Favorite_WriteFile(1, 1);
    if (m_Placement_FromWindow(window, &g_FavoPlacement)) m_SaveFavoWndPos(0);
}

// ---- playlist ----

int m_StoredSide() { return abs(g_MainWindowState.nPlaylistWindow); }

// Where a new playlist window goes, and the DPI it is made for.
RECT m_PlaylistStartRect(int* dpi)
{
    const SPLACEMENT& pos = g_PlaylistView.Pos;
    if (pos.nWidth > 0 && pos.nHeight > 0) {
        RECT rc = m_Placement_Rect(&pos);
        *dpi = m_GetRectDpiPercent(rc);
        m_Placement_ScaleToDpi(&rc, pos.nDpi, *dpi);
        return rc;
    }
    *dpi = g_DpiPercent;
    int w = m_AtDpi(kToolWidth), h = m_AtDpi(kToolHeight);
    RECT area = {0, 0, w, h};
    m_GetMonitorRect(&area, nullptr, 0);
    int x = area.left + (area.right - area.left - w) / 2;
    int y = area.top + (area.bottom - area.top - h) / 2;
    return RECT{x, y, x + w, y + h};
}

void m_ApplyCornerPreference(HWND window)
{
    if (!g_Settings.Ctrl_WndCor) return;
    DWORD preference = (DWORD)g_Settings.Ctrl_WndCor;
    HRESULT hr =
        DwmSetWindowAttribute(window, kDwmWindowCornerPreference, &preference, sizeof(preference));
    if (FAILED(hr))
        m_WriteLog(L"MAIN_%d : Error / DwmSetWindowAttribute() = 0x%08X", __LINE__, (unsigned)hr);
}

BOOL m_CreatePlaylistWindow()
{
    m_ReadPlayListWnd();
    int dpi = 100;
    RECT visible = m_PlaylistStartRect(&dpi);
    RECT frame = visible;
    m_AdjustRectForBorder(&frame, 0, 0, dpi);
    if (!g_Playlist.m_CreateWindow(&frame, dpi)) return FALSE;
    HWND window = g_Playlist.m_GetWindow();
    m_ApplyCornerPreference(window);
    if (g_PlaylistView.bAttach) {
        m_Dock_PlacePlaylist(m_StoredSide(), 0, nullptr);
    } else {
        POINT centre = m_RectCenter(&visible);
        RECT area;
        if (m_GetMonitorRect(&area, &centre, 0)) m_ClampRectToArea(&visible, &area);
        m_MoveVisible(window, visible);
    }
    // The window filled its rows when it was made; showing it refreshes them.
    return TRUE;
}

// [Main] "List" while shown: the side it lies on, so that the next start
// opens it there.
void m_NoteShownSide(HWND window)
{
    int side = m_GetSideOfMainWindow(window);
    if (!side) side = m_StoredSide();
    g_MainWindowState.nPlaylistWindow = side ? side : 3;
}

// [Main] "List" is minus the side while hidden; written at once, and only
// when the file holds another value.
void m_NoteHiddenSide(HWND window)
{
    int value = -m_GetSideOfMainWindow(window);
    g_MainWindowState.nPlaylistWindow = value;
    if (value == g_MainWindowStateCopy.nPlaylistWindow) return;
    if (m_WriteSettingF(L"Main", L"List", L"%d", value))
        g_MainWindowStateCopy.nPlaylistWindow = value;
}

}  // namespace

void m_ShowFavoWindow(int show, int activate)
{
    HWND window = m_Favorite_GetWindow();
    if (!show) {
        if (window) m_HideFavoWindow(window);
        return;
    }
    if (!window) {
        window = m_Favorite_CreateWindow();
        if (!window) return;
        m_ReadFavoWndPos();
    }
    const SPLACEMENT& pos = g_FavoPlacement;
    m_MoveVisible(window,
                  pos.nWidth > 0 && pos.nHeight > 0 ? m_RestoreStored(pos) : m_FavoDefaultRect());
    ShowWindow(window, activate ? SW_SHOW : SW_SHOWNA);
    m_PressButton(CB_FAVORITES, 1);
    m_TopmostLikeMain(window);
}

void m_ShowPlayListWnd(int show, int nCmdShow)
{
    HWND window = g_Playlist.m_GetWindow();
    if (!show) {
        if (!window) return;
        g_Playlist.m_ShowWindow(SW_HIDE);
        m_PressButton(CB_PLAYLIST, 0);
        m_NoteHiddenSide(window);
        m_SavePlayListWnd(0, 0);
        return;
    }
    if (!window) {
        if (!m_CreatePlaylistWindow()) return;
        window = g_Playlist.m_GetWindow();
    } else if (g_PlaylistView.bAttach) {
        m_Dock_PlacePlaylist(m_StoredSide(), 0, nullptr);
    }
    if (nCmdShow != kCreateOnly) {
        g_Playlist.m_ShowWindow(nCmdShow);
        m_PressButton(CB_PLAYLIST, 1);
    }
    g_Playlist.m_RefreshPlayList();
    m_TopmostLikeMain(window);
    m_NoteShownSide(window);
}
