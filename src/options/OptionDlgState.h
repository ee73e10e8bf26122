// The options dialog's state as other parts see it.
#pragma once
#include <windows.h>

// Set while the options dialog's fill thread runs; the thread clears it
// and then posts WM_APP_OPTDLGCLOSED to the main window.
extern volatile LONG g_OptionDlgFilling;

// The options dialog exists and its fill thread has not finished yet.
int m_OptionDlg_IsFilling();
