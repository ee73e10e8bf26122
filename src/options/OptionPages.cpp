#include "options/OptionPages.h"

int g_OptionColumnsRead;

int m_Option_GetPageList(int*, int) { return 0; }
