#include "app/PopupMenu.h"

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/Overlay.h"
#include "app/PointerInput.h"
#include "app/Startup.h"
#include "base/Geometry.h"
#include "controls/MenuManager.h"
#include "controls/MenuPlus.h"

namespace {

// The control's centre leaves room for the popup's left shadow.
constexpr int kLeftInset = 4;

int m_AtDpi(int value) { return m_ScaleValue(value, g_DpiPercent, 100, 0); }

}  // namespace

void m_PopupMenu_StartUp()
{
    g_MenuManager.m_SetWindows(g_hWndMain);
    g_MenuManager.m_SetScale(static_cast<UINT>(g_DpiPercent), 0);
}

void m_PopupMenu_SetScale(int percent)
{
    m_PopupMenu_CloseAll();
    g_MenuManager.m_SetScale(static_cast<UINT>(percent), 1);
}

LONG64 m_GetMenuPopupPos(HWND control, const CMenuPlus* menu)
{
    RECT rc = {};
    if (!control || !GetWindowRect(control, &rc)) {
        POINT pt = {};
        GetCursorPos(&pt);
        return m_PackMenuPoint(pt.x, pt.y);
    }
    // The item height of a popup not yet laid out is the manager's scaled
    // row height.
    int item = menu ? static_cast<int>(menu->m_GetItemHeight()) : 0;
    if (item <= 0) item = g_MenuManager.m_Scale(g_MenuManager.m_Style.RowHeight, 100);
    const int x = (rc.left + rc.right) / 2 - m_AtDpi(kLeftInset);
    // Opened upwards, its last row over the control's top edge, so that the
    // path from the button to the nearest items stays short.
    const int y = rc.top + item;
    return m_PackMenuPoint(x, y);
}

int m_TrackPopupMenu(CMenuPlus* menu, int x, int y)
{
    if (!menu) return -1;
    // The full-screen bars stay while the menu is open.
    if (g_FullScreen && g_hWndFullScreen) KillTimer(g_hWndFullScreen, kTimerOverlayHover);
    const int chosen = g_MenuManager.m_TrackPopup(menu, 5, m_PackMenuPoint(x, y));
    m_ResetCursorHide(1);
    return chosen;
}

void m_PopupMenu_CloseFor(HWND window) { g_MenuManager.m_CloseIfOwner(0, window); }

void m_PopupMenu_CloseAll() { g_MenuManager.m_CloseMenus(); }
