// Program start-up: the state fixed at start and the initialisation steps.
#pragma once
#include <windows.h>

#include "app/CommandLine.h"

enum { ZV_INI_VERSION = 90690 };

extern DWORD g_StartTime;                     // timeGetTime at entry, for the boot-time notice
extern DWORD g_StartTick;                     // GetTickCount at entry
extern int g_IniVersion;                      // [Main] "Ver" read at start, 0 without a file
extern wchar_t g_InstanceName[MAX_PATH + 1];  // exe path with '/' for '\'
extern HANDLE g_hInstanceMutex;
extern UINT g_NotifyMessage;  // "Zentavio_NotifyMessage"
extern HACCEL g_hAccelMain;
extern HPOWERNOTIFY g_hPowerNotify;
extern HWND g_hDlgCurrent;  // the one current modeless dialog
extern int g_DpiPercent;    // DPI percent of the main window's monitor
extern int g_StartingUp;
extern int g_InitDone;
extern int g_JumpListStartMode;
extern wchar_t g_PendingPath[MAX_PATH + 1];

// Fixes g_ExePath and g_IniPath from the module path.
void m_InitPaths();
// Reads the start switches of [Main] and [Common] that decide how to start.
void m_ReadStartSwitches();
// The initialisation sequence after the main window exists; 0 when a
// "-JL" jump list could not be opened.
int m_InitInstance(int showCommand);
// Opens what a command line names; 0 only when a "-JL" jump list fails.
int m_OpenCommandLine(SCOMMANDLINE* cmd);
// Shows the start notice by the INI version read at start.
void m_ShowStartNotice();
