// Popups of the main window's menus: creation, items by command id, the
// anchors of the dynamic lists and the remembered popups that updates reach.
#include "commands/SubmenuBuilder.h"

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "commands/MenuItemModel.h"
#include "controls/MenuManager.h"
#include "controls/MenuPlus.h"

namespace {

constexpr UINT kRememberedIds[] = {2309, 2312, 2318, 2319, 2320, 2322, 2324, 2326,
                                   2327, 2329, 2330, 2333, 2335, 2336, 2338, 2345};
constexpr int kRememberedCount = sizeof(kRememberedIds) / sizeof(kRememberedIds[0]);

// The popup and its window: a popup is deleted with its menu, and its window
// with it, so a window that is gone marks a pointer that must not be used.
struct SREMEMBERED {
    CMenuPlus* Popup;
    HWND Window;
};
SREMEMBERED g_Remembered[kRememberedCount];

int m_RememberedSlot(UINT menuId)
{
    for (int i = 0; i < kRememberedCount; ++i)
        if (kRememberedIds[i] == menuId) return i;
    return -1;
}

}  // namespace

CMenuPlus* m_Menu_CreatePopup(UINT menuId, CMenuManager* manager)
{
    if (manager) return manager->m_CreatePopup(nullptr, nullptr, menuId);
    const int full = g_FullScreen && g_hWndFullScreen;
    HWND frame = full ? g_hWndFullScreen : g_hWndMain;
    CMenuPlus* popup = g_MenuManager.m_CreatePopup(frame, g_hWndMain, menuId);
    if (popup && full) popup->m_SetUseMonitorRect(1);
    return popup;
}

void m_Menu_AddCommand(CMenuPlus* popup, UINT id, int position)
{
    if (!popup || id == 0) return;
    SMENUITEM item;
    m_Menu_InitItem(&item, id, 1);
    popup->m_InsertItem(&item, position, 0);
}

CMenuPlus* m_Menu_CreateFromIds(const UINT* ids, int count, UINT menuId)
{
    CMenuPlus* popup = m_Menu_CreatePopup(menuId, nullptr);
    if (!popup) return nullptr;
    for (int i = 0; ids && i < count; ++i) m_Menu_AddCommand(popup, ids[i], -1);
    return popup;
}

CMenuPlus* m_Menu_Remembered(UINT menuId)
{
    const int slot = m_RememberedSlot(menuId);
    if (slot < 0 || !g_Remembered[slot].Popup) return nullptr;
    if (!IsWindow(g_Remembered[slot].Window)) {
        g_Remembered[slot] = {};
        return nullptr;
    }
    return g_Remembered[slot].Popup;
}

void m_Menu_Remember(UINT menuId, CMenuPlus* popup)
{
    const int slot = m_RememberedSlot(menuId);
    if (slot < 0) return;
    g_Remembered[slot].Popup = popup;
    g_Remembered[slot].Window = popup ? popup->m_GetHwnd() : nullptr;
}

int m_Menu_AfterAnchor(const CMenuPlus* popup, UINT anchorId)
{
    if (!popup) return -1;
    const int at = popup->m_FindItem(anchorId);
    return at < 0 ? -1 : at + 1;
}

void m_Menu_DeleteRangeAfter(CMenuPlus* popup, UINT anchorId, UINT first, UINT last)
{
    int at = m_Menu_AfterAnchor(popup, anchorId);
    if (at < 0) return;
    while (at < popup->m_GetItemCount()) {
        const UINT id = popup->m_GetItemIdAt(at);
        if (id < first || id > last) break;
        popup->m_DeleteItem(at, 0);
    }
}
