#include "options/OptionKeys.h"

// The options dialog does not exist yet and takes no keys.
BOOL m_OptionDlg_PreTranslateKey(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
