// Where the settings file lives: beside the executable, named after it.
#pragma once
#include <windows.h>

// Full path of the executable (261 characters), set at start-up.
extern wchar_t g_ExePath[MAX_PATH + 1];
// Drive and folder of the executable, with a trailing backslash.
extern wchar_t g_ExeFolder[MAX_PATH + 1];
// Base name of the executable without its extension.
extern wchar_t g_ExeBaseName[256];
// Full path of the settings INI (261 characters), set at start-up.
extern wchar_t g_IniPath[MAX_PATH + 1];

// Splits g_ExePath into its folder and base name and builds g_IniPath.
void m_SplitExePath();
