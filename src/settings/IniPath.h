// Where the settings file lives: beside the executable, named after it.
#pragma once
#include <windows.h>

// Full path of the executable (261 characters), set at start-up.
extern wchar_t g_ExePath[MAX_PATH + 1];
// Full path of the settings INI (261 characters), set at start-up.
extern wchar_t g_IniPath[MAX_PATH + 1];
