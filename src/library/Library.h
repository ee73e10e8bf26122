// The history of recent files, the launcher screen and the favorites window.
#pragma once
#include <windows.h>

void m_Launcher_Show(int show, int redraw, int pause);
BOOL m_Launcher_IsShown();
BOOL m_Launcher_PreTranslateKey(MSG* msg);
void m_Recent_ReadFile(int retry, int notify);
// Number of history records and the path of the newest one.
int m_Recent_GetCount();
LPCWSTR m_Recent_GetLastPath();
void m_Recent_AddCurrent();
BOOL m_Favorite_PreTranslateKey(HWND window, UINT message, WPARAM wParam);

// Creates the favorites window, hidden, once; returns it (null on failure).
HWND m_Favorite_CreateWindow();
// The favorites window; null until it is created.
HWND m_Favorite_GetWindow();
// TRUE when the favorites list has changes not yet in its file.
BOOL m_Favorite_IsModified();
void m_Favorite_WriteFile(int retry, int notify);
