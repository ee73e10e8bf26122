#include "filedata/DataFiles.h"

wchar_t g_DefaultPlaylistPath[MAX_PATH + 1];

// The history and favorites files are not read or written yet.
void m_GetRecentFilePath() {}
void m_GetFavoriteFilePath() {}
BOOL m_RenameDlg_PreTranslateKey(HWND, UINT, WPARAM) { return FALSE; }
