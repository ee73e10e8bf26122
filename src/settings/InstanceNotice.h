// Notices to the other running instances of the player: settings (1),
// timer settings (2), history (4), favorites (5), file opened (6), sent as
// the registered message "Zentavio_NotifyMessage" with the code in wParam.
#pragma once
#include <windows.h>

enum {
    NOTICE_SETTINGS = 1,
    NOTICE_TIMER = 2,
    NOTICE_RECENT = 4,
    NOTICE_FAVORITES = 5,
    NOTICE_OPENED = 6,
};

// Tells the other instances of a change; byMutex 1 reaches the instances of
// this executable through the instance mutex and window property, 0 every
// main window of the class. A notice about the settings file asked for
// while a save of it is open waits until the file is in place, so that the
// others never reload a file that is still the old one.
void m_NotifyOtherInstances(int code, int byMutex);
// Sends the notices that waited for the settings file (its save calls it).
void m_NotifyOtherInstances_SendHeld();

// Notices asked for so far, sent or not.
extern int g_NoticeCount;
