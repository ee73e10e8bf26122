// Paths of the data files: the resume store, the history and the favorites.
#pragma once
#include <windows.h>

void m_GetResumeFilePath();
void m_GetRecentFilePath();
void m_GetFavoriteFilePath();
// Key handler of the rename dialog in the message loop.
BOOL m_RenameDlg_PreTranslateKey(HWND window, UINT message, WPARAM wParam);

// Path of the history playlist ("Default.zvpl"), fixed by m_GetRecentFilePath.
extern wchar_t g_DefaultPlaylistPath[MAX_PATH + 1];
