// The repeat mode: what the end of a file and a failed open go on to.
#pragma once
#include <windows.h>

enum {
    REPEAT_OFF = 0,
    REPEAT_ON = 1,
    REPEAT_FILE = 2,
    REPEAT_CHAPTER = 3,
    REPEAT_SHUFFLE = 4,
};
extern int g_RepeatMode;

// Sets the mode; above 4 wraps to 0, below 0 to 4.
void m_Repeat_SetMode(int mode, int showMessage);
