#include "settings/IniPath.h"

#include <stdlib.h>
#include <wchar.h>

wchar_t g_ExePath[MAX_PATH + 1];
wchar_t g_ExeFolder[MAX_PATH + 1];
wchar_t g_ExeBaseName[256];
wchar_t g_IniPath[MAX_PATH + 1];

void m_SplitExePath()
{
    wchar_t drive[3] = L"", dir[256] = L"", name[256] = L"";
    if (_wsplitpath_s(g_ExePath, drive, 3, dir, 256, name, 256, nullptr, 0) != 0) return;
    _snwprintf(g_ExeFolder, MAX_PATH, L"%s%s", drive, dir);
    g_ExeFolder[MAX_PATH] = 0;
    lstrcpynW(g_ExeBaseName, name, 256);
    _snwprintf(g_IniPath, MAX_PATH, L"%s%s.ini", g_ExeFolder, g_ExeBaseName);
    g_IniPath[MAX_PATH] = 0;
}
