// Makes or reads a shell shortcut for the behaviour tests:
//   LinkTool <link> <target>   writes the shortcut
//   LinkTool <link>            prints its target (UTF-8); exit code 1 when
//                              it names none
#include <objbase.h>
#include <stdio.h>
#include <windows.h>

#include "base/PathUtil.h"
#include "base/Shortcut.h"

namespace {

int m_PrintTarget(const wchar_t* link)
{
    wchar_t target[kPathCap] = L"";
    if (!m_ResolveShortcut(link, target)) return 1;
    char out[kPathCap * 3] = "";
    if (!WideCharToMultiByte(CP_UTF8, 0, target, -1, out, sizeof(out), nullptr, nullptr)) return 1;
    printf("%s\n", out);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2 && argc != 3) return 2;
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
    const int result =
        argc == 3 ? (m_CreateShortcut(argv[1], argv[2]) ? 0 : 1) : m_PrintTarget(argv[1]);
    CoUninitialize();
    return result;
}
