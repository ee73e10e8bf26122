// The real operations behind the executor's table.
#include "commands/ExecOps.h"

#include "app/AboutBox.h"
#include "app/DpiChange.h"
#include "app/ExitRequest.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "app/StatusText.h"
#include "app/Startup.h"
#include "app/ToolWindows.h"
#include "app/WindowHelpers.h"
#include "app/WindowPlacement.h"
#include "app/WindowSize.h"
#include "base/SoundCue.h"
#include "base/UiLook.h"
#include "commands/CommandHandlers.h"
#include "commands/ContinuousSeek.h"
#include "commands/FileDialogs.h"
#include "commands/FileTool.h"
#include "commands/MenuItemModel.h"
#include "commands/OpenCommands.h"
#include "commands/OpenPlayingFile.h"
#include "commands/RewriteIniCmd.h"
#include "commands/StreamSelect.h"
#include "controls/MenuManager.h"
#include "filedata/Chapters.h"
#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"
#include "jumplist/JumpListCommands.h"
#include "library/LauncherCommands.h"
#include "options/OptionCommands.h"
#include "playback/AudioCommands.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/AudioOutMode.h"
#include "playback/DisplayRefresh.h"
#include "playback/FrameStep.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/PlaybackRate.h"
#include "playback/PowerSaving.h"
#include "playback/ReopenFile.h"
#include "playback/RepeatMode.h"
#include "playback/Seek.h"
#include "playback/SeekPreview.h"
#include "playback/SkipPoints.h"
#include "playback/TrackNavigation.h"
#include "playback/VolumeControl.h"
#include "settings/CallTrace.h"
#include "timer/TimerCommands.h"

namespace {

void m_ResetCursorHideOnce(int show) { m_ResetCursorHide(show); }
void m_SetTopMostFull(int mode, int showMessage, int force)
{
    m_SetTopMost(mode, showMessage, force);
}
void m_CloseFileFull(int redraw, int showMessage, int resumeMode, int addToHistory)
{
    m_CloseFile(redraw, showMessage, resumeMode, addToHistory);
}
BOOL m_Beep(UINT type) { return MessageBeep(type); }

// Size commands follow the shape of the video itself, not an aspect the
// window was last given.
void m_TakeVideoAspect()
{
    if (g_VideoSize.cx > 0 && g_VideoSize.cy > 0)
        g_VideoAspect = static_cast<double>(g_VideoSize.cx) / g_VideoSize.cy;
}

int m_ActiveMenuId() { return g_MenuManager.m_GetActiveMenuId(); }
void m_CloseActiveMenu() { g_MenuManager.m_CloseActive(); }

// The video area is measured with the flag as it was: the area follows the
// flags, not the windows.
void m_SetBarKeepingVideo(int* flag, int value)
{
    RECT before;
    m_GetVideoPlaceArea(0, &before);
    *flag = value;
    m_ResizeVideoAreaFrom(before);
}

void m_RelayoutClientArea()
{
    RECT rc;
    if (g_hWndMain && GetClientRect(g_hWndMain, &rc)) m_LayoutClientArea(-1, -1);
}

// The rectangle is the visible one; the resize border is added back.
void m_PlaceMainWindow(const RECT* rc)
{
    if (!g_hWndMain || !rc) return;
    m_SetWindowPos(g_hWndMain, nullptr, rc->left, rc->top, rc->right - rc->left,
                   rc->bottom - rc->top, SWP_NOZORDER | SWP_NOACTIVATE, g_DpiPercent, 0);
}

void m_ShowMainWindowState(int command)
{
    if (g_hWndMain) ShowWindow(g_hWndMain, command);
}

// Dialogs and tools of parts not built yet.
void m_ChooseColour() { m_TraceCall(L"m_ChooseColour()"); }

// 0 media files, 1 a folder, 2 a playlist; owned by the main window.
void m_OpenDialog(int kind, int add)
{
    if (kind == 0)
        m_OpenFileDialog(g_hWndMain, add);
    else if (kind == 1)
        m_OpenFolderDialog(g_hWndMain, add);
    else if (kind == 2)
        m_OpenPlaylistDialog(g_hWndMain, add);
}

}  // namespace

