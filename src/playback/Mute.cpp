// Mute: the engine gets the lowest volume while the player's volume stays,
// and the system volume is lowered as when playback stops.
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "base/BmpFont.h"
#include "engine/VideoRenderer.h"
#include "playback/AudioCommands.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "playback/VolumeControl.h"

int g_Mute;

namespace {
constexpr int kTimeFlagVolume = 4;
}  // namespace

void m_Mute_Set(int on)
{
    on = on ? 1 : 0;
    if (on != g_Mute) {
        g_Mute = on;
        if (on) {
            if (g_MediaOpen) m_Volume_ToEngine(g_MainWindowState.nVolume);
            m_SystemVolume_OnPlayState(0);
        } else {
            m_SystemVolume_OnPlayState(1);
            m_Volume_ShowText(g_MainWindowState.nVolume, 0);
        }
        g_VolumeButton.m_SetFrame(on, 1, 0);
    }
    if (g_MainWindowState.nTimeFlags[kTimeFlagVolume]) m_UpdateTimeDisplay(1);
    const int width = m_GetBmpFontTextWidth(0, L"MUTE : OFF");
    const int colour = on || !g_Settings.Ctrl_SttDisClr ? 1 : 0;
    m_OSD_ShowText(on ? L"MUTE : ON" : L"MUTE : OFF", colour, -1, 0, -1, width, -1);
}

void m_Mute_Toggle() { m_Mute_Set(!g_Mute); }
