#include "app/SingleInstance.h"

#include <shellapi.h>

#include "app/Startup.h"
#include "settings/IniPath.h"

namespace {

constexpr int kSearchTries = 50;
constexpr DWORD kSearchPauseMs = 100;

int s_Found;

void m_SendCommandLine(HWND hwnd)
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args) LocalFree(args);
    if (count < 2) return;
    LPCWSTR line = GetCommandLineW();
    COPYDATASTRUCT data = {};
    data.dwData = 0;
    data.cbData = (DWORD)((lstrlenW(line) + 1) * sizeof(wchar_t));
    data.lpData = (void*)line;
    SendMessageW(hwnd, WM_COPYDATA, 0x8002, (LPARAM)&data);
}

}  // namespace

int m_CreateInstanceMutex()
{
    lstrcpynW(g_InstanceName, g_ExePath, MAX_PATH + 1);
    for (wchar_t* p = g_InstanceName; *p; p++) {
        if (*p == L'\\') *p = L'/';
    }
    g_hInstanceMutex = CreateMutexW(nullptr, TRUE, g_InstanceName);
    return GetLastError() == ERROR_ALREADY_EXISTS ? 1 : 0;
}

BOOL CALLBACK m_FindPrevInstanceProc(HWND hwnd, LPARAM lParam)
{
    if (!GetPropW(hwnd, (LPCWSTR)lParam)) return TRUE;
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    m_SendCommandLine(hwnd);
    s_Found = 1;
    return FALSE;
}

int m_HandOverToPrevInstance()
{
    s_Found = 0;
    for (int i = 0; i < kSearchTries && !s_Found; i++) {
        if (i > 0) Sleep(kSearchPauseMs);
        EnumWindows(m_FindPrevInstanceProc, (LPARAM)g_InstanceName);
    }
    return s_Found;
}

void m_MarkInstanceWindow(HWND hwnd) { SetPropW(hwnd, g_InstanceName, (HANDLE)1); }
