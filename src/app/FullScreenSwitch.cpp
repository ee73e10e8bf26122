// Switching full screen on and off: the rectangle, the strips, the bottom
// panel moving between the windows, the message and the remembered state.
#include <stdio.h>

#include "app/FullScreenPeers.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/MonitorTable.h"
#include "app/Overlay.h"
#include "app/PointerInput.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "app/VideoOutIndicator.h"
#include "app/WindowHelpers.h"
#include "app/WindowSize.h"
#include "base/BmpFont.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "base/SoundCue.h"
#include "playback/PlayState.h"
#include "controls/LayeredWnd.h"
#include "controls/Statusbar.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

RECT s_FullRect;
RECT s_Strips[3];
int s_AskedFirst, s_AskedLast;
int s_UsedFirst = -2, s_UsedLast;
int s_FontDpi;
int s_PanelInFullScreen;

int m_Dpi(const RECT& rc)
{
    POINT c = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return m_GetPointDpiPercent(c);
}

int m_TitleHeight(int dpi)
{
    int h = g_Settings.Fullscr_TtlHt > 0 ? g_Settings.Fullscr_TtlHt : 30;
    return h * dpi / 100;
}

void m_LayoutStrips(const SFULLSCREENPLACE& place, int dpi)
{
    const RECT& base = place.bOther ? place.rcFull : place.rcMain;
    int status = m_ScaleValue(g_Settings.Ctrl_Stt, dpi, 100, 0);
    int control = place.bOther ? status : m_GetControlBarHeight();
    s_Strips[FS_STRIP_TITLE] = RECT{base.left, base.top, base.right, base.top + m_TitleHeight(dpi)};
    s_Strips[FS_STRIP_CONTROL] = RECT{base.left, base.bottom - control, base.right, base.bottom};
    s_Strips[FS_STRIP_STATUS] = RECT{base.left, base.bottom - status, base.right, base.bottom};
}

