#include "app/MainWindowLook.h"

#include "app/ButtonSkin.h"
#include "app/ControlTooltips.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/StatusPanels.h"
#include "base/Color.h"
#include "base/UiLook.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "playlist/Playlist.h"
#include "settings/MainWindowStyle.h"
#include "settings/Settings.h"

namespace {

// Accent colours per state (0 inactive, 1 active); -1 until read.
COLORREF s_AccentCache[2] = {CLR_INVALID, CLR_INVALID};
COLORREF s_LastFace = CLR_INVALID;

COLORREF m_FromRrggbb(int rrggbb)
{
    return RGB((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

COLORREF m_MixBlack(COLORREF c, int percent)
{
    ARGB mixed = m_MixColor(m_ColorRefToArgb(c), 0xFF000000, percent);
    return RGB(m_Red(mixed), m_Green(mixed), m_Blue(mixed));
}

COLORREF m_AccentFor(int active, int bypassCache)
{
    COLORREF& cached = s_AccentCache[active ? 1 : 0];
    if (bypassCache || cached == CLR_INVALID) {
        COLORREF colour = 0;
        cached = m_GetAccentColor(&colour, active ? 1 : 0) ? colour : CLR_INVALID;
    }
    return cached;
}

bool m_IsActive()
{
    if (g_FullScreen) return true;
    HWND focus = GetFocus();
    return focus && GetAncestor(focus, GA_ROOT) == g_hWndMain;
}

void m_RepaintControlPanel()
{
    HWND panel = GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL);
    if (!panel) return;
    InvalidateRect(panel, nullptr, FALSE);
    UpdateWindow(panel);
}

void m_ApplyFace(COLORREF face)
{
    COLORREF light = face, dark = face;
    m_ShadeColors(face, g_GuiKind, &light, &dark);
    g_PanelLook.back = face;
    g_PanelLook.frameLine = light;
    g_PanelLook.separator = dark;
    for (CButtonPlus& button : g_ControlButtons) button.m_SetBackColor(face);
    g_VolumeButton.m_SetBackColor(face);
    g_ExtraButton.m_SetBackColor(face);
    g_SeekBar.m_UpdateBackColor(face);
    g_VolumeSlider.m_UpdateBackColor(face);
    m_LoadButtonSkin();
}

}  // namespace

void m_LooksForStyle(int style, int second, int guiKind, int* buttonLook, int* sliderLook)
{
    int b = 0, s = 0;
    if (style == 1) {
        b = guiKind == 5 || guiKind == 8 ? 1 : (guiKind == 6 || guiKind == 7 ? 2 : 3);
        s = b;
    } else if (style == 3) {
        b = s = 13;
    } else if (style != 0) {
        s = 11;
        b = second > 0 ? 11 : 12;
    }
    *buttonLook = b;
    *sliderLook = s;
}

void m_CornerLooks(int cornerFlag, int fullScreen, int controlsFlag, UINT* buttonVariant,
                   UINT* statusCorner, int* sliderLook)
{
    *buttonVariant = 0;
    *statusCorner = 0;
    if ((cornerFlag != 1 && cornerFlag != 2) || fullScreen) return;
    if (controlsFlag) {
        *statusCorner = cornerFlag;
        return;
    }
    *buttonVariant = cornerFlag == 1 ? BUTTON_VARIANT_ROUND6 : BUTTON_VARIANT_ROUND25;
    *sliderLook = 13;
}

COLORREF m_FaceColorFor(const int clr[4], int active, COLORREF accent, int guiKind)
{
    COLORREF colour = CLR_INVALID;
    if (clr[0] == 1) {
        colour = accent;
    } else if (clr[0] == 2) {
        int pick = !active && clr[1] && clr[3] != -1 ? clr[3] : clr[2];
        if (pick != -1) colour = m_FromRrggbb(pick);
    }
    if (colour != CLR_INVALID) return colour;
    return guiKind < 10 ? GetSysColor(COLOR_BTNFACE) : 0xFFFFFF;
}

void m_ShadeColors(COLORREF face, int guiKind, COLORREF* light, COLORREF* dark)
{
    int first = 20, second = 52;
    if (guiKind >= 10) second = 20;
    if (guiKind == 8) first = second = 15;
    *light = m_MixBlack(face, first);
    *dark = m_MixBlack(face, second);
}

COLORREF m_GetBkColor(int active, int bypassCache)
{
    const int* clr = g_Settings.Ctrl_Clr;
    COLORREF accent = clr[0] == 1 ? m_AccentFor(active, bypassCache) : CLR_INVALID;
    return m_FaceColorFor(clr, active, accent, g_GuiKind);
}

void m_OnActivateColors(int redraw, int bypassCache)
{
    if (!g_hWndMain) return;
    COLORREF face = m_GetBkColor(m_IsActive() ? 1 : 0, bypassCache);
    if (face == s_LastFace && !bypassCache) return;
    s_LastFace = face;
    m_ApplyFace(face);
    if (redraw) m_RepaintControlPanel();
}

void m_SetButtonsTheme(int style, int redraw)
{
    if (style != -1) g_Settings.Ctrl_Style[0] = style;
    int b = 0, s = 0;
    m_LooksForStyle(g_Settings.Ctrl_Style[0], g_Settings.Ctrl_Style[1], g_GuiKind, &b, &s);
    for (CButtonPlus& button : g_ControlButtons) button.m_SetDrawStyle(b, 0, 0);
    UINT variant = 0, corner = 0;
    m_CornerLooks(g_WindowCornerFlag, g_FullScreen, g_Settings.Fullscr_Ctrl[0], &variant, &corner,
                  &s);
    g_ControlButtons[0].m_SetDrawStyle(b, 0, variant);
    g_StatusBar.m_SetCornerStyle(corner);
    g_VolumeButton.m_SetDrawStyle(b, 0, 0);
    g_ExtraButton.m_SetDrawStyle(b, 0, 0);
    g_SeekBar.m_SetDrawStyle(s);
    g_VolumeSlider.m_SetDrawStyle(s);
    g_PanelLook.bFlatButtons = b >= 11;
    m_OnActivateColors(0, 1);
    if (g_Playlist.m_GetWindow()) g_Playlist.m_SetButtonLook(-1);
    if (redraw) m_RepaintControlPanel();
}

COLORREF m_GetFaceColor() { return s_LastFace != CLR_INVALID ? s_LastFace : m_GetBkColor(1, 0); }

void m_ApplyMainWindowLook()
{
    s_LastFace = CLR_INVALID;
    m_SetButtonsTheme(-1, 0);
    m_ShowToolTips(g_Settings.Common_Tip, TOOLTIP_GROUP_MAIN);
}
