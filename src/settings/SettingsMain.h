// The [Main] section: the window and player state kept across runs, its
// reader and writer with a saved copy of its own, and the delayed save that
// main-window timer 10 runs.
#pragma once
#include <windows.h>

// Main-window timer of the delayed [Main] save and its delay.
constexpr UINT kMainSaveTimerId = 10;
constexpr UINT kMainSaveDelayMs = 2000;

// Groups of the [Main] writer.
enum {
    MAIN_GROUP_VERSION = 0x1,     // Ver (forced: Fst, Test, Lgcy, ErrLog too)
    MAIN_GROUP_PLACEMENT = 0x2,   // Pos
    MAIN_GROUP_PANELS = 0x4,      // Ctrl, HdBtn
    MAIN_GROUP_VOLUME = 0x8,      // Vol
    MAIN_GROUP_REPEAT = 0x10,     // Rpt
    MAIN_GROUP_TIME = 0x20,       // Time
    MAIN_GROUP_WINDOW = 0x40,     // Top, Pow, Wnd
    MAIN_GROUP_PLAYLIST = 0x80,   // List
    MAIN_GROUP_LAUNCHER = 0x100,  // Mon, LtRate, LtTmr
    MAIN_GROUP_ALL = 0xFFFF,      // (any of 0xF0 also writes LnchRt)
};

// The fields of each writer group lie together, in the order of the groups.
struct SMAINWINDOWSTATE {
    // Pos: the restored window rectangle without the invisible border.
    int nLeft;
    int nTop;
    int nWidth;
    int nHeight;
    int nDpiPercent;
    // Ctrl: seek bar shown, button row shown, status bar shown, seek bar
    // inline; HdBtn.
    int nCtrl[4];
    int nHideButtons;
    int nVolume;  // hundredths of a percent, 0..10000
    int nRepeat;
    int nRangeRepeat;
    int nTimeMode;
    int nTimeFlags[5];
    int nTopMost;
    int nPower;
    int nWindowMode;  // 1 a window, 2 full screen
    int bMaximized;
    int nFullMonitor;
    int nFullSub;
    int nPlaylistWindow;  // List: the window's number, negative while hidden
    int nPowerSaving;     // Mon
    int nLauncherRate;
    int nLauncherTimer;
    int bLauncherTimerOn;
    int nLauncherRoot;
};

extern SMAINWINDOWSTATE g_MainWindowState;
// What the file holds, as far as the writer knows.
extern SMAINWINDOWSTATE g_MainWindowStateCopy;
// Groups waiting for the delayed save.
extern int g_MainSavePending;

// Reads [Main] and hands the volume to the volume setter.
void m_Settings_ReadMain();
// Kills timer 10, clears the pending groups and writes the groups of the
// mask: changed values only, or all of them when forced.
void m_Settings_WriteMain(int force, int mask);
// Once start-up has finished: adds the groups to the pending save and
// (re)starts timer 10, so that a burst of changes ends in one save.
void m_Settings_ScheduleSave(int mask);
// Takes the window's restored rectangle when fromWindow is set, then writes
// Pos unless unforced and unchanged.
void m_Settings_WritePlacement(int force, int fromWindow);
// Takes the saved copy of the state (start-up, after reading it).
void m_Settings_SnapshotMain();
// Start-up has finished: delayed saves are taken from now on.
void m_Settings_SetStartupDone();
