// Property pages of filters from outside the program.
#pragma once
#include <windows.h>

// Shows the property pages of the time-stretch filter in the module at
// path: 1 shown or the filter has none, 0 no filter. The module is freed
// again afterwards.
int m_ShowTimeStretchProperty(const wchar_t* modulePath);
