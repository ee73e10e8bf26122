// What the main window does with the notices of other instances
// ("Zentavio_NotifyMessage", code in wParam).
#pragma once
#include <windows.h>

// Settings (1): reload and apply, then "UPDATE OPTION"; timer settings (2):
// reload the [Timer] group. The other codes concern files whose owners
// handle them.
void m_OnInstanceNotice(WPARAM code);
