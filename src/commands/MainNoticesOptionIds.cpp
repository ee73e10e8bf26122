// A control of an options page changed (9001): the setting behind its id
// is applied at once. Ids that name no such setting do nothing.
#include "commands/MainNotices.h"

#include "app/ButtonSkin.h"
#include "app/ControlTooltips.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindowLook.h"
#include "app/MainWindowLookFonts.h"
#include "app/MonitorTable.h"
#include "app/Overlay.h"
#include "app/PlaylistDock.h"
#include "app/TimeDisplay.h"
#include "app/ToolWindowPlacement.h"
#include "app/WindowHelpers.h"
#include "app/WindowSize.h"
#include "base/SoundCue.h"
#include "commands/FolderAssoc.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "filedata/DataFiles.h"
#include "jumplist/JumpListLayouts.h"
#include "jumplist/JumpListState.h"
#include "jumplist/JumpListViewCalls.h"
#include "library/Favorites.h"
#include "library/LauncherTiles.h"
#include "library/Library.h"
#include "library/RecentRecords.h"
#include "playback/AudioCommands.h"
#include "playback/AudioDeviceList.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/AudioOutMode.h"
#include "playback/ControlBarState.h"
#include "playback/PlayState.h"
#include "playback/PlayStateColours.h"
#include "playback/SeekPreview.h"
#include "playback/VideoPropApply.h"
#include "playback/VolumeControl.h"
#include "playlist/Playlist.h"
#include "settings/DirPlaylist.h"
#include "settings/MainWindowStyle.h"
#include "settings/Settings.h"
#include "settings/SettingsApply.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsMain.h"
#include "settings/SettingsValue.h"
#include "timer/AutoStopCheck.h"

