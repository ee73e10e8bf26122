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

// Above 4 wraps to 0, below 0 to 4, so stepping by +1 and -1 cycles.
int m_Repeat_Normalise(int mode);
// "REPEAT : OFF" ... "REPEAT : SHUFFLE" of a mode (wrapped as above).
const wchar_t* m_Repeat_Text(int mode);
// Sets the mode (wrapped as above), shows it on the repeat button and
// schedules the save of [Main] "Rpt"; with showMessage says it on the
// status bar.
void m_Repeat_SetMode(int mode, int showMessage);
