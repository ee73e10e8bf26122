// The notices tool windows, controls, overlays and the options pages send
// the main window (WM_APP_NOTIFYMAIN, code in wParam, value in lParam),
// grouped by sender in thousands, and the handlers of each group.
#pragma once
#include <windows.h>

enum {
    NOTICE_PLAYLIST_ACTIVATED = 101,
    NOTICE_FAVO_MOVING = 102,
    NOTICE_TIMER_TEXT = 1001,
    NOTICE_TIMER_FIRE_ON = 1002,
    NOTICE_TIMER_FIRE_OFF = 1003,
    NOTICE_FAVO_CHANGED = 3001,
    NOTICE_FAVO_OPEN = 3002,
    NOTICE_FAVO_OPEN_ADD = 3003,
    NOTICE_FAVO_ADD = 3004,
    NOTICE_LAUNCHER_OPEN = 4001,
    NOTICE_LAUNCHER_OPEN_ADD = 4002,
    NOTICE_LAUNCHER_ADD = 4003,
    NOTICE_LAUNCHER_REPAINT = 4004,
    NOTICE_LAUNCHER_FAVO_TREE = 4005,
    NOTICE_JUMPLIST_VIEW = 6001,
    NOTICE_AUDIO_DEVICE = 7002,
    NOTICE_OPTION_CHANGED = 9001,
    NOTICE_OPTION_OK = 9002,
    NOTICE_OPTION_CANCEL = 9003,
    NOTICE_OPTION_APPLY = 9004,
    NOTICE_OPTION_BUTTONS = 9005,
    NOTICE_OPTION_AUDIO_LIST = 9006,
    NOTICE_OPTION_KEY_TIPS = 9007,
    NOTICE_OPTION_AUDIO_RESET = 9008,
    NOTICE_OPTION_AUDIO_SKIP = 9009,
    NOTICE_OPTION_PROPS = 9011,
    NOTICE_OPTION_PROPS_SHOW = 9012,
    NOTICE_OPTION_INFO = 9014,
    NOTICE_OPTION_SIZE = 9015,
    NOTICE_OPTION_HISTORY = 9016,
    NOTICE_OPTION_FILTERS = 9022,
    NOTICE_OPTION_MENU_STYLE = 9023,
    NOTICE_OPTION_KEEP_VIDEO = 9025,
};

// The options dialog's notices but 9001, 9017 and 9018; 1 when the code
// is one of them.
int m_OnOptionNotice(WPARAM code, LPARAM value);
// 9001: one changed control of an options page, by its id; ids that name
// no setting do nothing.
void m_OnOptionChanged(int controlId);
// 9015: the size page's window-size kind and mask of a control id; 0 for
// an id that names none.
int m_OptionSizeKind(int controlId, int* kind, int* mask);
// The path a pointer-carrying notice hands over, copied into out (cap at
// least MAX_PATH + 2): only from this thread, only readable memory, and
// only with its terminator within 261 characters; 0 otherwise.
int m_NoticePath(LPARAM value, wchar_t* out, int cap);
