// Cases of the main window: size, full screen, crop, tool windows, always
// on top, controller bars, window state, about box, exit and DPI.
#include <math.h>
#include <stdlib.h>
#include <wchar.h>

#include "app/AboutBox.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/WindowSize.h"
#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "library/Library.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

wchar_t g_FullScreenArg[kFullScreenArgCap];

namespace {

constexpr int kIntMax = 0x7FFFFFFF;
// The largest side a fixed video size may ask for.
constexpr int kSideMax = 30000;

void m_SizeCase(int mode, int value)
{
    if (mode == 0 && value == 0) {
        g_ExecOps.Zoom_Toggle100();
        return;
    }
    if (value < 1) return;
    if (mode == 0) value = value > kIntMax / 100 ? kIntMax : value * 100;
    g_ExecOps.Size_TakeVideoAspect();
    g_ExecOps.SetSizeLeavingFullScreen(mode, value, 1);
}

// "W,H", "WxH" or "WXH".
void m_SizeWhCase(const wchar_t* text)
{
    const wchar_t* sep = wcschr(text, L',');
    if (!sep) sep = wcschr(text, L'x');
    if (!sep) sep = wcschr(text, L'X');
    if (!sep) return;
    const long w = wcstol(text, nullptr, 10);
    const long h = wcstol(sep + 1, nullptr, 10);
    if (w >= 1 && h >= 1 && w <= kSideMax && h <= kSideMax)
        g_ExecOps.Size_SetCmd(static_cast<int>(w), static_cast<int>(h));
}

// A held zoom key steps silently; width and height always tell.
void m_SizeStepCase(int kind, int value, int holdKey)
{
    if (kind == 0)
        value = value > kIntMax / 10 ? kIntMax : (value < -kIntMax / 10 ? -kIntMax : value * 10);
    g_ExecOps.Size_StepCmd(kind, value, kind != 0 || holdKey == 0);
}

// "monitor[-second][,crop]"; -1 the default monitors, -2 all of them.
void m_FullScreenCase(const wchar_t* text)
{
    wchar_t* end = nullptr;
    long first = wcstol(text, &end, 10);
    if (end == text) first = -1;
    int monitor = static_cast<int>(first), second = 0;
    const wchar_t* comma = wcschr(end, L',');
    if (first == -1) {
        monitor = g_Settings.Fullscr_Mon[0];
        second = g_Settings.Fullscr_Mon[1];
    } else if (first == -2) {
        monitor = -1;
    } else {
        const wchar_t* hyphen = wcschr(end, L'-');
        if (hyphen && (!comma || hyphen < comma))
            second = static_cast<int>(wcstol(hyphen + 1, nullptr, 10));
    }
    int crop = g_Settings.Fullscr_Clip;
    if (comma && comma[1] >= L'0' && comma[1] <= L'9') {
        const long value = wcstol(comma + 1, nullptr, 10);
        if (value >= 0 && value <= 2) crop = static_cast<int>(value);
    }
    g_Settings.Fullscr_Clip2 = crop;
    lstrcpynW(g_FullScreenArg, text[0] ? text : L"-1", kFullScreenArgCap);
    g_ExecOps.FullScreen_Set(1, monitor, second, 1, 1, 2);
}

int m_ZoomOutsideLimits()
{
    const double zoom = m_GetActiveZoom();
    double low = g_ZoomRefs.dFit, high = g_ZoomRefs.dFull;
    if (low > high) {
        const double t = low;
        low = high;
        high = t;
    }
    return zoom < low - 0.01 || zoom > high + 0.01;
}

void m_CropCase(int value)
{
    const int now = g_Settings.Fullscr_Clip2;
    int mode = value;
    if (value == -2) {
        mode = now == 0 ? 1 : 0;
    } else if (value == -3) {
        mode = now == 0 ? 2 : 0;
    } else if (value == -1) {
        const int filled = (g_MediaOpen && g_FullScreen) || (g_hWndMain && IsZoomed(g_hWndMain));
        mode =
            filled && m_ZoomOutsideLimits() ? g_Settings.Fullscr_Clip : (now + 1 > 2 ? 0 : now + 1);
    }
    g_ExecOps.VideoClip_Set(mode, 1, 1);
}

int m_IsShown(HWND window) { return window && IsWindowVisible(window); }

void m_OsdModeCase(int value)
{
    g_ExecOps.OSD_SetMode(value == -1 ? g_Settings.Osc_Mode + 1 : value, 1);
}

void m_WindowSizeCase(const wchar_t* text)
{
    int v[2] = {0, 0};
    m_Exec_Ints(text, v, 2);
    g_ExecOps.WindowSize_SetCmd(v[0], v[1]);
}

void m_WindowStateCase(int value)
{
    if (!g_hWndMain) return;
    if (value == 0) {
        g_ExecOps.ShowWindowState(IsIconic(g_hWndMain) ? SW_RESTORE : SW_MINIMIZE);
    } else if (value == 1) {
        if (g_FullScreen)
            g_ExecOps.FullScreen_Set(0, 0, 0, 1, 1, 0);
        else
            g_ExecOps.ShowWindowState(IsZoomed(g_hWndMain) ? SW_RESTORE : SW_MAXIMIZE);
    } else if (value == 2) {
        g_ExecOps.ShowWindowState(SW_RESTORE);
    }
}

// Scales outside the catalogue's 10..1000 % would make every window unusable.
void m_DpiCase(int value)
{
    int percent = value;
    if (value == -1) percent = g_DpiPercent + 25 > 200 ? 100 : g_DpiPercent + 25;
    if (percent < 10 || percent > 1000) {
        m_Exec_Refuse();
        return;
    }
    g_ExecOps.ApplyDpi(percent);
}

}  // namespace

