#include "settings/IniPath.h"

wchar_t g_ExePath[MAX_PATH + 1];
wchar_t g_IniPath[MAX_PATH + 1];
