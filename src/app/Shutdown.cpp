#include "app/Shutdown.h"

#include "app/CommandLine.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/MainWindowLookFonts.h"
#include "app/PopupMenu.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "app/ToolWindows.h"
#include "base/FileFacts.h"
#include "base/ImageFile.h"
#include "base/SoundCue.h"
#include "engine/PreviewPlayer.h"
#include "engine/SystemAudio.h"
#include "engine/VideoRenderer.h"
#include "library/Library.h"
#include "playback/PlaybackControl.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

void m_HideIfVisible(HWND window)
{
    if (window && IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
}

// In full screen everything goes out of sight at once, before the slower
// saving below. With the full-screen fade, full screen is left so that its
// backdrop fades out; the run still counts as ended in full screen, so that
// the next start can enter it again.
void m_HideFullScreen()
{
    if (!g_FullScreen) return;
    m_HideIfVisible(m_Favorite_GetWindow());
    m_HideIfVisible(g_Playlist.m_GetWindow());
    m_HideIfVisible(g_hWndFullScreen);
    m_HideIfVisible(g_hWndMain);
    if (!g_Settings.Fullscr_Fade[0]) return;
    const SMAINWINDOWSTATE kept = g_MainWindowState;
    m_FullScreen_Set(0, -1, -1, 1, 0, 2);
    g_MainWindowState.nWindowMode = kept.nWindowMode;
    g_MainWindowState.nFullMonitor = kept.nFullMonitor;
    g_MainWindowState.nFullSub = kept.nFullSub;
}

// Visible tool windows keep their places; the playlist window stays set to
// open, so it is hidden without noting a side.
void m_HideToolWindows()
{
    HWND favorites = m_Favorite_GetWindow();
    if (favorites && IsWindowVisible(favorites)) m_ShowFavoWindow(0, 0);
    m_SaveSettings(0);
    HWND playlist = g_Playlist.m_GetWindow();
    if (playlist && IsWindowVisible(playlist)) {
        m_SavePlayListWnd(0, 0);
        g_Playlist.m_ShowWindow(SW_HIDE);
    }
}

// The engine goes with its video window's owner still there: its graph
// was closed with the file.
void m_FreeEngine()
{
    delete g_VideoRenderer;
    g_VideoRenderer = nullptr;
}

void m_DestroyWindows()
{
    g_Playlist.m_DestroyWindow();
    if (g_hWndFullScreen && IsWindow(g_hWndFullScreen)) DestroyWindow(g_hWndFullScreen);
    g_hWndFullScreen = nullptr;
    if (g_hWndMain) DestroyWindow(g_hWndMain);
}

}  // namespace

void m_Shutdown()
{
    m_HideFullScreen();
    if (g_hInstanceMutex) CloseHandle(g_hInstanceMutex);
    g_hInstanceMutex = nullptr;
    m_PopupMenu_CloseAll();
    m_HideToolWindows();
    m_HideIfVisible(g_hWndMain);
    m_Preview_Close();
    m_CloseFile(0, 0, 1, 1);
    // The duration scan may be inside a probe graph: a process that ends
    // under it ends with a crash (under Wine a SIGSEGV in the media back end).
    m_StopScanThread();
    m_WaitScanThread();
    // A jump-list start shows one sheet and must not move the window's
    // remembered place.
    if (!g_CmdLine.bJumpList) m_Settings_WriteMain(0, 0xFFFF);
    if (g_hPowerNotify) UnregisterPowerSettingNotification(g_hPowerNotify);
    g_hPowerNotify = nullptr;
    m_DeleteDialogFonts();
    m_SysAudio_Close();
    m_GdiplusShutdown();
    m_FreeEngine();
    m_PlaySoundCue(-1);
    m_DestroyWindows();
}
