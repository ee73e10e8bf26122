#include "settings/MainWindowStyle.h"

#include <dwmapi.h>

#include "app/MainWindow.h"
#include "base/ErrorLog.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

int g_WindowCornerFlag;

namespace {

constexpr DWORD kCornerPreference = 33;  // DWMWA_WINDOW_CORNER_PREFERENCE
constexpr LONG_PTR kBoxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The window is created with both boxes and no corner preference set.
LONG_PTR s_LastBoxes = kBoxes;
int s_LastCorner = -1;

void m_SetCorner(HWND hwnd, int corner)
{
    if (!hwnd) return;
    DWORD value = (DWORD)corner;
    HRESULT hr = DwmSetWindowAttribute(hwnd, kCornerPreference, &value, sizeof(value));
    if (FAILED(hr))
        m_WriteLog(L"MAIN_%d : Error / DwmSetWindowAttribute() = 0x%08X", __LINE__, (unsigned)hr);
}

// Only the two boxes change: the window keeps its visible, maximised and
// other state bits.
bool m_ApplyBoxes()
{
    const LONG_PTR boxes = g_Settings.Ctrl_WndBtn ? 0 : kBoxes;
    if (boxes == s_LastBoxes) return false;
    s_LastBoxes = boxes;
    LONG_PTR style = GetWindowLongPtrW(g_hWndMain, GWL_STYLE);
    SetWindowLongPtrW(g_hWndMain, GWL_STYLE, (style & ~kBoxes) | boxes);
    return true;
}

bool m_ApplyCorner()
{
    const int corner = g_Settings.Ctrl_WndCor;
    if (g_OsVersion == 11)
        g_WindowCornerFlag = corner == 2 ? 1 : (corner == 3 ? 2 : 0);
    else
        g_WindowCornerFlag = 0;
    if (corner == s_LastCorner) return false;
    s_LastCorner = corner;
    m_SetCorner(g_hWndMain, corner);
    m_SetCorner(g_Playlist.m_GetWindow(), corner);
    return true;
}

}  // namespace

void m_ApplyWindowStyle(int reposition)
{
    if (!g_hWndMain) return;
    const bool boxes = m_ApplyBoxes();
    const bool corner = m_ApplyCorner();
    if ((boxes || corner) && reposition) {
        SetWindowPos(g_hWndMain, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW |
                         SWP_FRAMECHANGED);
    }
}
