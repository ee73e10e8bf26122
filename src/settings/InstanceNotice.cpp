#include "settings/InstanceNotice.h"

#include <wchar.h>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "settings/SettingsFile.h"

int g_NoticeCount;

namespace {

// Codes that wait for the settings file, as bits 1 << code.
int s_Held;

struct SBroadcast {
    int Code;
    int ByMutex;
};

bool m_IsOtherMainWindow(HWND hwnd, int byMutex)
{
    if (hwnd == g_hWndMain || GetWindow(hwnd, GW_OWNER)) return false;
    if (byMutex) return GetPropW(hwnd, g_InstanceName) != nullptr;
    wchar_t name[16];
    return GetClassNameW(hwnd, name, 16) && wcscmp(name, L"ZENTAVIO") == 0;
}

BOOL CALLBACK m_SendTo(HWND hwnd, LPARAM lParam)
{
    const SBroadcast* b = reinterpret_cast<const SBroadcast*>(lParam);
    if (m_IsOtherMainWindow(hwnd, b->ByMutex))
        SendNotifyMessageW(hwnd, g_NotifyMessage, (WPARAM)b->Code, 0);
    return TRUE;
}

// Opening the mutex again tells whether another instance holds it; the new
// handle keeps the name alive for later second starts just as the old one.
bool m_OthersHoldMutex()
{
    if (!g_InstanceName[0]) return false;
    if (g_hInstanceMutex) CloseHandle(g_hInstanceMutex);
    g_hInstanceMutex = CreateMutexW(nullptr, TRUE, g_InstanceName);
    return g_hInstanceMutex && GetLastError() == ERROR_ALREADY_EXISTS;
}

void m_Send(int code, int byMutex)
{
    if (!g_NotifyMessage) return;
    if (byMutex && !m_OthersHoldMutex()) return;
    SBroadcast b = {code, byMutex};
    EnumWindows(m_SendTo, reinterpret_cast<LPARAM>(&b));
}

bool m_IsAboutSettingsFile(int code) { return code == NOTICE_SETTINGS || code == NOTICE_TIMER; }

}  // namespace

void m_NotifyOtherInstances(int code, int byMutex)
{
    ++g_NoticeCount;
    if (m_IsAboutSettingsFile(code) && m_SettingsFile_IsOpen()) {
        s_Held |= 1 << code;
        return;
    }
    m_Send(code, byMutex);
}

void m_NotifyOtherInstances_SendHeld()
{
    const int held = s_Held;
    s_Held = 0;
    if (held & (1 << NOTICE_SETTINGS)) m_Send(NOTICE_SETTINGS, 1);
    if (held & (1 << NOTICE_TIMER)) m_Send(NOTICE_TIMER, 1);
}
