#include "app/MainWindow.h"

#include <dwmapi.h>
#include <uxtheme.h>

#include "app/StatusPanels.h"
#include "base/BmpFont.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "resources/resource.h"
#include "settings/Settings.h"

CButtonPlus g_ControlButtons[kControlButtonCount];
CButtonPlus g_VolumeButton;
CButtonPlus g_ExtraButton;
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

HWND m_CreatePanel(HWND parent, int id, EPANELKIND kind)
{
    HWND panel =
        CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_SIMPLE, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g_hInstance, nullptr);
    if (panel) m_Panel_Install(panel, kind);
    return panel;
}

// Buttons whose right press opens a popup menu.
bool m_HasRightMenu(int index)
{
    static const int kMenuButtons[] = {CB_LAUNCHER, CB_PLAY,     CB_OPTIONS, CB_PLAYLIST,
                                       CB_RATE,     CB_REPEAT,   CB_MENU,    CB_FAVORITES,
                                       CB_TIMER,    CB_JUMPLIST, CB_CAPTURE, CB_POWER};
    for (int b : kMenuButtons)
        if (b == index) return true;
    return false;
}

BOOL m_CreateButtons(HWND buttonBar, HWND buttonPanel)
{
    for (int i = 0; i < kControlButtonCount; i++) {
        if (!g_ControlButtons[i].m_Create(buttonBar, kControlButtonFirstId + i)) return FALSE;
        if (m_HasRightMenu(i)) g_ControlButtons[i].m_SetRightClickMenuMode();
    }
    if (!g_VolumeButton.m_Create(buttonPanel, IDC_VOLUME_BUTTON)) return FALSE;
    g_VolumeButton.m_SetRightClickMenuMode();
    if (!g_ExtraButton.m_Create(buttonPanel, IDC_EXTRA_BUTTON)) return FALSE;
    g_ExtraButton.m_SetImageOffset();
    return TRUE;
}

BOOL m_CreateBars(HWND controlPanel, HWND buttonPanel)
{
    if (!g_SeekBar.m_Create(controlPanel, IDC_SEEKBAR)) return FALSE;
    g_SeekBar.m_SetRange(10000, 0);
    g_SeekBar.m_SetPos(0);
    g_SeekBar.m_SetEnable(0);
    if (!g_VolumeSlider.m_Create(buttonPanel, IDC_VOLUME_SLIDER)) return FALSE;
    g_VolumeSlider.m_SetRange(100, 0);
    if (!g_StatusBar.m_Create(controlPanel, IDC_STATUS_BAR)) return FALSE;
    g_StatusBar.m_SetFont(&g_BmpFont);
    return TRUE;
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
    HWND control = m_CreatePanel(g_hWndMain, IDC_CONTROL_PANEL, PANEL_CONTROL);
    HWND buttons = control ? m_CreatePanel(control, IDC_BUTTON_PANEL, PANEL_CONTROL_BAR) : nullptr;
    HWND bar = buttons ? m_CreatePanel(buttons, IDC_BUTTON_BAR, PANEL_BUTTONS) : nullptr;
    if (!bar) return FALSE;
    return m_CreateButtons(bar, buttons) && m_CreateBars(control, buttons);
}

HICON m_GetWindowIcon(HWND, WPARAM kind)
{
    static HICON s_Small, s_Large;
    const bool small = kind == ICON_SMALL || kind == ICON_SMALL2;
    HICON& icon = small ? s_Small : s_Large;
    if (!icon) {
        const int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
        icon = static_cast<HICON>(
            LoadImageW(g_hInstance, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, size, size, LR_SHARED));
    }
    return icon;
}
