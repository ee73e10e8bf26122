#include "app/MainWindow.h"

#include <dwmapi.h>
#include <uxtheme.h>

#include "resources/resource.h"
#include "settings/Settings.h"

HINSTANCE g_hInstance = nullptr;
HWND g_hWndMain = nullptr;
int g_OsVersion = 10;
int g_GuiKind = 10;

namespace {

// GetVersionExW reports what the manifest declares support for, which is
// every version up to Windows 10; the build number tells 11 apart.
OSVERSIONINFOEXW m_ReadVersion()
{
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info));
#pragma GCC diagnostic pop
    return info;
}

int m_OsIndex(const OSVERSIONINFOEXW& v)
{
    DWORD major = v.dwMajorVersion, minor = v.dwMinorVersion;
    int w11 = v.dwBuildNumber >= 22000 ? 11 : 10;
    if (major < 5) return 1;
    if (major == 5) return minor != 0 ? 5 : 2;
    if (major == 6) {
        static const int byMinor[] = {6, 7, 8, 9, 10};
        return minor <= 3 ? byMinor[minor] : (minor == 4 ? 10 : w11);
    }
    return w11;
}

int m_GuiIndex(const OSVERSIONINFOEXW& v)
{
    DWORD major = v.dwMajorVersion, minor = v.dwMinorVersion;
    if (major < 5 || (major == 5 && minor == 0)) return 1;
    if (major == 5) return IsThemeActive() ? 5 : 1;
    if (major == 6 && minor <= 1) {
        BOOL composed = FALSE;
        if (SUCCEEDED(DwmIsCompositionEnabled(&composed)) && composed) return 7;
        return IsThemeActive() ? 6 : 1;
    }
    if (major == 6) return minor <= 3 ? 8 : 10;
    if (major == 10) return v.dwBuildNumber >= 22000 ? 11 : 10;
    return -1;
}

HWND m_CreatePanel(HWND parent, int id)
{
    return CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_SIMPLE, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_hInstance, nullptr);
}

}  // namespace

void m_DetectWindowsVersion(int osOverride, int guiOverride)
{
    OSVERSIONINFOEXW version = m_ReadVersion();
    g_OsVersion = osOverride != -1 ? osOverride : m_OsIndex(version);
    g_GuiKind = guiOverride != -1 ? guiOverride : m_GuiIndex(version);
}

ATOM m_RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MAIN));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"ZENTAVIO";
    return RegisterClassExW(&wc);
}

BOOL m_CreateMainWindow(HINSTANCE instance)
{
    g_hInstance = instance;
    const wchar_t* title = g_Settings.Main_Title[0] ? g_Settings.Main_Title : L"ZENTAVIO";
    g_hWndMain =
        CreateWindowExW(0, L"ZENTAVIO", title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!g_hWndMain) return FALSE;
    HWND control = m_CreatePanel(g_hWndMain, IDC_CONTROL_PANEL);
    HWND buttons = m_CreatePanel(control, IDC_BUTTON_PANEL);
    m_CreatePanel(buttons, IDC_BUTTON_BAR);
    return TRUE;
}
