// The idle auto-stop check ([Common] AtStop).
#pragma once
#include <windows.h>

// Arms or stops the check by the setting.
void m_SetAutoStopCheck();
