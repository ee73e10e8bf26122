// The history of recent files and the launcher screen.
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
