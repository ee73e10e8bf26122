// Upgrade of settings files written by older versions ([Main] "Ver" below
// the current 90690): keys that moved or changed form are rewritten in the
// file before the settings are loaded (phase 1), values that changed
// meaning are corrected in the loaded settings afterwards (phase 0), which
// are then saved. Before the first change a copy of the file is kept with
// ".bak" appended, when the file is older than 90688.
#pragma once
#include <windows.h>

// beforeLoad 1: the file steps; 0: the steps on the loaded settings, the
// save and "Ver". Nothing for a file of the current version.
void m_UpgradeIniFile(int beforeLoad);
