// Looks at the player's full-screen windows from outside, as the behaviour
// tests of full screen need them:
//
//   ScreenProbe window <class>   "visible=0|1 topmost=0|1 rect=l,t,r,b" of
//                                the first top-level window of the class
//   ScreenProbe overlays         one line per layered "Static" popup of the
//                                player's process: "visible= alpha= rect="
//   ScreenProbe text <id>        WM_GETTEXT of the first window with that id
//                                in any of the player's windows
//   ScreenProbe monitors         one line per monitor: "l,t,r,b flags"
//   ScreenProbe at <x> <y>       the class of the top-level window there
// Exit code 1 when the player's windows are not there.
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

#include <vector>

namespace {

struct SWindows {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK m_CollectProcess(HWND hwnd, LPARAM lParam)
{
    SWindows* w = reinterpret_cast<SWindows*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == w->pid) w->found.push_back(hwnd);
    return TRUE;
}

// Every top-level window of the process that owns the main window.
std::vector<HWND> m_PlayerWindows()
{
    SWindows w{0, {}};
    HWND main = FindWindowW(L"ZENTAVIO", nullptr);
    if (!main) return w.found;
    GetWindowThreadProcessId(main, &w.pid);
    EnumWindows(m_CollectProcess, reinterpret_cast<LPARAM>(&w));
    return w.found;
}

void m_PrintRect(HWND hwnd)
{
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    printf("rect=%ld,%ld,%ld,%ld\n", rc.left, rc.top, rc.right, rc.bottom);
}

int m_Window(const wchar_t* className)
{
    HWND hwnd = FindWindowW(className, nullptr);
    if (!hwnd) return 1;
    LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    printf("visible=%d topmost=%d ", IsWindowVisible(hwnd) ? 1 : 0, (ex & WS_EX_TOPMOST) ? 1 : 0);
    m_PrintRect(hwnd);
    return 0;
}

int m_Overlays()
{
    std::vector<HWND> windows = m_PlayerWindows();
    if (windows.empty()) return 1;
    for (HWND hwnd : windows) {
        wchar_t name[64] = L"";
        GetClassNameW(hwnd, name, 64);
        if (_wcsicmp(name, L"Static") != 0) continue;
        if (!(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) continue;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
            continue;  // the per-pixel popups of other parts
        printf("visible=%d alpha=%d ", IsWindowVisible(hwnd) ? 1 : 0, alpha);
        m_PrintRect(hwnd);
    }
    return 0;
}

struct SChild {
    int id;
    HWND found;
};

BOOL CALLBACK m_FindChild(HWND hwnd, LPARAM lParam)
{
    SChild* c = reinterpret_cast<SChild*>(lParam);
    if (GetDlgCtrlID(hwnd) != c->id) return TRUE;
    c->found = hwnd;
    return FALSE;
}

int m_Text(int id)
{
    for (HWND top : m_PlayerWindows()) {
        SChild c{id, nullptr};
        EnumChildWindows(top, m_FindChild, reinterpret_cast<LPARAM>(&c));
        if (!c.found) continue;
        wchar_t text[1024] = L"";
        DWORD_PTR length = 0;
        SendMessageTimeoutW(c.found, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 5000, &length);
        text[1023] = 0;
        char out[4096];
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof(out), nullptr, nullptr);
        printf("%s\n", out);
        return 0;
    }
    return 1;
}

BOOL CALLBACK m_PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoW(monitor, &mi))
        printf("%ld,%ld,%ld,%ld %lu\n", mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right,
               mi.rcMonitor.bottom, mi.dwFlags);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    if (wcscmp(argv[1], L"window") == 0 && argc > 2) return m_Window(argv[2]);
    if (wcscmp(argv[1], L"overlays") == 0) return m_Overlays();
    if (wcscmp(argv[1], L"text") == 0 && argc > 2) return m_Text(_wtoi(argv[2]));
    if (wcscmp(argv[1], L"at") == 0 && argc > 3) {
        POINT pt = {_wtoi(argv[2]), _wtoi(argv[3])};
        HWND hwnd = WindowFromPoint(pt);
        wchar_t name[64] = L"";
        if (hwnd) GetClassNameW(GetAncestor(hwnd, GA_ROOT), name, 64);
        printf("%ls\n", name);
        return hwnd ? 0 : 1;
    }
    if (wcscmp(argv[1], L"monitors") == 0) {
        EnumDisplayMonitors(nullptr, nullptr, m_PrintMonitor, 0);
        return 0;
    }
    return 2;
}
