#include "options/OptionDlgState.h"

volatile LONG g_OptionDlgFilling;

int m_OptionDlg_IsFilling() { return g_OptionDlgFilling != 0; }
