#include "StandInLog.h"
#include <stdarg.h>
#include <stdio.h>

void m_StandIn_Log(const wchar_t* format, ...)
{
    wchar_t path[MAX_PATH];
    DWORD n = GetEnvironmentVariableW(L"ZV_TEST_LOG", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return;
    wchar_t line[514];
    va_list args;
    va_start(args, format);
    int len = _vsnwprintf(line, 512, format, args);
    va_end(args);
    if (len < 0 || len > 512) len = 512;
    line[len++] = L'\n';
    char utf8[2048];
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, len, utf8, sizeof(utf8), nullptr, nullptr);
    // Appending writes land whole even from several threads.
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD done = 0;
    WriteFile(file, utf8, static_cast<DWORD>(bytes), &done, nullptr);
    CloseHandle(file);
}