int m_Exec_Window(const SFUNCTIONBIND& a, int holdKey)
{
    const int p = a.Param;
    switch (a.Function) {
        case FUNC_SIZE_PERCENT:
            m_SizeCase(0, p);
            return 1;
        case FUNC_SIZE_WIDTH:
            m_SizeCase(2, p);
            return 1;
        case FUNC_SIZE_HEIGHT:
            m_SizeCase(3, p);
            return 1;
        case FUNC_SIZE_AREA:
            m_SizeCase(1, p);
            return 1;
        case FUNC_SIZE_WH:
            m_SizeWhCase(a.Arg);
            return 1;
        case FUNC_SIZE_ADJ_PERCENT:
        case FUNC_SIZE_ADJ_WIDTH:
        case FUNC_SIZE_ADJ_HEIGHT:
            m_SizeStepCase(a.Function == FUNC_SIZE_ADJ_PERCENT ? 0 : a.Function - 36, p, holdKey);
            return 1;
        case FUNC_FULLSCREEN:
            m_FullScreenCase(a.Arg);
            return 1;
        case FUNC_FULLSCREEN_CROP:
            m_CropCase(p);
            return 1;
        case FUNC_PLAYLIST:
            g_ExecOps.ShowPlayListWnd(!m_IsShown(g_Playlist.m_GetWindow()), SW_SHOW);
            return 1;
        case FUNC_FAVORITE:
            g_ExecOps.ShowFavoWindow(!m_IsShown(m_Favorite_GetWindow()), 1);
            return 1;
        case FUNC_TOPMOST:
            g_ExecOps.SetTopMost(m_Exec_Toggle(p, g_MainWindowState.nTopMost), 1, 0);
            return 1;
        case FUNC_OSD_MODE:
            m_OsdModeCase(p);
            return 1;
        case FUNC_WINDOW_SIZE:
            m_WindowSizeCase(a.Arg);
            return 1;
        case FUNC_WINDOW_POS:
            m_Exec_WindowPos(a.Arg);
            return 1;
        case FUNC_WINDOW_STATE:
            m_WindowStateCase(p);
            return 1;
        case FUNC_EXIT:
            g_ExecOps.ExitApplication();
            return 1;
        case FUNC_ABOUT:
            g_ExecOps.ShowAboutBox(p == -1 ? !m_IsShown(m_GetAboutBox()) : p, 1);
            return 1;
        case FUNC_DPI_TEST:
            m_DpiCase(p);
            return 1;
    }
    return 0;
}
