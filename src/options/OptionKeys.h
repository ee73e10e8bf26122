// Key handling of the options dialog.
#pragma once
#include <windows.h>

BOOL m_OptionDlg_PreTranslateKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
