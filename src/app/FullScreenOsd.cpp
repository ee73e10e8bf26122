// The controller bars mode ([Osc] "Mode"): the on-screen bars over the
// video, shown, hidden or shown while the pointer moves.
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/OsdBars.h"
#include "app/StatusText.h"
#include "app/WindowHelpers.h"
#include "app/WindowSize.h"
#include "app/WindowTitle.h"
#include "base/BmpFont.h"
#include "controls/LayeredWnd.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsValue.h"

namespace {

// Under Wine a window that owns popups cannot be made topmost: the bars
// take the hidden owner of full screen, not the main window.
int m_CreateBars()
{
    if (g_OsdBars.m_GetHwnd()) return 1;
    if (!m_FullScreen_Create()) return 0;
    if (!g_OsdBars.m_Create(m_FullScreen_GetOwner())) return 0;
    // The bar colour takes effect at the next placement, which follows.
    g_OsdBars.m_SetBarColor((ARGB)g_Settings.Osc_BackColor);
    const ARGB colour = (ARGB)g_Settings.Osc_FontColor;
    g_OsdBars.m_SetTopFont(g_Settings.Osc_FontTt, g_Settings.Osc_SizeTi, colour);
    g_OsdBars.m_SetBottomFont(g_Settings.Osc_FontTm, g_Settings.Osc_SizeTm, colour,
                              g_Settings.Osc_TmPit ? g_Settings.Osc_TmPitVal : 0);
    g_OsdBars.m_SetTitle(g_FullScreenTitle[0] ? g_FullScreenTitle : L"ZENTAVIO");
    return 1;
}

void m_ShowModeMessage(int mode)
{
    static const wchar_t* const kTexts[] = {L"OSD : OFF", L"OSD : ON", L"OSD : AUTO"};
    const int width = m_GetBmpFontTextWidth(0, kTexts[2]);
    const int colour = mode == 0 && g_Settings.Ctrl_SttDisClr ? 0 : 1;
    m_OSD_ShowText(kTexts[mode], colour, -1, -1, -1, width, -1);
}

}  // namespace

int m_OSD_NormaliseMode(int mode) { return mode >= 3 ? 0 : (mode < 0 ? 2 : mode); }

void m_OSD_FollowVideo()
{
    if (!g_Settings.Osc_Mode || !g_OsdBars.m_GetHwnd()) return;
    RECT video;
    if (g_FullScreen) {
        video = m_FullScreen_GetRect();
    } else {
        if (!m_GetVideoRect(&video)) return;
        MapWindowPoints(g_hWndMain, nullptr, reinterpret_cast<POINT*>(&video), 2);
    }
    g_OsdBars.m_SetRect(&video);
}

void m_OSD_SetMode(int mode, int showMessage)
{
    mode = m_OSD_NormaliseMode(mode);
    const int saved = g_Settings.Osc_Mode;
    g_Settings.Osc_Mode = mode;
    if (mode == 0) {
        g_OsdBars.m_Show(0);
    } else if (m_CreateBars()) {
        m_OSD_FollowVideo();
        const int hideMs = g_Settings.Osc_TmSeek * 10;
        const int bottomHide = mode == 2 && g_PlayState == 5 ? hideMs : -1;
        g_OsdBars.m_ShowBars(1, hideMs, 1, bottomHide, 1, 1);
        g_OsdBars.m_Show(1);
        g_OsdBars.m_SetTopmost(g_FullScreen);
    }
    if (showMessage) m_ShowModeMessage(mode);
    if (mode != saved) {
        CSettingsFileWrite batch;
        m_WriteSettingF(L"Osc", L"Mode", L"%d", mode);
    }
}

void m_OSD_ShowBars(int top, int topHideMs, int bottom, int bottomHideMs, int fade)
{
    if (!g_Settings.Osc_Mode || !m_CreateBars()) return;
    m_OSD_FollowVideo();
    g_OsdBars.m_ShowBars(top, topHideMs, bottom, bottomHideMs, fade, 1);
    g_OsdBars.m_Show(1);
    m_OSD_FollowTopmost();
}

void m_OSD_FollowTopmost()
{
    // Over an always-on-top main window the bars must be topmost too, or
    // they lie behind it.
    if (g_OsdBars.m_GetHwnd()) g_OsdBars.m_SetTopmost(g_FullScreen || m_TopMost_IsApplied());
}

void m_OSD_SetBarsTitle(const wchar_t* title)
{
    if (g_Settings.Osc_Mode && m_CreateBars()) g_OsdBars.m_SetTitle(title ? title : L"");
}

void m_OSD_SetBarsVolume(int percent)
{
    if (g_Settings.Osc_Mode && m_CreateBars()) g_OsdBars.m_SetVolume(percent);
}

void m_OSD_ClearBars()
{
    if (!g_Settings.Osc_Mode || !g_OsdBars.m_GetHwnd()) return;
    g_OsdBars.m_Show(0);
    g_OsdBars.m_SetPosition(0);
    g_OsdBars.m_SetTitle(L"");
}
