#include "filedata/DataFiles.h"

wchar_t g_DefaultPlaylistPath[MAX_PATH + 1];

// The data files are not read or written yet; no path needs fixing.
void m_GetResumeFilePath() {}
void m_GetRecentFilePath() {}
void m_GetFavoriteFilePath() {}
BOOL m_RenameDlg_PreTranslateKey(HWND, UINT, WPARAM) { return FALSE; }
