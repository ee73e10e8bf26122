// The control bar's commands: what a click, a press, a release and a right
// press of each button does, the buttons' popup menus, the custom buttons'
// holds, and the seek bar's and the volume slider's notices. The entry
// point m_OnCtrlCommand is declared with the other handlers
// (CommandHandlers.h).
//
// Files: CtrlCommands.cpp (the dispatcher and the button clicks),
// CtrlCommandsMenus.cpp (the buttons' and the seek bar's menus),
// CtrlCommandsSliders.cpp (seek bar and volume slider),
// CtrlCommandsRules.cpp (the decisions that need no window).
#pragma once
#include <windows.h>

struct SSLIDERNOTIFY;

// Control ids besides the 23 buttons (32969 + index).
constexpr int kCtrlModeButtonId = 33067;
constexpr int kCtrlMuteButtonId = 33069;
constexpr int kCtrlSeekBarId = 33070;
constexpr int kCtrlVolumeSliderId = 33071;
constexpr int kCtrlCustomButtonCount = 6;

// Button notices (CButtonPlus).
enum {
    CTRL_CLICK = 0,
    CTRL_LDOWN = 102,
    CTRL_LUP = 103,
    CTRL_RCLICK = 104,
    CTRL_RDOWN = 105,
    CTRL_RUP = 106,
    CTRL_GESTURE = 107,
};

// ---- custom buttons (CtrlCommandsRules.cpp)
// What a custom button holds from its press to its release: 0 nothing, 1 a
// continuous seek, 2 frame stepping; per mouse button.
struct SCUSTOMHOLD {
    int kind[2];  // [0] left, [1] right
};
// What one notice of a custom button asks for.
struct SCUSTOMSTEP {
    int exec;      // run the binding of the mouse code now
    int stopKind;  // end the hold of that kind (1 seek, 2 frames), 0 none
    int right;     // the right button's code and VK_RBUTTON
};
// seekKind: m_Bind_MouseSeekKind of the button's code, asked on presses.
SCUSTOMSTEP m_CustomButton_Step(SCUSTOMHOLD* hold, int notification, int seekKind);
// The custom button's number (1..6) of a control id, else 0.
int m_CustomButton_Number(int id);
// Its mouse input codes: 192 + k left, 208 + k right.
int m_CustomButton_MouseCode(int number, int right);

// ---- menu places (CtrlCommandsRules.cpp)
// The monitor less 3 pixels on each side: the limit of the long menus.
RECT m_CtrlMenu_LimitRect(const RECT& monitor);
// Where the seek-bar menu opens (bottom-left at the point): above the bar
// by the offset when the bar lies in the monitor's lower half, else at the
// pointer with the offset; *limit tells whether it is kept inside.
POINT m_CtrlMenu_SeekBarPoint(const RECT& bar, const RECT& monitor, POINT cursor, POINT offset,
                              int* limit);
// The cursor's new place after the button moved from before to after, so
// that it stays on the same point of the button.
POINT m_CtrlMenu_FollowButton(POINT cursor, const RECT& before, const RECT& after);

// ---- volume texts (CtrlCommandsRules.cpp)
// "VOL````%s%%" of the volume (hundredths of a percent) with the decimals.
int m_VolumeHover_Text(wchar_t* out, int size, int volume, int decimals);
// A hover shows the volume unless a timer is armed or a drag's volume text
// was just shown.
int m_VolumeHover_Wanted(int timerActive, int dragTextShown);

// ---- the sliders (CtrlCommandsSliders.cpp)
void m_OnSeekBarNotice(const SSLIDERNOTIFY& n);
void m_OnVolumeSliderNotice(const SSLIDERNOTIFY& n);
// Timer 39 fired: seek to the position that waits.
void m_SeekBar_OnPollTimer();

// ---- menus (CtrlCommandsMenus.cpp)
// The right press of a button with a menu; 1 when it had one.
int m_CtrlMenu_OnRightPress(int id);
// The recent-files button's left press: the recent list.
void m_CtrlMenu_Recent(int id);
// The seek bar's menu (2333).
void m_CtrlMenu_SeekBar();
// The audio menu of the volume slider (2329).
void m_CtrlMenu_Audio(HWND control);
