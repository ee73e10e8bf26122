// Fixed menu items of the window, playback, sound and options, and the
// submenu items that act when chosen themselves.
#include "commands/MenuCommands.h"

#include "app/AboutBox.h"
#include "app/FullScreenState.h"
#include "app/TimeDisplay.h"
#include "app/ToolWindows.h"
#include "app/WindowHelpers.h"
#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "library/Library.h"
#include "options/OptionCommands.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/PowerSaving.h"
#include "playback/RepeatMode.h"
#include "playback/Seek.h"
#include "settings/CallTrace.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "timer/TimerCommands.h"

namespace {

constexpr UINT kMenuIdVolume = 2309;
constexpr UINT kMenuIdRepeat = 2312;
constexpr UINT kMenuIdBalance = 2327;
constexpr UINT kMenuIdRate = 2330;
constexpr UINT kMenuIdRangeRepeat = 2345;

bool m_Shown(HWND window) { return window && IsWindowVisible(window); }

// The item's check or radio state renewed while its popup stays open.
void m_RefreshItem(const SMENUCHOICE& c, UINT id)
{
    if (!c.Closes && c.Popup) m_Menu_UpdateItem(c.Popup, id, 1);
}

void m_RefreshAll(const SMENUCHOICE& c)
{
    if (!c.Closes && c.Popup) m_Menu_RefreshItems(c.Popup, 0, 1);
}

// The stored flag is toggled and applied. With the menu staying open the
// change is applied without its message: the message switch -1 would leave
// the window as it was while the item shows the new state.
void m_TopMostCommand(const SMENUCHOICE& c)
{
    const int on = !g_MainWindowState.nTopMost;
    g_ExecOps.SetTopMost(on, c.Closes ? 1 : 0, 0);
    m_RefreshItem(c, c.Id);
}

void m_BarCommand(const SMENUCHOICE& c)
{
    static const int kFunctions[] = {FUNC_SHOW_MENUBAR, FUNC_SHOW_SEEKBAR, 0, FUNC_SHOW_TOOLBAR,
                                     FUNC_SHOW_STATUSBAR};
    const int function = kFunctions[c.Id - 4099];
    if (!function) {
        // The fifth bar has no function of its own; it follows the menu bar
        // flag's treatment once it exists.
        m_TraceCall(L"m_ShowFifthBar(-1)");
        return;
    }
    // The other bars take their room from the window, not from the video.
    m_Exec_ShowBar(function, -1, c.Id != 4099);
    if (c.Id == 4100 || c.Id == 4102) {
        m_RefreshItem(c, c.Id);
        m_RefreshItem(c, 4101);
    }
}

void m_VolumeTo(int volume)
{
    if (volume < 0) volume = 0;
    if (volume > 10000) volume = 10000;
    g_ExecOps.SystemVolume_OnPlayState(0);
    g_ExecOps.Volume_ShowText(volume, 1);
}

int m_SoundCommand(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4217:
            g_ExecOps.Mute_Toggle();
            m_RefreshItem(c, c.Id);
            return 1;
        case 4221:
        case 4222:
        case 4223: {
            static const int kValues[] = {0, -100, 100};
            g_ExecOps.AudioInputBalance_Set(kValues[c.Id - 4221], g_MediaOpen ? 2 : 1, 1, 1);
            m_RefreshAll(c);
            return 1;
        }
        case 4226: {
            const int step = c.Mode == 1 ? 100 : 500;
            if (c.SelState == MENUSEL_RAISE) m_VolumeTo(g_MainWindowState.nVolume + step);
            if (c.SelState == MENUSEL_LOWER) m_VolumeTo(g_MainWindowState.nVolume - step);
            m_RefreshItem(c, c.Id);
            return 1;
        }
        case kMenuIdVolume:
            m_ExecFunctionById(FUNC_VOLUME_ADJUST, 0, c.Mode == 1 ? L"-10,0" : L"10,0");
            return 1;
        case kMenuIdBalance:
            m_ExecFunctionById(FUNC_BALANCE_SWITCH, c.Mode == 1 ? -2 : -1, nullptr);
            return 1;
    }
    return 0;
}

int m_RepeatCommand(const SMENUCHOICE& c)
{
    if (c.Id >= 4237 && c.Id <= 4241) {
        g_ExecOps.Repeat_SetMode(static_cast<int>(c.Id - 4237), 1);
    } else if (c.Id >= 4247 && c.Id <= 4251) {
        g_ExecOps.RangeRepeat_SetMode(static_cast<int>(c.Id - 4247));
    } else if (c.Id == kMenuIdRepeat) {
        if (m_IsKeyDown(VK_SHIFT))
            g_ExecOps.RangeRepeat_SetMode(c.Mode == 1 ? -2 : -1);
        else
            g_ExecOps.Repeat_SetMode(g_RepeatMode + (c.Mode == 1 ? -1 : 1), 1);
    } else if (c.Id == kMenuIdRangeRepeat) {
        g_ExecOps.RangeRepeat_SetMode(c.Mode == 1 ? -2 : -1);
    } else {
        return 0;
    }
    m_RefreshAll(c);
    return 1;
}

