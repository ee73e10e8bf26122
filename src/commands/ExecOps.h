// The operations the function executor hands its actions to, as one table
// of function pointers: the product fills it with the real operations, a
// test with recording doubles, so every case can be checked for which
// value goes where without a player around it.
#pragma once
#include <windows.h>

struct SEXECOPS {
    // Playback.
    void (*PlayPause)(int startMs);
    void (*ResetCursorHide)(int show);
    void (*PrevTrack)(int direct);
    void (*NextTrack)();
    void (*StartContinuousSeek)(int stepMs, int holdKey, int keyMode, int minMs, int maxMs,
                                int waitMs);
    void (*SkipToPoint)(int direction, int offsetMs, int kindMask);
    void (*FrameStep_Start)(int key, int frames, int intervalMs, int firstDelayMs, int compare,
                            int threshold);
    void (*Rate_Set)(int percent, int force, int showMessage);
    void (*Rate_Adjust)(int step);
    void (*Rate_StepPreset)(int direction);
    void (*SavePlayPosition)(int force);
    void (*SeekToPercent)(int hundredths);
    void (*SeekToTime)(int ms, int showMessage, int holdRule);
    void (*SeekToFrame)(LONGLONG frame);
    void (*SeekToStoredPosition)(int useResume);
    void (*Repeat_SetMode)(int mode, int showMessage);
    void (*PowerSaving_Set)(int on, int showMessage);
    void (*PowerSaving_SetTemp)(int invert, int fadeButton, int showMessage);
    int (*SetTimeDisplayMode)(int mode);
    void (*CloseFile)(int redraw, int showMessage, int resumeMode, int addToHistory);
    void (*ReopenMediaFile)(int keepState);
    BOOL (*OpenFile)(LPCWSTR path, int start, int reportMissing, int flag1, int flag2, int kind);
    // Chapters, markers, play ranges and streams.
    int (*Chapter_AddCurrent)(int snapMs);
    int (*Chapter_DeleteCurrent)();
    void (*Chapter_Reset)(int track, int message);
    int (*Marker_AddCurrent)();
    int (*Marker_DeleteNearest)();
    void (*Marker_Step)(int direction);
    void (*PlayRange_Command)(int command, int message);
    int (*PlayRange_AddCurrent)(int turnOff, int message);
    void (*PlayRange_Step)(int direction, int stepMode, int acrossFiles);
    void (*PlayRange_StepFile)(int direction, int mode, int index, int message);
    void (*RangeRepeat_SetMode)(int mode);
    int (*Stream_Select)(int n);
    // The main window.
    void (*Zoom_Toggle100)();
    int (*SetSizeLeavingFullScreen)(int mode, int value, int redraw);
    void (*Size_SetCmd)(int w, int h);
    void (*Size_TakeVideoAspect)();
    void (*Size_StepCmd)(int mode, int step, int showMessage);
    void (*WindowSize_SetCmd)(int w, int h);
    int (*FullScreen_Set)(int on, int first, int last, int showMessage, int redraw, int mode);
    void (*VideoClip_Set)(int mode, int showMessage, int updatePage);
    void (*ShowPlayListWnd)(int show, int nCmdShow);
    void (*ShowFavoWindow)(int show, int activate);
    void (*SetTopMost)(int mode, int showMessage, int force);
    void (*OSD_SetMode)(int mode, int showMessage);
    void (*ShowAboutBox)(int show, int activate);
    void (*ExitApplication)();
    void (*ApplyDpi)(int percent);
    void (*RelayoutClientArea)();
    // Sets a bar's visibility flag, resizing the window so that the video
    // area keeps its size.
    void (*SetBarKeepingVideo)(int* flag, int value);
    // Opens the menu upwards from the point, kept inside limit when one is
    // given; 0: the id has no menu.
    int (*ShowPopupMenu)(UINT menuId, POINT screen, const RECT* limit);
    int (*Menu_ActiveId)();
    void (*Menu_CloseActive)();
    void (*SetHoverTimer)(int start, int mask);
    void (*PlaceWindow)(const RECT* rect);
    void (*SetZoomMode)(int fullScreen, int relayout, int fitMode);
    void (*SetVideoSize)(int w, int h);
    void (*ShowWindowState)(int command);
    // Feedback.
    UINT(*ShowText)
    (LPCWSTR text, int colourSel, int durationMs, int blinkCount, int priority, int centreWidth,
     int fade);
    void (*ClearText)(int fade);
    void (*PlaySoundCue)(int cue);
    BOOL (*MessageBeep)(UINT type);
    // Sound, properties and aspect.
    void (*Volume_Step)(int step, int systemStep);
    int (*Volume_ShowText)(int volume, int show);
    void (*SystemVolume_OnPlayState)(int playing);
    void (*Mute_Toggle)();
    void (*AudioOut_SetMode)(int mode);
    void (*AudioDevice_Choose)(int value);
    void (*AudioInputBalance_Set)(int value, int level, int showMessage, int updatePage);
    void (*Property_Command)(const wchar_t* text, int holdKey, int functionId);
    void (*Property_Step)(int functionId, const wchar_t* text);
    void (*SeekBarPreview_Set)(int value);
    void (*Aspect_Apply)(int x, int y);
    void (*Aspect_Reset)();
    void (*VideoRange_Apply)();
    // Capture and jump lists, launcher, options, timer.
    void (*Capture_SaveAs)(int preset);
    void (*Capture_ToClipboard)(int preset);
    void (*Capture_ByPreset)(int preset);
    void (*JumpList_Command)(int value);
    void (*JumpList_Create)(int preset, int count, int columns, int rows, int allFiles);
    void (*JumpList_PreviewToggle)(int preview, int holdKey, int mode, int a, int b);
    void (*Launcher_Toggle)();
    void (*Options_Show)(int show, int page, int menu);
    void (*Options_RefreshAdjust)(int group, int option);
    void (*Timer_Arm)(int which, int seconds);
    void (*Timer_Lengthen)(int which, int seconds);
    void (*Timer_StopCmd)(int value);
    void (*Timer_ToggleDialog)();
    int (*RunTask)(const wchar_t* text);
    // Tools.
    void (*Bind_ShowTable)();
    void (*Settings_Rewrite)();
    void (*ChooseColour)();
    void (*OpenDialog)(int kind, int add);
    void (*OpenParentFolder)();
    void (*OpenAlone)(int newInstance);
    void (*FileTool)(int value);
};

extern SEXECOPS g_ExecOps;
// The real operations (what g_ExecOps starts as).
SEXECOPS m_ExecOps_Real();
