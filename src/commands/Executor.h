// The one place where actions are carried out: a function id with its
// numeric parameter and argument text, from a binding, a menu item or the
// command line.
#pragma once
#include <windows.h>

#include "settings/SettingsLists.h"

struct SMENUPRESET;

// The argument text of the full-screen function that last asked for full
// screen ("-1" for an empty one); the size menu checks its item by it.
constexpr int kFullScreenArgCap = 32;
extern wchar_t g_FullScreenArg[kFullScreenArgCap];

enum {
    FUNC_PLAYPAUSE = 1,
    FUNC_TRACK = 3,
    FUNC_SEEK = 5,
    FUNC_SEEK_TIME = 6,
    FUNC_SEEK_EX = 7,
    FUNC_PREV_CHAPTER = 10,
    FUNC_NEXT_CHAPTER = 11,
    FUNC_FRAME_STEP = 12,
    FUNC_RATE_SET = 13,
    FUNC_RATE_ADJUST = 14,
    FUNC_RATE_SELECT = 15,
    FUNC_GOTO_PERCENT = 17,
    FUNC_GOTO_SECONDS = 18,
    FUNC_GOTO_FRAME = 19,
    FUNC_CHAPTER_EDIT = 26,
    FUNC_SIZE_PERCENT = 32,
    FUNC_SIZE_WIDTH = 33,
    FUNC_SIZE_HEIGHT = 34,
    FUNC_SIZE_WH = 35,
    FUNC_SIZE_AREA = 36,
    FUNC_SIZE_ADJ_PERCENT = 37,
    FUNC_SIZE_ADJ_WIDTH = 38,
    FUNC_SIZE_ADJ_HEIGHT = 39,
    FUNC_FULLSCREEN = 40,
    FUNC_FULLSCREEN_CROP = 41,
    FUNC_VIDEO_RANGE = 45,
    FUNC_ASPECT = 46,
    FUNC_VOLUME_ADJUST = 49,
    FUNC_VOLUME_SET = 50,
    FUNC_MUTE = 51,
    FUNC_AUDIO_MODE = 52,
    FUNC_AUDIO_DEVICE = 53,
    FUNC_BALANCE_SWITCH = 62,
    FUNC_CAPTURE = 64,
    FUNC_JUMPLIST = 66,
    FUNC_JUMPLIST_CREATE = 67,
    FUNC_JUMPLIST_PREVIEW = 68,
    FUNC_SEEKBAR_PREVIEW = 73,
    FUNC_MARKER = 74,
    FUNC_RANGE = 75,
    FUNC_RANGE_MOVE = 76,
    FUNC_RETURN_POSITION = 77,
    FUNC_RANGE_REPEAT = 78,
    FUNC_STREAM = 79,
    FUNC_MENU = 80,
    FUNC_OPTION = 81,
    FUNC_PLAYLIST = 82,
    FUNC_FAVORITE = 83,
    FUNC_TIMER = 84,
    FUNC_LAUNCHER = 88,
    FUNC_TOPMOST = 89,
    FUNC_REPEAT = 90,
    FUNC_POWER_SAVING = 91,
    FUNC_TIME_FORMAT = 92,
    FUNC_OSD_MODE = 93,
    FUNC_ONTIMER_SEC = 113,
    FUNC_OFFTIMER_SEC = 114,
    FUNC_ONTIMER = 115,
    FUNC_OFFTIMER = 116,
    FUNC_ONTIMER_ADD = 117,
    FUNC_OFFTIMER_ADD = 118,
    FUNC_TIMER_STOP = 121,
    FUNC_PROPERTY = 128,
    FUNC_PROP_CONTRAST = 129,
    FUNC_PROP_LAST_STEP = 135,
    FUNC_PROP_AUDIO_FIRST = 141,
    FUNC_PROP_BALANCE_SWITCH = 143,
    FUNC_TEST = 144,
    FUNC_OPEN = 145,
    FUNC_CLOSE = 146,
    FUNC_FILE_TOOL = 147,
    FUNC_WINDOW_SIZE = 148,
    FUNC_WINDOW_POS = 149,
    FUNC_WINDOW_STATE = 150,
    FUNC_BEEP = 151,
    FUNC_TASK = 152,
    FUNC_EXIT = 153,
    FUNC_ABOUT = 154,
    FUNC_DPI_TEST = 159,
    FUNC_SHOW_MENUBAR = 4177,
    FUNC_SHOW_SEEKBAR = 4178,
    FUNC_SHOW_TOOLBAR = 4179,
    FUNC_SHOW_STATUSBAR = 4180,
};

// Auto-repeats still to be swallowed (a property step at its limit sets 8).
extern int g_RepeatSkipCount;
// The menu bar's visibility switch.
extern int g_ShowMenuBar;

// 1 when the id was handled (also when it refused with a sound cue), 0 for
// an id without a case or a dropped auto-repeat. Never looks at the
// enabled flag.
int m_ExecFunction(const SFUNCTIONBIND* action, int holdKey, int autoRepeat);
// A zeroed action with the text cut to 31 characters; hold key 0, no
// auto-repeat.
int m_ExecFunctionById(int functionId, int parameter, const wchar_t* text);
// Shows (1), hides (0) or toggles (other values) a bar of the main window;
// then relays out the client area, or with keepVideoSize resizes the window
// so that the video area keeps its size. 0 for an id that is no bar.
int m_Exec_ShowBar(int functionId, int value, int keepVideoSize);
// A preset menu entry's action, as by m_ExecFunctionById; 0 for none.
int m_ExecBinding(const SMENUPRESET* preset);