void m_PowerCommand(const SMENUCHOICE& c)
{
    if (c.Id == 4257 || c.Mode == 2)
        g_ExecOps.PowerSaving_SetTemp(!m_PowerSaving_IsTempOn(), 1, 1);
    else if (m_PowerSaving_IsTempOn())
        g_ExecOps.PowerSaving_SetTemp(0, 1, 1);
    else
        g_ExecOps.PowerSaving_Set(!g_MainWindowState.nPowerSaving, 1);
    m_RefreshItem(c, 4256);
    m_RefreshItem(c, 4257);
}

void m_TimeOptionCommand(const SMENUCHOICE& c)
{
    int& flag = g_MainWindowState.nTimeFlags[c.Id - 4442];
    flag = !flag;
    m_UpdateTimeDisplay(1);
    m_RefreshItem(c, c.Id);
}

// The full-screen bar options belong to the full-screen overlays, which
// do not take them yet.
void m_FullScreenBarCommand(const SMENUCHOICE& c)
{
    m_TraceCall(L"m_FullScreen_BarOption(%u)", c.Id);
}

int m_WindowCommand(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4097:
            m_TopMostCommand(c);
            return 1;
        case 4099:
        case 4100:
        case 4101:
        case 4102:
        case 4103:
            m_BarCommand(c);
            return 1;
        case 4106:
            g_ExecOps.ShowPlayListWnd(!m_Shown(g_Playlist.m_GetWindow()), SW_SHOW);
            return 1;
        case 4107:
            g_ExecOps.ShowFavoWindow(!m_Shown(m_Favorite_GetWindow()), 1);
            return 1;
        case 4108:
        case 4109:
            g_ExecOps.Timer_ToggleDialog();
            return 1;
        case 4127:
            g_ExecOps.ExitApplication();
            return 1;
        case 4266:
        case 4267:
        case 4268:
            g_ExecOps.OSD_SetMode(static_cast<int>(c.Id - 4266), 1);
            m_RefreshAll(c);
            return 1;
        case 4306:
            g_ExecOps.Zoom_Toggle100();
            return 1;
        case 250:
            g_ExecOps.ShowAboutBox(!m_Shown(m_GetAboutBox()), 1);
            return 1;
    }
    return 0;
}

// Options pages by item: 4098 page 1, 4295 page 4, 4696 and 4697 page 5,
// the menu page 6 editing menu 1, 0 or 2.
int m_OptionsCommand(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4098:
            g_ExecOps.Options_Show(1, 1, -1);
            return 1;
        case 4105:
            g_ExecOps.Options_Show(-1, -1, -1);
            return 1;
        case 4110:
            g_ExecOps.Options_Show(1, 6, 1);
            return 1;
        case 4307:
            g_ExecOps.Options_Show(1, 6, 0);
            return 1;
        case 4317:
            g_ExecOps.Options_Show(1, 6, 2);
            return 1;
        case 4295:
            g_ExecOps.Options_Show(1, 4, -1);
            return 1;
        case 4696:
        case 4697:
            g_ExecOps.Options_Show(1, 5, -1);
            return 1;
    }
    return 0;
}

int m_PlaybackCommand(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4186:
            g_ExecOps.PlayPause(-1);
            return 1;
        case 4187:
            m_Stop();
            return 1;
        case 4188:
            g_ExecOps.PrevTrack(0);
            return 1;
        case 4193:
            g_ExecOps.NextTrack();
            return 1;
        case 4189:
        case 4191: {
            const int step = g_Settings.Seek_Step[1] > 0 ? g_Settings.Seek_Step[1] : 15000;
            m_SeekRelative(c.Id == 4189 ? -step : step, 0, 0);
            return 1;
        }
        case 4426:
        case 4427:
            g_ExecOps.SeekToStoredPosition(c.Id == 4427 ? 1 : 0);
            return 1;
        case 4431:
            g_ExecOps.SeekBarPreview_Set(-1);
            m_RefreshItem(c, c.Id);
            return 1;
        case kMenuIdRate:
            g_ExecOps.Rate_StepPreset(c.Mode == 1 ? 1 : -1);
            if (CMenuPlus* rate = m_Menu_Remembered(kMenuIdRate)) m_Menu_RefreshItems(rate, 0, 1);
            return 1;
    }
    if (c.Id >= 4436 && c.Id <= 4440) {
        g_ExecOps.SetTimeDisplayMode(static_cast<int>(c.Id - 4436));
        m_RefreshAll(c);
        return 1;
    }
    if (c.Id >= 4442 && c.Id <= 4446) {
        m_TimeOptionCommand(c);
        return 1;
    }
    if (c.Id == 4256 || c.Id == 4257) {
        m_PowerCommand(c);
        return 1;
    }
    return 0;
}

}  // namespace

int m_MenuCmd_View(const SMENUCHOICE& c)
{
    if (c.Id == 4496 || c.Id == 4497) {
        m_FullScreenBarCommand(c);
        return 1;
    }
    return m_WindowCommand(c) || m_OptionsCommand(c) || m_PlaybackCommand(c) ||
           m_SoundCommand(c) || m_RepeatCommand(c);
}
