// The per-folder settings of the [Rec] list as lookups: which entry
// applies to a path, and whether its files may be kept.
#pragma once
#include <windows.h>

#include "settings/SettingsLists.h"

// The first entry whose folder (with a trailing backslash, any letter
// case) begins the path, or an entry without folder; 1 and a copy, else 0
// and a zeroed entry.
int m_FolderSetting_Find(const wchar_t* path, SFOLDERSETTING* out);
// 0 when the entry of the path's folder keeps nothing, else 1 (also for an
// empty path and a folder without entry). A bookmark path counts as its
// media file's with resolve, as 0 without.
int m_FolderSetting_Check(const wchar_t* path, int resolveBookmarks);
