#include "playback/PlayStateColours.h"

#include "app/MainWindow.h"
#include "base/Color.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"

namespace {

// The sliders' accent and the status bars' background as the controls
// start out; paused, an amber that reads apart from both.
constexpr COLORREF kNormalColour = RGB(0, 0, 0);
constexpr COLORREF kPauseColour = RGB(0xB4, 0x64, 0x00);
// The full-screen bar sits on the video: darker, so its text stays legible.
constexpr int kFullScreenDarken = 40;
constexpr int kPausedState = 4;

COLORREF g_Applied = CLR_INVALID;

COLORREF m_ToColorRef(ARGB c) { return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

}  // namespace

COLORREF m_PlayStateColour(int pauseColourOn, int playState, int held)
{
    if (pauseColourOn && (playState == kPausedState || held)) return kPauseColour;
    return kNormalColour;
}

void m_UpdatePlayStateColours(int force, int redraw)
{
    const int on = g_Settings.Ctrl_PauClr;
    if (!on && !force) return;
    const COLORREF colour = m_PlayStateColour(on, g_PlayState, g_MediaOpen && g_PlayHeld);
    if (colour == g_Applied && !force) return;
    g_Applied = colour;
    g_SeekBar.m_SetAccentColor(colour);
    g_VolumeSlider.m_SetAccentColor(colour);
    g_StatusBar.m_SetBackColor(colour, redraw);
    const ARGB dark = m_MixColor(m_ColorRefToArgb(colour), 0xFF000000, kFullScreenDarken);
    g_FullScreenStatusBar.m_SetBackColor(colour == kNormalColour ? colour : m_ToColorRef(dark),
                                         redraw);
    if (g_MediaKind == MEDIA_KIND_AUDIO && g_hWndMain) InvalidateRect(g_hWndMain, nullptr, FALSE);
}