void m_PanelToFullScreen()
{
    HWND panel = m_GetControlPanel();
    HWND host = m_Overlay_ControlHost();
    if (!panel || !host) return;
    SetParent(panel, host);
    s_PanelInFullScreen = 1;
    const RECT& rc = s_Strips[FS_STRIP_CONTROL];
    SetWindowPos(panel, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_LayoutPanels(rc.right - rc.left);
}

void m_PanelToMain()
{
    if (!s_PanelInFullScreen) return;
    HWND panel = m_GetControlPanel();
    s_PanelInFullScreen = 0;
    if (panel) SetParent(panel, g_hWndMain);
    m_LayoutClientArea(-1, -1);
    m_UpdateTimeDisplay(1);
}

// "FllScrTop", or always-on-top on the main window's own monitor.
HWND m_ZOrder(int other)
{
    int top = g_Settings.Main_FllScrTop || (g_MainWindowState.nTopMost && !other);
    return top ? HWND_TOPMOST : HWND_TOP;
}

void m_Remember(int on)
{
    g_MainWindowState.nWindowMode = on ? 2 : 1;
    g_MainWindowState.nFullMonitor = on ? s_AskedFirst : 0;
    g_MainWindowState.nFullSub = on ? s_AskedLast : 0;
    m_Settings_ScheduleSave(MAIN_GROUP_WINDOW);
}

void m_ShowMessage(const wchar_t* text, int error)
{
    if (error)
        m_OSD_ShowText(text, 1, 3500, 2, -1, -1, -1);
    else
        m_OSD_ShowText(text, 1, -1, -1, -1, -1, -1);
}

void m_FinishSwitch(int on)
{
    m_Remember(on);
    m_UpdateTimeDisplay(1);
    m_VideoOutIndicator(0);
    // The bars stand over the video again, both shown.
    if (g_Settings.Osc_Mode) m_OSD_SetMode(g_Settings.Osc_Mode, 0);
    m_ResetCursorHide();
}

void m_Leave(int showMessage, int redraw);

// The windows of full screen over the chosen place.
void m_ShowAt(const SFULLSCREENPLACE& place, int wasOn, int redraw)
{
    const int dpi = m_Dpi(place.rcFull);
    if (dpi != s_FontDpi) {
        g_BmpFontFullScreen.m_Load(g_Settings.Ctrl_Font, dpi);
        s_FontDpi = dpi;
    }
    s_FullRect = place.rcFull;
    m_LayoutStrips(place, dpi);
    if (place.bOther)
        m_PanelToMain();
    else
        m_PanelToFullScreen();
    const int fade = g_Settings.Fullscr_Fade[0] && !wasOn && IsWindowVisible(g_hWndMain);
    if (fade) m_Backdrop_In(&s_FullRect, 1);
    SetWindowPos(g_hWndFullScreen, m_ZOrder(place.bOther), s_FullRect.left, s_FullRect.top,
                 s_FullRect.right - s_FullRect.left, s_FullRect.bottom - s_FullRect.top,
                 SWP_NOACTIVATE);
    // The video moves into the full-screen window, fitted to it.
    const int videoShown = m_VideoWindow_SetHost(g_hWndFullScreen, 0);
    m_ForgetVisibleVideoPart();
    m_SetZoomMode(1, 0, -1);
    m_UpdateZoomReferences(1);
    if (videoShown) ShowWindow(g_VideoWindow, SW_SHOW);
    ShowWindow(g_hWndFullScreen, SW_SHOWNA);
    m_FullScreen_SetZOrder(m_ZOrder(place.bOther));
    // The overlays stand above the full-screen window.
    m_Overlay_Place(&s_Strips[FS_STRIP_TITLE], &s_Strips[FS_STRIP_CONTROL],
                    &s_Strips[FS_STRIP_STATUS]);
    m_FullScreen_RaiseToolTips();
    m_ApplyVideoRect(1, redraw);
    if (fade) m_Backdrop_Out(0);
    m_CheckCtrlBarHover(nullptr, 0, 1);
}

int m_Enter(int first, int last, int showMessage, int redraw)
{
    if (g_Settings.Osc_Mode && g_OsdBars.m_GetHwnd()) g_OsdBars.m_Show(0);
    if (!m_FullScreen_Create()) return 0;
    m_Monitor_Enumerate(-1);
    SFULLSCREENPLACE place;
    const int mainMonitor = m_Monitor_FromWindow();
    m_FullScreen_ChooseRect(first, last, mainMonitor, &place);
    const int shownFirst = first == 0 ? mainMonitor + 1 : first;
    wchar_t text[128];
    m_FullScreen_FormatMessage(text, 128, 1, shownFirst, last, place.bFound);
    if (!place.bFound && !g_Settings.Fullscr_Rsv) {
        if (g_FullScreen) m_Leave(0, 1);
        m_PlaySoundCue(1);
        m_ShowMessage(text, 1);
        return 0;
    }
    const int wasOn = g_FullScreen;
    g_FullScreen = 1;
    s_AskedFirst = first;
    s_AskedLast = last;
    g_FullScreenOtherMonitor = place.bOther;
    g_FullScreenSpan = place.bSpan;
    m_FullScreen_SetKeepFlags(place.bOther);
    m_ShowAt(place, wasOn, redraw);
    if (!place.bFound || showMessage) m_ShowMessage(text, !place.bFound);
    s_UsedFirst = first;
    s_UsedLast = last;
    m_FinishSwitch(1);
    return 1;
}

void m_Leave(int showMessage, int redraw)
{
    const int wasOn = g_FullScreen;
    g_FullScreen = 0;
    s_UsedFirst = -2;
    s_UsedLast = 0;
    g_FullScreenOtherMonitor = g_FullScreenSpan = 0;
    m_FullScreen_SetKeepFlags(0);
    m_Backdrop_Out(1);
    m_Overlay_HideAll();
    int videoShown = 0;
    if (wasOn) {
        videoShown = m_VideoWindow_SetHost(g_hWndMain, 0);
        m_PanelToMain();
        if (g_hWndFullScreen) ShowWindow(g_hWndFullScreen, SW_HIDE);
    }
    SetRectEmpty(&s_FullRect);
    for (RECT& rc : s_Strips) SetRectEmpty(&rc);
    // Back in the main window the video fits its area (the clip mode in a
    // maximised window).
    m_SetZoomMode(0, 0, g_hWndMain && IsZoomed(g_hWndMain) ? -1 : 0);
    if (redraw && g_hWndMain) InvalidateRect(g_hWndMain, nullptr, FALSE);
    if (videoShown) ShowWindow(g_VideoWindow, SW_SHOWNA);
    if (g_MainWindowState.nTopMost) m_SetTopMostState();
    m_FullScreen_ToolWindowsNotTopmost();
    if (g_hWndMain && IsWindowVisible(g_hWndMain)) SetActiveWindow(g_hWndMain);
    m_UpdateZoomReferences(0);
    if (g_PlayState != 0) m_ApplyVideoRect(0, 0);
    if (showMessage) {
        wchar_t text[64];
        m_FullScreen_FormatMessage(text, 64, 0, 0, 0, 1);
        m_ShowMessage(text, 0);
    }
    m_FinishSwitch(0);
}

}  // namespace

