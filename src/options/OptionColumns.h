// The options dialog's list column widths and page in the settings file.
#pragma once
#include <windows.h>

void m_ReadOptDlgColumns();
// Writes them when changed (all with force).
void m_SaveOptDlgColumns(int force);
