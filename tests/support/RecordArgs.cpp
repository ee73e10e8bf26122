// Stands in for an outside program (a photo viewer): writes the command
// line it was started with, UTF-8, to "RecordArgs.txt" beside itself.
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

int wmain(int, wchar_t**)
{
    wchar_t path[MAX_PATH + 32];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return 1;
    wchar_t* slash = wcsrchr(path, L'\\');
    if (!slash) return 1;
    wcscpy(slash + 1, L"RecordArgs.txt");
    FILE* f = _wfopen(path, L"wb");
    if (!f) return 1;
    const wchar_t* line = GetCommandLineW();
    int bytes = WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr);
    if (bytes > 1) {
        char* text = new char[bytes];
        WideCharToMultiByte(CP_UTF8, 0, line, -1, text, bytes, nullptr, nullptr);
        fwrite(text, 1, bytes - 1, f);
        delete[] text;
    }
    fclose(f);
    return 0;
}
