// Shell shortcut (.lnk) files. The caller has initialised COM.
#pragma once
#include <windows.h>

// Loads a shortcut and, when target is given, writes its target path
// (261 characters). 1 when loaded (and, with a target, a path was given).
int m_ResolveShortcut(const wchar_t* linkPath, wchar_t* target);

// Writes a shortcut to target at linkPath; 1 on success.
int m_CreateShortcut(const wchar_t* linkPath, const wchar_t* target);
