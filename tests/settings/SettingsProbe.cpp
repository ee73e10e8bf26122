// Looks at one player window among several from outside, picked by its
// title ([Main] "Title" makes each instance's title its own).
//
//   SettingsProbe wait <title> <timeout ms>   waits until it is visible
//   SettingsProbe style <title>               prints its window style in hex
//   SettingsProbe close <title>               posts WM_CLOSE to it
//   SettingsProbe text <title> <child id>     prints the WM_GETTEXT answer of
//                                             its child with that id; exit
//                                             code 3 when there is none
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

namespace {

struct SFind {
    const wchar_t* Title;
    HWND Found;
};

BOOL CALLBACK m_Match(HWND hwnd, LPARAM lParam)
{
    SFind* find = reinterpret_cast<SFind*>(lParam);
    wchar_t cls[32], title[256];
    if (!GetClassNameW(hwnd, cls, 32) || wcscmp(cls, L"ZENTAVIO") != 0) return TRUE;
    if (!GetWindowTextW(hwnd, title, 256) || wcscmp(title, find->Title) != 0) return TRUE;
    find->Found = hwnd;
    return FALSE;
}

HWND m_Find(const wchar_t* title)
{
    SFind find = {title, nullptr};
    EnumWindows(m_Match, reinterpret_cast<LPARAM>(&find));
    return find.Found;
}

int m_Wait(const wchar_t* title, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = m_Find(title);
        if (hwnd && IsWindowVisible(hwnd)) return 0;
        if (GetTickCount() - start > timeoutMs) return 1;
        Sleep(20);
    }
}

// WM_GETTEXT is sent, since GetWindowText does not ask another process.
int m_Text(HWND hwnd, int id)
{
    HWND child = GetDlgItem(hwnd, id);
    if (!child) return 3;
    wchar_t text[2048] = L"";
    if (!SendMessageTimeoutW(child, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 5000, nullptr))
        return 1;
    text[2047] = 0;
    char utf8[6144];
    if (!WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr)) return 1;
    printf("%s\n", utf8);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) return 2;
    const wchar_t* command = argv[1];
    const wchar_t* title = argv[2];
    if (wcscmp(command, L"wait") == 0)
        return m_Wait(title, argc > 3 ? wcstoul(argv[3], nullptr, 10) : 5000);
    HWND hwnd = m_Find(title);
    if (!hwnd) return 1;
    if (wcscmp(command, L"style") == 0) {
        printf("%08lX\n", (unsigned long)GetWindowLongW(hwnd, GWL_STYLE));
        return 0;
    }
    if (wcscmp(command, L"close") == 0) return PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    if (wcscmp(command, L"text") == 0 && argc > 3) return m_Text(hwnd, _wtoi(argv[3]));
    return 2;
}
