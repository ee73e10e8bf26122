// Notices to the other running instances of the player: settings (1),
// timer settings (2), history (4), favorites (5), file opened (6).
#pragma once
#include <windows.h>

// Tells the other instances of a change; byMutex 1 reaches them through
// the instance mutex and window property, 0 through the window class.
void m_NotifyOtherInstances(int code, int byMutex);

// How many notices were asked for so far (the broadcast itself is not
// built yet; this count is what can be observed of it).
extern int g_NoticeCount;
