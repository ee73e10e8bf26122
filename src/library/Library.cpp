#include "library/Library.h"

// The history is empty and the launcher screen is never shown yet.
void m_Launcher_Show(int, int, int) {}
BOOL m_Launcher_IsShown() { return FALSE; }
BOOL m_Launcher_PreTranslateKey(MSG*) { return FALSE; }
void m_Recent_ReadFile(int, int) {}
int m_Recent_GetCount() { return 0; }
LPCWSTR m_Recent_GetLastPath() { return L""; }
void m_Recent_AddCurrent() {}
BOOL m_Favorite_PreTranslateKey(HWND, UINT, WPARAM) { return FALSE; }
