// The auto-next countdown: a dark panel over the video with "REPEAT", a
// "go on now" button whose bar fills while the countdown runs and a cancel
// button. Running out tells the main window WM_APP_NOTIFYMAIN 5001 (go on
// now); its pause toggle sends 5003, a cancel 5002.
#pragma once
#include <windows.h>

enum {
    NOTICE_AUTONEXT_NOW = 5001,
    NOTICE_AUTONEXT_CANCEL = 5002,
    NOTICE_AUTONEXT_PAUSE = 5003,
};

// 1 while the countdown panel is up.
extern int g_AutoNextActive;

// Creates the panel in the parent once (again when the parent changed).
void m_AutoNext_Create(HWND parent);
void m_AutoNext_SetRect(const RECT& rc);
// Showing clears the dimmed look; hiding stops the countdown.
void m_AutoNext_ShowWindow(int showCommand);
// Starts the countdown of ms; below 1 only pauses it.
void m_AutoNext_StartCountdown(int ms);
// 0 and 1 stop the countdown and send 5001 and 5002; any other value
// toggles its pause (leaving a pause sends 5001 unless the repeat mode is
// OFF; entering one sends 5003).
void m_AutoNext_Command(int button);
// The countdown's total and what is left of it, in ms; paused flag.
int m_AutoNext_Remaining();
int m_AutoNext_IsPaused();