SEXECOPS m_ExecOps_Real()
{
    SEXECOPS o = {};
    o.PlayPause = m_PlayPause;
    o.ResetCursorHide = m_ResetCursorHideOnce;
    o.PrevTrack = m_PrevTrack;
    o.NextTrack = m_NextTrack;
    o.StartContinuousSeek = m_StartContinuousSeek;
    o.SkipToPoint = m_SkipToPoint;
    o.FrameStep_Start = m_FrameStep_Start;
    o.Rate_Set = m_Rate_Set;
    o.Rate_Adjust = m_Rate_Adjust;
    o.Rate_StepPreset = m_Rate_StepPreset;
    o.SavePlayPosition = m_SavePlayPosition;
    o.SeekToPercent = m_SeekToPercent;
    o.SeekToTime = m_SeekToTime;
    o.SeekToFrame = m_SeekToFrame;
    o.SeekToStoredPosition = m_SeekToStoredPosition;
    o.Repeat_SetMode = m_Repeat_SetMode;
    o.PowerSaving_Set = m_PowerSaving_Set;
    o.PowerSaving_SetTemp = m_PowerSaving_SetTemp;
    o.SetTimeDisplayMode = m_SetTimeDisplayMode;
    o.CloseFile = m_CloseFileFull;
    o.ReopenMediaFile = m_ReopenMediaFile;
    o.OpenFile = m_OpenFile;
    o.Chapter_AddCurrent = m_Chapter_AddCurrent;
    o.Chapter_DeleteCurrent = m_Chapter_DeleteCurrent;
    o.Chapter_Reset = m_Chapter_Reset;
    o.Marker_AddCurrent = m_Marker_AddCurrent;
    o.Marker_DeleteNearest = m_Marker_DeleteNearest;
    o.Marker_Step = m_Marker_Step;
    o.PlayRange_Command = m_PlayRange_Command;
    o.PlayRange_AddCurrent = m_PlayRange_AddCurrent;
    o.PlayRange_Step = m_PlayRange_Step;
    o.PlayRange_StepFile = m_PlayRange_StepFile;
    o.RangeRepeat_SetMode = m_RangeRepeat_SetMode;
    o.Stream_Select = m_Stream_Select;
    o.Zoom_Toggle100 = m_Zoom_Toggle100;
    o.SetSizeLeavingFullScreen = m_SetSizeLeavingFullScreen;
    o.Size_SetCmd = m_Size_SetCmd;
    o.Size_TakeVideoAspect = m_TakeVideoAspect;
    o.Size_StepCmd = m_Size_StepCmd;
    o.WindowSize_SetCmd = m_WindowSize_SetCmd;
    o.FullScreen_Set = m_FullScreen_Set;
    o.VideoClip_Set = m_VideoClip_Set;
    o.ShowPlayListWnd = m_ShowPlayListWnd;
    o.ShowFavoWindow = m_ShowFavoWindow;
    o.SetTopMost = m_SetTopMostFull;
    o.OSD_SetMode = m_OSD_SetMode;
    o.ShowAboutBox = m_ShowAboutBox;
    o.ExitApplication = m_ExitApplication;
    o.ApplyDpi = m_ApplyDpi;
    o.RelayoutClientArea = m_RelayoutClientArea;
    o.SetBarKeepingVideo = m_SetBarKeepingVideo;
    o.ShowPopupMenu = m_ShowPopupMenuIn;
    o.Menu_ActiveId = m_ActiveMenuId;
    o.Menu_CloseActive = m_CloseActiveMenu;
    o.SetHoverTimer = m_SetHoverTimer;
    o.PlaceWindow = m_PlaceMainWindow;
    o.SetZoomMode = m_SetZoomMode;
    o.SetVideoSize = m_SetVideoSize;
    o.ShowWindowState = m_ShowMainWindowState;
    o.ShowText = m_OSD_ShowText;
    o.ClearText = m_OSD_Clear;
    o.PlaySoundCue = m_PlaySoundCue;
    o.MessageBeep = m_Beep;
    o.Volume_Step = m_Volume_Step;
    o.Volume_ShowText = m_Volume_ShowText;
    o.SystemVolume_OnPlayState = m_SystemVolume_OnPlayState;
    o.Mute_Toggle = m_Mute_Toggle;
    o.AudioOut_SetMode = [](int mode) { m_AudioOut_SetMode(mode, 1); };
    o.AudioDevice_Choose = m_AudioDevice_Choose;
    o.AudioInputBalance_Set = m_AudioInputBalance_Set;
    o.Property_Command = m_Property_Command;
    o.Property_Step = m_Property_Step;
    o.SeekBarPreview_Set = m_SeekPreview_Toggle;
    o.Aspect_Apply = m_Aspect_Apply;
    o.Aspect_Reset = m_Aspect_Reset;
    o.VideoRange_Apply = m_VideoRange_Apply;
    o.Capture_SaveAs = m_Capture_SaveAs;
    o.Capture_ToClipboard = m_Capture_ToClipboard;
    o.Capture_ByPreset = m_Capture_ByPreset;
    o.JumpList_Command = m_JumpList_Command;
    o.JumpList_Create = m_JumpList_Create;
    o.JumpList_PreviewToggle = m_JumpList_PreviewToggle;
    o.Launcher_Toggle = m_Launcher_Toggle;
    o.Options_Show = m_Options_Show;
    o.Options_RefreshAdjust = m_Options_RefreshAdjust;
    o.Timer_Arm = m_Timer_Arm;
    o.Timer_Lengthen = m_Timer_Lengthen;
    o.Timer_StopCmd = m_Timer_StopCmd;
    o.Timer_ToggleDialog = m_Timer_ToggleDialog;
    o.RunTask = m_RunTask;
    o.Bind_ShowTable = m_Bind_ShowTable;
    o.Settings_Rewrite = m_Test_RewriteIni;
    o.ChooseColour = m_ChooseColour;
    o.OpenDialog = m_OpenDialog;
    o.OpenParentFolder = m_OpenParentFolder;
    o.OpenAlone = m_OpenPlayingFileAlone;
    o.FileTool = m_FileTool;
    return o;
}

SEXECOPS g_ExecOps = m_ExecOps_Real();
