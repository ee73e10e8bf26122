// What the main window does with the notices of other instances
// ("Zentavio_NotifyMessage", code in wParam).
#pragma once
#include <windows.h>

// Settings (1): reload and apply, then "UPDATE OPTION"; timer settings (2):
// reload the [Timer] group; history (4) and favorites (5): re-read them;
// another instance started playing (6): see below.
void m_OnInstanceNotice(WPARAM code);

// What notice 6 does to an instance started at startTick: 0 nothing (it
// has run 2000 ms or more), 1 pause it, 2 make the open in progress stop.
int m_OpenedNoticeAction(DWORD startTick, DWORD nowTick, int playing);
