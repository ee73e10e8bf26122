// Always-on-top of the main window and the tool windows, with [Common]
// "PlyTop" keeping it to the time a file plays.
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/OsdBars.h"
#include "app/StatusText.h"
#include "app/WindowHelpers.h"
#include "base/BmpFont.h"
#include "engine/WineQuirks.h"
#include "library/Library.h"
#include "playback/PlaybackControl.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

// The state applied last: -1 before the first time.
int g_AppliedTopMost = -1;

constexpr UINT kZFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE;

void m_SetZ(HWND window, HWND after)
{
    if (window) SetWindowPos(window, after, 0, 0, 0, 0, kZFlags);
}

void m_SetToolWindowsZ(HWND after)
{
    m_SetZ(m_Favorite_GetWindow(), after);
    m_SetZ(g_Playlist.m_GetWindow(), after);
}

void m_ShowTopMostButton(int mode, int fade)
{
    CButtonPlus& button = g_ControlButtons[CB_TOPMOST];
    if (!button.m_GetHwnd()) return;
    button.m_SetCheck(mode != 0, 1);
    button.m_SetFrame(mode ? 1 : 0, 1, fade ? 2 : 0);
}

}  // namespace

int m_TopMost_Effective(int mode, int plyTop, int playing) { return mode && (!plyTop || playing); }

int m_TopMost_IsApplied() { return g_AppliedTopMost == 1; }

void m_SetTopMost(int mode, int showMessage, int force)
{
    ++g_TopMostCalls;
    if (showMessage == -1) return;
    g_MainWindowState.nTopMost = mode ? 1 : 0;
    const int on = m_TopMost_Effective(mode, g_Settings.Common_PlyTop, g_PlayState == 5);
    if (g_hWndMain && (force || on != g_AppliedTopMost)) {
        if (on) {
            if (!g_FullScreen) {
                m_SetToolWindowsZ(HWND_TOPMOST);
                if (force) m_SetZ(g_hWndMain, HWND_NOTOPMOST);
                m_SetZ(g_hWndMain, HWND_TOPMOST);
                m_Wine_MakeOwnerTopmost(g_hWndMain, kZFlags);
            }
        } else {
            m_SetToolWindowsZ(HWND_NOTOPMOST);
            m_SetZ(g_hWndMain, HWND_NOTOPMOST);
        }
        g_AppliedTopMost = on;
        m_OSD_FollowTopmost();
    }
    m_ShowTopMostButton(mode, showMessage > 0);
    if (showMessage > 0) {
        const int width = m_GetBmpFontTextWidth(0, L"TOPMOST : ON");
        if (mode)
            m_OSD_ShowText(L"TOPMOST : ON", 1, -1, -1, -1, width, -1);
        else
            m_OSD_ShowText(L"TOPMOST : OFF", g_Settings.Ctrl_SttDisClr ? 0 : 1, -1, -1, -1, width,
                           -1);
    }
    if (g_MainWindowState.nTopMost != g_MainWindowStateCopy.nTopMost)
        m_Settings_ScheduleSave(MAIN_GROUP_WINDOW);
}

void m_SetTopMostState(int force)
{
    ++g_TopMostStateCalls;
    m_SetTopMost(g_MainWindowState.nTopMost, 0, force);
}
