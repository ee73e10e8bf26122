// Makes a shell shortcut for the behaviour tests: LinkTool <link> <target>.
#include <objbase.h>
#include <windows.h>

#include "base/Shortcut.h"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) return 2;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
    const int made = m_CreateShortcut(argv[1], argv[2]);
    CoUninitialize();
    return made ? 0 : 1;
}
