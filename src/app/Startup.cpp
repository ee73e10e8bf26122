#include "app/Startup.h"
#include "app/WindowHelpers.h"

#include <locale.h>
#include <math.h>
#include <stdio.h>

#include "app/FullScreenState.h"
#include "app/MonitorTable.h"
#include "app/MainWindow.h"
#include "app/Layout.h"
#include "app/MainWindowLook.h"
#include "app/MainWindowLookFonts.h"
#include "app/PopupImageWnd.h"
#include "app/PopupMenu.h"
#include "app/SettingsUpgrade.h"
#include "app/StatusText.h"
#include "app/ToolWindows.h"
#include "app/WindowPlacement.h"
#include "base/ErrorLog.h"
#include "base/ImageFile.h"
#include "base/NumberList.h"
#include "base/MediaTypes.h"
#include "base/PathUtil.h"
#include "commands/MenuStyleApply.h"
#include "commands/OpenCommands.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "filedata/DataFiles.h"
#include "filedata/PlayRangeState.h"
#include "filedata/ResumeStore.h"
#include "library/Library.h"
#include "playback/PlaybackControl.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "resources/resource.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsMain.h"
#include "settings/SettingsRewrite.h"
#include "timer/TimerOwner.h"

namespace {

int s_PlaylistOpenOverride = -1;  // [Playlist] "Opn"
int s_PlaylistOpen;               // the playlist window is to be open

int m_IniInt(LPCWSTR section, LPCWSTR key, int def)
{
    return (int)GetPrivateProfileIntW(section, key, def, g_IniPath);
}

void m_StartGdiplus()
{
    const int status = m_GdiplusStartup();
    if (status != 0) m_WriteLog(L"MAIN_%d : Error / GdiplusStartup() = %d", __LINE__, status);
}

void m_EnableTouch()
{
    if (GetSystemMetrics(SM_DIGITIZER) & (NID_READY | NID_MULTI_INPUT)) {
        RegisterTouchWindow(g_hWndMain, 0);
    }
}

void m_ReadInitSwitches()
{
    g_Settings.Main_Test = m_IniInt(L"Main", L"Test", 0);
    g_Settings.Main_FadeTest = m_IniInt(L"Main", L"FadeTest", 0);
    g_Settings.Main_Lgcy = m_IniInt(L"Main", L"Lgcy", 0);
    s_PlaylistOpenOverride = m_IniInt(L"Playlist", L"Opn", -1);
    g_Settings.Main_Fst = m_IniInt(L"Main", L"Fst", 0);
    g_IniVersion = m_IniInt(L"Main", L"Ver", 0);
}

HICON m_LoadIconFile(LPCWSTR baseName)
{
    wchar_t path[MAX_PATH + 1];
    _snwprintf(path, MAX_PATH, L"%s%s.ico", g_ExeFolder, baseName);
    path[MAX_PATH] = 0;
    if (m_PathExistsKind(path) != 1) return nullptr;
    return (HICON)LoadImageW(nullptr, path, IMAGE_ICON, 32, 32, LR_LOADFROMFILE);
}

void m_ApplyIcons()
{
    HICON large = nullptr, little = nullptr;
    if (g_Settings.Ctrl_CtmIco) large = little = m_LoadIconFile(g_ExeBaseName);
    if (!large) large = LoadIconW(g_hInstance, MAKEINTRESOURCEW(IDI_MAIN));
    if (!little) {
        little = (HICON)LoadImageW(g_hInstance, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, 32, 32,
                                   LR_DEFAULTSIZE);
    }
    SendMessageW(g_hWndMain, WM_SETICON, ICON_BIG, (LPARAM)large);
    SendMessageW(g_hWndMain, WM_SETICON, ICON_SMALL, (LPARAM)little);
}

// The last start's history or default playlist, opened by "play".
void m_PresetPendingPath()
{
    if (!g_Settings.Common_LtFile || g_CmdLine.nArgCount > 1) return;
    if (m_PathExistsKind(g_DefaultPlaylistPath) == 1) {
        lstrcpynW(g_PendingPath, g_DefaultPlaylistPath, MAX_PATH + 1);
        return;
    }
    m_Recent_ReadFile(0, 0);
    if (m_Recent_GetCount() > 0) lstrcpynW(g_PendingPath, m_Recent_GetLastPath(), MAX_PATH + 1);
}

// 16:9 or 4:3 when the area is within rounding of either, else w / h.
double m_InitialAspect(int w, int h)
{
    auto matches = [w, h](double a) { return (int)(h * a + 0.5) == w || (int)(w / a + 0.5) == h; };
    if (matches(1.777777778)) return 1.777777778;
    if (matches(1.333333333)) return 1.333333333;
    return h > 0 ? (double)w / h : 1.777777778;
}

void m_TakeSnapshots()
{
    g_SettingsCopy = g_Settings;
    g_VideoPropDefaultCopy = g_VideoPropDefault;
    m_Settings_SnapshotMain();
    m_Capture_Snapshot(1);
    m_Bind_CopyList(0);
    m_Filter_Snapshot(1);
    m_FolderSetting_Snapshot(1);
}

void m_UpgradeOrCreateFile()
{
    if (g_IniVersion != 0 && g_IniVersion < ZV_INI_VERSION) {
        m_UpgradeIniFile(0);
    } else if (g_IniVersion == 0) {
        // A file without a version could not be read (empty, not text, not
        // UTF-16 with its mark): the upgrade keeps it as ".bak", then it is
        // written anew, whole, as at a first start. Key-by-key writes into
        // it would leave a few keys in its old encoding.
        if (m_PathExistsKind(m_SettingsFile_Path()) == 1) m_UpgradeIniFile(0);
        m_Settings_RewriteFile(0);
    }
}

int m_StartShowCommand(int showCommand)
{
    if (g_CmdLine.bMinimized) return SW_MINIMIZE;
    if (g_MainWindowState.nWindowMode == 1 && g_MainWindowState.bMaximized &&
        g_Settings.Common_HoldPos) {
        return SW_MAXIMIZE;
    }
    if (g_CmdLine.bJumpList) return SW_SHOWNOACTIVATE;
    return showCommand;
}

// The playlist window open at the last exit opens again, below the main
// window; only created while the main window starts minimised.
void m_ShowPlaylistAtStart(int showCommand)
{
    if (!s_PlaylistOpen) return;
    int createOnly = showCommand == SW_MINIMIZE || showCommand == SW_SHOWMINNOACTIVE;
    m_ShowPlayListWnd(1, createOnly ? 6 : SW_SHOWNOACTIVATE);
    SetWindowPos(g_hWndMain, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void m_InitPaths()
{
    GetModuleFileNameW(nullptr, g_ExePath, MAX_PATH + 1);
    g_ExePath[MAX_PATH] = 0;
    m_SplitExePath();
}

void m_ReadStartSwitches()
{
    g_Settings.Main_ErrLog = m_IniInt(L"Main", L"ErrLog", 0);
    g_Settings.Common_Mlt = m_IniInt(L"Common", L"Mlt", 1);
    g_NotifyMessage = RegisterWindowMessageW(L"Zentavio_NotifyMessage");
    GetPrivateProfileStringW(L"Main", L"Title", L"", g_Settings.Main_Title,
                             ARRAYSIZE(g_Settings.Main_Title), g_IniPath);
}

int m_InitInstance(int showCommand)
{
    setlocale(LC_ALL, "");
    m_StartGdiplus();
    ImmAssociateContext(g_hWndMain, nullptr);
    m_EnableTouch();
    DragAcceptFiles(g_hWndMain, TRUE);
    m_ReadInitSwitches();
    // An upgrade, or the first file, reaches the disk whole or not at all.
    const bool rewriting = g_IniVersion < ZV_INI_VERSION;
    if (rewriting) m_SettingsFile_BeginWrite();
    if (g_IniVersion != 0 && g_IniVersion < ZV_INI_VERSION) m_UpgradeIniFile(1);
    m_Settings_ReadMain();
    // Placing the hidden window below reports it restored; the stored state
    // decides the show command and is what the exit compares against.
    const int wasMaximized = g_MainWindowState.bMaximized;
    m_LoadSettings(0xFFFF);
    m_LoadButtonOrder();
    m_VideoProp_InitLevels();
    // The extension tables are built here, before the file-open thread asks.
    m_IsPlayableExt(nullptr, 1);

    RECT frame = m_StartWindowRect();
    m_PopupMenu_StartUp();
    m_ApplyIcons();
    m_AudioOut_SetMode(g_Settings.Common_AudOut, 0);
    m_AudioDevice_StartUp();
    m_Timer_SetOwner();
    g_Playlist.m_SetOwner();
    m_Repeat_SetMode(g_MainWindowState.nRepeat, 0);
    g_RangeRepeatMode = g_MainWindowState.nRangeRepeat;
    m_PowerSaving_Set(g_MainWindowState.nPowerSaving, 0);
    m_GetResumeFilePath();
    m_GetRecentFilePath();
    m_GetFavoriteFilePath();
    m_ApplyMainWindowLook();
    m_ApplyOsdFont(0);
    g_SeekBar.m_SetAutoHide(g_Settings.Ctrl_SbKnob, 0);
    if (!m_PopupImage_Create())
        m_WriteLog(L"MAIN_%d : Error / CreateWindowEx() = %u", __LINE__, GetLastError());
    m_LayoutClientArea(-1, -1);

    s_PlaylistOpen = g_MainWindowState.nPlaylistWindow > 0;
    if (s_PlaylistOpenOverride != -1) s_PlaylistOpen = s_PlaylistOpenOverride != 0;
    m_PresetPendingPath();
    m_PlaceMainWindow(&frame, g_DpiPercent);
    m_SetInitialAspect(m_InitialAspect(frame.right - frame.left, frame.bottom - frame.top));
    g_MainWindowState.bMaximized = wasMaximized;
    m_TakeSnapshots();
    m_UpgradeOrCreateFile();
    // [Mon] goes into the same save as an upgrade or a first file.
    m_Monitor_StartUp();
    if (rewriting) m_SettingsFile_EndWrite();
    // Nothing of the menus is built yet: the first popup builds from this.
    m_Menu_ApplyStyle(nullptr, 0, nullptr);
    m_UpdateToolbar();
    m_CustomButton_UpdateTooltips();
    m_FullScreen_StartUp();
    if (g_Settings.Common_MonAud[0]) m_AudioDevice_Apply(0);

    showCommand = m_StartShowCommand(showCommand);
    if (g_CmdLine.nFileCount > 0) g_PlayState = 2;
    if (g_Settings.Common_Lcr || g_CmdLine.bJumpList || g_CmdLine.nFileCount > 0) {
        g_StartingUp = 1;
        if (!g_CmdLine.bJumpList && g_CmdLine.nFileCount == 0) m_Launcher_Show(1, 1, 1);
    }
    ShowWindow(g_hWndMain, showCommand);
    m_ShowPlaylistAtStart(showCommand);
    // Applied once shown: a window manager may drop it from a hidden window.
    m_SetTopMostState(1);
    if (g_Settings.Common_AudLk[0] > 0) m_AudDev_SelectCurrent();
    if (!m_OpenCommandLine(&g_CmdLine)) return 0;

    m_FreeCommandLine(&g_CmdLine);
    g_StartingUp = 0;
    g_InitDone = 1;
    m_Settings_SetStartupDone();
    return 1;
}

namespace {

int m_OpenJumpListLine(SCOMMANDLINE* cmd)
{
    m_OpenFile_SetJumpListBlocks(cmd->nBlock);
    g_JumpListStartMode = 1;
    if (!m_OpenFile(cmd->pJumpListPath, 4, 1, 0, 0, -1)) {
        g_JumpListStartMode = 2;
        return 0;
    }
    return 1;
}

void m_OpenAtPosition(SCOMMANDLINE* cmd, int start)
{
    m_OpenPlayListFile(cmd->nPosTrack, cmd->nPosMs, 0, start, 0);
    g_StartPosGiven = 1;
    m_SavePlayPosition(0);
}

void m_OpenFileArguments(SCOMMANDLINE* cmd)
{
    int start = cmd->bPaused ? 2 : 1;
    g_CmdLineNamedFiles = 1;
    if (cmd->bRange) m_PlayRange_SetPending(1, cmd->nRangeSingle, cmd->nRangeFrom, cmd->nRangeTo);
    if (cmd->nFileCount == 1) {
        LPCWSTR path = cmd->pArgs[cmd->nFirstFile];
        if (!cmd->bPosition) {
            m_OpenFile(path, start, 1, 0, 1, -1);
            return;
        }
        m_OpenFile(path, 0, 1, 0, 0, -1);
        m_Recent_AddCurrent();
        m_OpenAtPosition(cmd, start);
        return;
    }
    for (int i = cmd->nFirstFile; i <= cmd->nLastFile; i++) {
        g_Playlist.m_AddPlayListFile(cmd->pArgs[i], 0);
    }
    g_Playlist.m_SortPlayList(1, 1, 0);
    g_Playlist.m_RefreshPlayList();
    for (int i = cmd->nFirstFile; i <= cmd->nLastFile; i++) m_Recent_AddCurrent();
    if (cmd->bPosition)
        m_OpenAtPosition(cmd, start);
    else
        m_OpenPlayListFile(0, 0, 0, start, 0);
}

}  // namespace

int m_OpenCommandLine(SCOMMANDLINE* cmd)
{
    if (cmd->bJumpList) return m_OpenJumpListLine(cmd);
    if (cmd->bAsPlaylist) {
        m_OpenFile(cmd->pPlaylistPath, 0, 0, 0, 0, -1);
        if (g_Settings.Common_Lcr) m_Launcher_Show(1, 1, 1);
        return 1;
    }
    if (cmd->nFileCount > 0) m_OpenFileArguments(cmd);
    return 1;
}

void m_ShowStartNotice()
{
    // A failed open of the command line's file has its report on screen:
    // the notice would replace it before it could be read.
    if (g_PlayState == 0 && g_StatusBar.m_IsMessageShown()) return;
    wchar_t text[64];
    if (g_IniVersion == ZV_INI_VERSION) {
        double seconds = (timeGetTime() - g_StartTime) / 1000.0;
        _snwprintf(text, 63, L"BOOT``TIME````=````%.3f``SEC", seconds);
        text[63] = 0;
        m_OSD_ShowText(text, 1, 3000, 0, 30, -1, 0);
    } else if (g_IniVersion == 0) {
        m_OSD_ShowText(L"CREATE INIFILE", -1, -1, -1, -1, -1, -1);
    } else if (g_IniVersion < ZV_INI_VERSION) {
        _snwprintf(text, 63, L"UPDATE > %0.1f.%d", 0.9, 690);
        text[63] = 0;
        m_OSD_ShowText(text, 1, 3500, 0, 60, -1, 0);
    }
}
