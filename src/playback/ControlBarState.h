// The control bar's enable states and the play button's frame, kept in
// step with the play state.
#pragma once
#include <windows.h>

// What the control bar's state depends on.
struct SCONTROLBARFACTS {
    int playStarted;
    int playState;
    int mediaKind;
    int mediaOpen;
    int launcherShown;
    int keepLauncher;   // full screen keeps the launcher in the main window
    int jumpListOther;  // the jump-list view shows another entry than the playing one
    int keepJumpList;   // full screen keeps the jump-list view in the main window
    int pendingPath;
};

// What the control bar shows: the play button's frame (1 the pause
// picture) with its cross-fade steps, and which parts take input.
struct SCONTROLBARSTATE {
    int playFrame;
    int fadeSteps;
    int play;
    int stepping;  // previous and next
    int seeking;   // rewind and fast forward
    int seekBar;
};

SCONTROLBARSTATE m_ControlBarState_Of(const SCONTROLBARFACTS& facts);
// Applies the state of the moment to the control bar and repaints it.
void m_UpdateToolbar();