namespace {

enum EOPTIONACTION {
    OPT_NONE,
    OPT_RENDERER,
    OPT_HISTORY_CLEAR,
    OPT_PROPS,  // arg: group bits, mode
    OPT_PLACEMENT,
    OPT_AUDIO_OFFSETS,
    OPT_FOLDER_LISTS,
    OPT_KEEP_VIDEO,
    OPT_AUTO_STOP,
    OPT_BUTTON_THEME_LAYOUT,
    OPT_WALL,
    OPT_FAVORITES_FILE,
    OPT_FS_HOVER,
    OPT_WINDOW_STYLE,
    OPT_PREVIEW,  // arg 1: only while unavailable
    OPT_JUMPLIST_THUMB,
    OPT_THUMB_AUTOHIDE,
    OPT_JUMPLIST_COMMAND,
    OPT_LAUNCHER_SHOW,
    OPT_LAUNCHER_REDRAW,
    OPT_JUMPLIST_PRESETS,
    OPT_SLIDER_COLOURS,
    OPT_INSTANCES,
    OPT_PLAY_COLOURS,
    OPT_AUDIO_DEVICE,
    OPT_VIDEO_SIZE,
    OPT_HISTORY_PATHS,
    OPT_RESUME_PATH,
    OPT_SYSTEM_VOLUME,
    OPT_TOOLTIPS,  // arg: group mask
    OPT_AUDIO_BY_NAME,
    OPT_LAUNCHER_FONTS,
    OPT_DOCK_SIDE,
    OPT_JUMPLIST_LAYOUT,
    OPT_CONTROL_BAR,
    OPT_DATA_PATHS,
    OPT_PROGRESS_COLOUR,
    OPT_BUTTON_IMAGES,
    OPT_ACTIVE_COLOURS,
    OPT_AUDIO_OUT,
    OPT_FULLSCREEN_CLIP,
    OPT_BUTTON_THEME,
    OPT_WINDOW_LOOK,
    OPT_OSD_FONT,
    OPT_JUMPLIST_NO_FADE,
    OPT_OSD_MODE,
    OPT_MONITORS,
};

constexpr int kOptionIdsPerAction = 13;

// An action with its two numbers and the control ids that ask for it.
struct SOPTIONACTION {
    short Action;
    short Arg1;
    short Arg2;
    short Ids[kOptionIdsPerAction];  // 0 ends
};

// Every id not listed does nothing.
const SOPTIONACTION kOptionActions[] = {
    {OPT_RENDERER, 0, 0, {1006}},
    {OPT_HISTORY_CLEAR, 0, 0, {1020}},
    {OPT_PROPS, 16, 1, {1024}},
    {OPT_PLACEMENT, 0, 0, {1069}},
    {OPT_AUDIO_OFFSETS, 0, 0, {1073}},
    {OPT_FOLDER_LISTS, 0, 0, {1074}},
    {OPT_KEEP_VIDEO, 0, 0, {1083, 1085, 1198}},
    {OPT_AUTO_STOP, 0, 0, {1088}},
    {OPT_BUTTON_THEME_LAYOUT, 0, 0, {1100}},
    {OPT_PROPS, 32, 0, {1104}},
    {OPT_PROPS, 512, 0, {1105}},
    {OPT_PROPS, 256, 0, {1106}},
    {OPT_PROPS, 15, 0, {1107}},
    {OPT_PROPS, 64, 0, {1108}},
    {OPT_PROPS, 16, 0, {1109}},
    {OPT_WALL, 0, 0, {1112}},
    {OPT_FAVORITES_FILE, 0, 0, {1118}},
    {OPT_PROPS, 32, 1, {1119, 1274, 1440, 1441, 1442}},
    {OPT_PROPS, 64, 1, {1123, 1281, 1443, 1444, 1445}},
    {OPT_FS_HOVER, 0, 0, {1126, 1127}},
    {OPT_WINDOW_STYLE, 0, 0, {1133}},
    {OPT_PREVIEW, 0, 0, {1135, 1137, 1140}},
    {OPT_PREVIEW, 1, 0, {1383, 1385, 1390}},
    {OPT_JUMPLIST_THUMB, 0, 0, {1138}},
    {OPT_THUMB_AUTOHIDE, 0, 0, {1139}},
    {OPT_JUMPLIST_COMMAND,
     0,
     0,
     {1141, 1294, 1455, 1457, 1460, 1465, 1467, 1696, 1698, 1725, 1726, 1727}},
    {OPT_LAUNCHER_SHOW, 0, 0, {1154}},
    {OPT_LAUNCHER_REDRAW,
     0,
     0,
     {1161, 1167, 1243, 1309, 1312, 1461, 1462, 1463, 1466, 1468, 1469, 1695, 1697}},
    {OPT_JUMPLIST_PRESETS, 0, 0, {1164, 1303}},
    {OPT_SLIDER_COLOURS, 0, 0, {1166, 1408, 1406, 1407, 1458, 1459, 1464, 1839, 1840, 1841}},
    {OPT_INSTANCES, 0, 0, {1171}},
    {OPT_PLAY_COLOURS, 0, 0, {1191}},
    {OPT_AUDIO_DEVICE, 0, 0, {1196}},
    {OPT_VIDEO_SIZE, 0, 0, {1204}},
    {OPT_HISTORY_PATHS, 0, 0, {1205}},
    {OPT_RESUME_PATH, 0, 0, {1209}},
    {OPT_SYSTEM_VOLUME, 0, 0, {1215}},
    {OPT_TOOLTIPS, -1, 0, {1217}},
    {OPT_TOOLTIPS, 1, 0, {1221}},
    {OPT_TOOLTIPS, 64, 0, {1231}},
    {OPT_TOOLTIPS, 128, 0, {1234}},
    {OPT_TOOLTIPS, 32, 0, {1236}},
    {OPT_TOOLTIPS, 28, 0, {1238}},
    {OPT_AUDIO_BY_NAME, 0, 0, {1225}},
    {OPT_LAUNCHER_FONTS, 0, 0, {1241, 1300, 1305, 1308}},
    {OPT_DOCK_SIDE, 0, 0, {1252}},
    {OPT_JUMPLIST_LAYOUT, 0, 0, {1289, 1290, 1291, 1693}},
    {OPT_CONTROL_BAR, 0, 0, {1358}},
    {OPT_DATA_PATHS, 0, 0, {1359}},
    {OPT_PROGRESS_COLOUR, 0, 0, {1380}},
    {OPT_BUTTON_IMAGES, 0, 0, {1394}},
    {OPT_ACTIVE_COLOURS, 0, 0, {1402, 1425, 1428, 1431}},
    {OPT_AUDIO_OUT, 0, 0, {1411, 1412, 1413}},
    {OPT_FULLSCREEN_CLIP, 0, 0, {1419, 1423, 1424}},
    {OPT_BUTTON_THEME, 0, 0, {1432, 1433, 1434, 1435}},
    {OPT_WINDOW_LOOK, 0, 0, {1436, 1437, 1438, 1439}},
    {OPT_OSD_FONT, 0, 0, {1446, 1447, 1448, 1449}},
    {OPT_JUMPLIST_NO_FADE, 0, 0, {1450, 1451, 1452}},
    {OPT_OSD_MODE, 0, 0, {1473, 1475, 1477}},
    {OPT_MONITORS, 0, 0, {1767}},
};

const SOPTIONACTION* m_FindOptionAction(int id)
{
    for (const SOPTIONACTION& a : kOptionActions)
        for (int i = 0; i < kOptionIdsPerAction && a.Ids[i]; ++i)
            if (a.Ids[i] == id) return &a;
    return nullptr;
}

// The window placement goes to [Main] "Pos" when it moved, the playlist
// window's settings with it while that window shows.
void m_SavePlacement()
{
    m_Settings_WritePlacement(0, 1);
    HWND playlist = g_Playlist.m_GetWindow();
    if (playlist && IsWindowVisible(playlist)) m_SavePlayListWnd(0, 0);
    m_PlaySoundCue(3);
}

void m_ResetAudioOffsets()
{
    for (int i = 0; i < g_AudioDevices.Count; ++i) g_AudioDevices.Items[i].Offset = 0;
    m_AudDev_Write();
}

// The associations of media folders with list folders follow the switch.
void m_ApplyFolderLists()
{
    if (!g_Settings.Common_SvDirPl)
        m_DirPlaylist_Clear();
    else
        m_DirPlaylist_Rebuild();
}

void m_ReloadFavorites()
{
    m_GetFavoriteFilePath();
    if (!g_Favorite.m_GetWindow()) return;
    g_Favorite.m_ReadFile(1);
    g_Favorite.m_RefreshTree(1, 1);
}

void m_ApplyLauncherSwitch()
{
    if (g_PlayState != 0) return;
    const BOOL shown = m_Launcher_IsShown();
    if (g_Settings.Common_Lcr && !shown) m_Launcher_Show(1, 1, 0);
    if (!g_Settings.Common_Lcr && shown) m_Launcher_Show(0, 1, 0);
}

// Applying the look again repaints both sliders with their colours.
void m_ApplySliderColours()
{
    m_OnActivateColors(1, 1);
    InvalidateRect(g_SeekBar.m_GetHwnd(), nullptr, FALSE);
    InvalidateRect(g_VolumeSlider.m_GetHwnd(), nullptr, FALSE);
}

// The instance switch is read at start-up from the file, so it goes there
// at once.
void m_WriteInstanceSwitch()
{
    CSettingsFileWrite batch;
    m_WriteSettingF(L"Common", L"Mlt", L"%d", g_Settings.Common_Mlt);
}

void m_ApplyVideoSize()
{
    m_UpdateVideoSizeFromEngine(1);
    if (g_Settings.Common_RatHld)
        m_VideoProp_Apply(32, 0);
    else
        m_SetWindowSize(-1, 0, 0, g_WindowZoom);
}

void m_ApplySystemVolume()
{
    if (!g_Settings.Common_SysVol) {
        m_SystemVolume_OnPlayState(0);
        m_SysVol_Close();
        g_VolumeSlider.m_SetLevelMark(-1);
        return;
    }
    const int level = m_SysVol_Open() ? m_SysVol_Get() : -1;
    if (level >= 0) g_VolumeSlider.m_SetLevelMark((level + 50) / 100);
}

void m_ApplyDataPaths()
{
    if (g_Settings.Common_Spf[0]) m_GetResumeFilePath();
    if (g_Settings.Common_Spf[1]) m_GetRecentFilePath();
    if (g_Settings.Common_Spf[2]) m_ReloadFavorites();
}

// The setting is a percentage of opacity for the red progress colour.
void m_ApplyProgressColour()
{
    int percent = g_Settings.Fullscr_CtrlAlp[2];
    percent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
    const DWORD alpha = (DWORD)(percent * 255 / 100);
    g_FullScreenStatusBar.m_SetProgressColor((alpha << 24) | 0xFF0000);
    m_UpdateTimeDisplay(1);
}

// The playlist window's buttons follow the theme with the main window's.
void m_ApplyButtonTheme() { m_SetButtonsTheme(-1, 1); }

void m_RunLookAction(int action)
{
    switch (action) {
        case OPT_BUTTON_THEME_LAYOUT:
            m_ApplyButtonTheme();
            m_LayoutClientArea(-1, -1);
            m_InvalidateVideoWnd(g_FullScreen ? 1 : 0, 0);
            if (g_Playlist.m_GetWindow()) g_Playlist.m_MoveChildren(-1, -1);
            break;
        case OPT_WINDOW_STYLE:
            m_ApplyWindowStyle(1);
            break;
        case OPT_THUMB_AUTOHIDE:
            g_SeekBar.m_SetAutoHide(g_Settings.Ctrl_SbKnob, 1);
            break;
        case OPT_SLIDER_COLOURS:
            m_ApplySliderColours();
            break;
        case OPT_PLAY_COLOURS:
            m_UpdatePlayStateColours(1, 1);
            break;
        case OPT_BUTTON_IMAGES:
            m_LoadButtonSkin();
            m_HideUnlistedButtons(1);
            break;
        case OPT_ACTIVE_COLOURS:
            m_OnActivateColors(1, 1);
            break;
        case OPT_BUTTON_THEME:
            m_ApplyButtonTheme();
            break;
        case OPT_WINDOW_LOOK:
            m_ApplyWindowStyle(1);
            m_ApplyButtonTheme();
            m_RelayoutPanels();
            break;
        case OPT_OSD_FONT:
            m_ApplyOsdFont(1);
            break;
        case OPT_PROGRESS_COLOUR:
            m_ApplyProgressColour();
            break;
    }
}

void m_RunViewAction(int action, int id)
{
    switch (action) {
        case OPT_JUMPLIST_THUMB:
            if (g_Settings.Jumplist_CrtImg) m_RefreshJumpListThumb();
            break;
        case OPT_JUMPLIST_COMMAND:
            m_JumpList_OnOptionCommand(id);
            break;
        case OPT_LAUNCHER_SHOW:
            m_ApplyLauncherSwitch();
            break;
        case OPT_LAUNCHER_REDRAW:
            m_Launcher_Redraw();
            break;
        case OPT_JUMPLIST_PRESETS:
            m_JumpList_BuildLayoutPresets(nullptr);
            break;
        case OPT_LAUNCHER_FONTS:
            m_Launcher_ResetFonts();
            break;
        case OPT_JUMPLIST_LAYOUT:
            if (g_JumpListShown) m_JumpList_Relayout();
            break;
        case OPT_JUMPLIST_NO_FADE:
            if (g_JumpListShown) m_JumpList_RepaintWithoutFade();
            break;
        case OPT_FAVORITES_FILE:
            m_ReloadFavorites();
            break;
        case OPT_HISTORY_CLEAR:
            m_Recent_ClearRecords();
            break;
    }
}

void m_RunPlayerAction(const SOPTIONACTION& o)
{
    switch (o.Action) {
        case OPT_RENDERER:
            m_ApplyRendererKind();
            break;
        case OPT_PROPS:
            m_VideoProp_Apply(o.Arg1, o.Arg2);
            break;
        case OPT_PLACEMENT:
            m_SavePlacement();
            break;
        case OPT_AUDIO_OFFSETS:
            m_ResetAudioOffsets();
            break;
        case OPT_FOLDER_LISTS:
            m_ApplyFolderLists();
            break;
        case OPT_KEEP_VIDEO:
            m_ResizeVideoArea();
            break;
        case OPT_AUTO_STOP:
            m_SetAutoStopCheck();
            break;
        case OPT_WALL:
            if (g_Settings.Common_Wall) m_ApplyVideoRect(-1, 1);
            break;
        case OPT_FS_HOVER:
            if (g_FullScreen) m_CheckCtrlBarHover(nullptr, 0, 0);
            break;
        case OPT_PREVIEW:
            if (!o.Arg1 || !m_SeekPreview_IsAvailable()) m_SeekPreview_UpdateAvailable();
            break;
        case OPT_INSTANCES:
            m_WriteInstanceSwitch();
            break;
        case OPT_AUDIO_DEVICE:
            m_AudioDevice_Apply(1);
            break;
        case OPT_VIDEO_SIZE:
            m_ApplyVideoSize();
            break;
        case OPT_HISTORY_PATHS:
            m_GetRecentFilePath();
            break;
        case OPT_RESUME_PATH:
            m_GetResumeFilePath();
            break;
        case OPT_SYSTEM_VOLUME:
            m_ApplySystemVolume();
            break;
        case OPT_TOOLTIPS:
            m_ShowToolTips(g_Settings.Common_Tip ? 1 : 0, o.Arg1 == -1 ? 0xFFFF : o.Arg1);
            break;
        case OPT_AUDIO_BY_NAME:
            m_AudioDevice_Select(g_Settings.Common_Audio, 1, 1);
            break;
        case OPT_DOCK_SIDE:
            m_Dock_Update();
            break;
        case OPT_CONTROL_BAR:
            m_UpdateToolbar();
            break;
        case OPT_DATA_PATHS:
            m_ApplyDataPaths();
            break;
        case OPT_AUDIO_OUT:
            m_AudioOut_SetMode(g_Settings.Common_AudOut, 1);
            break;
        case OPT_FULLSCREEN_CLIP:
            m_VideoClip_Set(g_Settings.Fullscr_Clip, 1, 0);
            break;
        case OPT_OSD_MODE:
            m_OSD_SetMode(g_Settings.Osc_Mode, 1);
            break;
        case OPT_MONITORS:
            m_Monitor_Enumerate(1);
            break;
    }
}

}  // namespace

void m_OnOptionChanged(int controlId)
{
    const SOPTIONACTION* o = m_FindOptionAction(controlId);
    if (!o) return;
    m_RunPlayerAction(*o);
    m_RunLookAction(o->Action);
    m_RunViewAction(o->Action, controlId);
}
