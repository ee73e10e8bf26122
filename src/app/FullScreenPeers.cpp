// The windows that go along with full screen: the tooltips lifted into the
// topmost band with it, the tool windows put back out of that band when it
// ends, and the [Fullscr] "Mlt" flags that keep the launcher and the
// jump-list view in the main window while full screen is on another monitor.
#include "app/FullScreenPeers.h"

#include "app/ControlTooltips.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "controls/MenuManager.h"
#include "library/Library.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

int s_KeepLauncher;
int s_KeepJumpList;

void m_SetZOrder(HWND window, HWND after)
{
    if (window && IsWindow(window)) SetWindowPos(window, after, 0, 0, 0, 0, kZOrderOnly);
}

}  // namespace

void m_FullScreen_KeepFlagsFor(int other, const int mlt[3], int* keepLauncher, int* keepJumpList)
{
    *keepLauncher = other && mlt[1] ? 1 : 0;
    *keepJumpList = other && mlt[2] ? 1 : 0;
}

void m_FullScreen_SetKeepFlags(int other)
{
    m_FullScreen_KeepFlagsFor(other, g_Settings.Fullscr_Mlt, &s_KeepLauncher, &s_KeepJumpList);
}

int m_FullScreen_KeepsLauncher() { return s_KeepLauncher; }
int m_FullScreen_KeepsJumpList() { return s_KeepJumpList; }

HWND m_GetLauncherHostWindow()
{
    return g_FullScreen && g_hWndFullScreen && !s_KeepLauncher ? g_hWndFullScreen : g_hWndMain;
}

void m_FullScreen_RaiseToolTips()
{
    // Tooltips under the topmost full-screen window would never be seen.
    m_SetZOrder(m_GetToolTips(TOOLTIP_GROUP_MAIN), HWND_TOPMOST);
}

void m_FullScreen_ToolWindowsNotTopmost()
{
    // The options, timer and rename windows have no window yet.
    m_SetZOrder(g_Playlist.m_GetWindow(), HWND_NOTOPMOST);
    m_SetZOrder(m_Favorite_GetWindow(), HWND_NOTOPMOST);
}

void m_FullScreen_CloseMenuOf(HWND window) { g_MenuManager.m_CloseIfOwner(0, window); }
