// Activating one of the program's windows brings the others along, so that
// the main window and its tool windows stay together in the z-order.
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/ToolWindows.h"
#include "base/WindowMisc.h"
#include "library/Library.h"
#include "playlist/Playlist.h"

namespace {

HWND s_LastToolWindow;

// The timer, options and rename windows have no window yet.
HWND m_TimerWindow() { return nullptr; }
HWND m_OptionsWindow() { return nullptr; }
HWND m_RenameWindow() { return nullptr; }

void m_Raise(HWND window, int activate)
{
    if (!window || !IsWindowVisible(window)) return;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW;
    if (!activate) flags |= SWP_NOACTIVATE;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, flags);
}

void m_OnMainActivated(HWND other)
{
    HWND playlist = g_Playlist.m_GetWindow();
    HWND favorites = m_Favorite_GetWindow();
    if (other && (other == playlist || other == favorites)) {
        s_LastToolWindow = other;
        return;
    }
    if (m_IsCursorInWindow(g_hWndMain)) {
        m_Raise(favorites, 0);
        m_Raise(m_TimerWindow(), 0);
        m_Raise(m_OptionsWindow(), 0);
        m_Raise(m_RenameWindow(), 0);
        m_Raise(playlist, 0);
        m_Raise(g_hWndMain, 1);
        return;
    }
    m_Raise(g_hWndMain, 0);
    m_Raise(playlist, 0);
    m_Raise(favorites, 1);
    m_Raise(m_TimerWindow(), 1);
    m_Raise(m_OptionsWindow(), 1);
    m_Raise(m_RenameWindow(), 1);
}

void m_OnFullScreenActivated()
{
    m_Raise(g_Playlist.m_GetWindow(), 0);
    m_Raise(m_Favorite_GetWindow(), 0);
    m_Raise(m_TimerWindow(), 0);
    m_Raise(m_OptionsWindow(), 0);
    m_Raise(m_RenameWindow(), 0);
}

// The main window goes directly below the playlist window.
void m_OnPlaylistActivated(HWND playlist)
{
    if (!m_IsCursorInWindow(playlist)) return;
    SetWindowPos(g_hWndMain, playlist, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
    m_Raise(playlist, 1);
}

}  // namespace

void m_RaiseToolWindows(HWND activated, HWND other, int state)
{
    if (state == WA_INACTIVE || !activated) return;
    if (activated == g_hWndMain)
        m_OnMainActivated(other);
    else if (g_hWndFullScreen && activated == g_hWndFullScreen)
        m_OnFullScreenActivated();
    else if (activated == g_Playlist.m_GetWindow())
        m_OnPlaylistActivated(activated);
}

HWND m_GetLastToolWindow() { return s_LastToolWindow; }
