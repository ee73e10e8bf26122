#include "app/Shutdown.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "app/ToolWindows.h"
#include "library/Library.h"
#include "playback/PlaybackControl.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

// Visible tool windows keep their places; the playlist window stays set to
// open, so it is hidden without noting a side.
void m_HideToolWindows()
{
    HWND favorites = m_Favorite_GetWindow();
    if (favorites && IsWindowVisible(favorites)) m_ShowFavoWindow(0, 0);
    HWND playlist = g_Playlist.m_GetWindow();
    if (playlist && IsWindowVisible(playlist)) {
        m_SavePlayListWnd(0, 0);
        g_Playlist.m_ShowWindow(SW_HIDE);
    }
}

}  // namespace

void m_Shutdown()
{
    m_HideToolWindows();
    m_CloseFile(0, 0, 1, 1);
    m_Settings_WriteMain(0, 0xFFFF);
    m_SaveSettings(0);
    if (g_hPowerNotify) UnregisterPowerSettingNotification(g_hPowerNotify);
    g_hPowerNotify = nullptr;
    g_Playlist.m_DestroyWindow();
    DestroyWindow(g_hWndMain);
}
