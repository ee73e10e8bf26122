// The per-folder setting ([Rec]) that applies to a path.
#pragma once
#include <windows.h>

#include "settings/SettingsLists.h"

// Copies the first entry whose folder is a prefix of the path and returns
// 1; 0 with the output zeroed when none applies.
int m_FolderSetting_Find(const wchar_t* path, SFOLDERSETTING* out);
