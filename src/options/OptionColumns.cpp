// The options dialog is not built yet: no columns are read or written.
#include "options/OptionColumns.h"

void m_ReadOptDlgColumns() {}

void m_SaveOptDlgColumns(int) {}