int m_FullScreen_Set(int on, int first, int last, int showMessage, int redraw, int mode)
{
    if (on && mode != 0 && g_FullScreen && first == s_UsedFirst && last == s_UsedLast) {
        if (mode == 1) return 1;
        on = 0;
    }
    if (!on) {
        m_Leave(showMessage, redraw);
        return 1;
    }
    return m_Enter(first, last, showMessage, redraw);
}

RECT m_FullScreen_GetRect() { return s_FullRect; }

RECT m_FullScreen_GetStrip(int which)
{
    if (which < 0 || which > FS_STRIP_STATUS) return RECT{};
    return s_Strips[which];
}

HWND m_GetVideoHostWindow()
{
    // On another monitor "Mlt" may keep the jump-list view in the main window.
    return g_FullScreen && g_hWndFullScreen && !m_FullScreen_KeepsJumpList() ? g_hWndFullScreen
                                                                             : g_hWndMain;
}

HWND m_GetControlPanel()
{
    HWND panel = g_hWndMain ? GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL) : nullptr;
    if (!panel && m_Overlay_ControlHost())
        panel = GetDlgItem(m_Overlay_ControlHost(), IDC_CONTROL_PANEL);
    return panel;
}

int m_FullScreen_HasPanel() { return s_PanelInFullScreen; }

void m_FullScreen_Raise()
{
    if (!g_FullScreen || !g_hWndFullScreen) return;
    m_FullScreen_SetZOrder(m_ZOrder(g_FullScreenOtherMonitor));
    m_Overlay_Place(&s_Strips[FS_STRIP_TITLE], &s_Strips[FS_STRIP_CONTROL],
                    &s_Strips[FS_STRIP_STATUS]);
}

void m_FullScreen_StartUp()
{
    int first = g_Settings.Fullscr_Mon[0], last = g_Settings.Fullscr_Mon[1];
    if (g_Settings.Fullscr_St == 2 && g_MainWindowState.nWindowMode == 2 &&
        g_MainWindowState.nFullMonitor != 0) {
        first = g_MainWindowState.nFullMonitor;
        last = g_MainWindowState.nFullSub;
    }
    const int enter = g_Settings.Fullscr_St == 1 ||
                      (g_Settings.Fullscr_St == 2 && g_MainWindowState.nWindowMode == 2);
    if (!enter) {
        g_MainWindowState.nWindowMode = 1;
        return;
    }
    // The main window is shown after this and would cover full screen.
    if (m_FullScreen_Set(1, first, last, 1, 1, 0))
        SetTimer(g_hWndFullScreen, kTimerRaiseAfterStart, 300, nullptr);
}
