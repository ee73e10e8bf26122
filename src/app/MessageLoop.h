// The message loop with its key pre-filters.
#pragma once
#include <windows.h>

// Runs until WM_QUIT; returns its wParam.
int m_RunMessageLoop();

// The main window's own key pre-filter (Tab focus); 1 when it took the key.
int m_MainWnd_PreTranslateKey(MSG* msg);
