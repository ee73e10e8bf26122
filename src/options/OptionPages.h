// The pages the options dialog lists, in its order.
#pragma once
#include <windows.h>

constexpr int kOptionPageCap = 12;

// The page numbers at the dialog's positions into pages (room for cap);
// how many. The dialog is not built yet: it lists none.
int m_Option_GetPageList(int* pages, int cap);
// 1 once the dialog's stored layout was read from the settings file.
extern int g_OptionColumnsRead;
