#include <windows.h>

#include <cstring>

#include "commands/MenuItemModel.h"
#include "controls/MenuPlus.h"

namespace {

constexpr UINT kReserveDeviceId = 4468;

// Re-runs the model over every item of the popup (and its built submenus).
void m_RefreshAll(CMenuPlus* popup, int recurse)
{
    SMENUITEM item;
    for (int i = 0; i < popup->m_GetItemCount(); ++i) {
        if (!popup->m_GetItem(&item, i)) continue;
        if (item.Id) {
            m_Menu_InitItem(&item, item.Id, 0);
            popup->m_SetItem(&item, i, 0);
        }
        if (recurse && item.HasSubmenu && item.Submenu) m_RefreshAll(item.Submenu, recurse);
    }
}

}  // namespace

void m_Menu_InitItem(SMENUITEM* item, UINT commandId, int clear)
{
    if (!item) return;
    if (clear) memset(item, 0, sizeof(*item));
    item->Id = commandId;
    m_Menu_SetItemStyle(item, commandId);
    m_Menu_SetItemState(item, commandId);
}

void m_Menu_ResetItemAt(CMenuPlus* popup, UINT itemId, UINT newId)
{
    if (!popup) return;
    const int index = popup->m_FindItem(itemId);
    if (index < 0) return;
    SMENUITEM item;
    m_Menu_InitItem(&item, newId, 1);
    popup->m_SetItem(&item, index, 0);
    popup->m_Refresh(1);
}

void m_Menu_UpdateItem(CMenuPlus* popup, UINT itemId, int refresh)
{
    SMENUITEM item;
    if (!popup || !popup->m_GetItemById(&item, itemId)) return;
    m_Menu_InitItem(&item, itemId, 0);
    popup->m_SetItemById(&item, itemId, refresh);
}

void m_Menu_RefreshItems(CMenuPlus* popup, int recurse, int refresh)
{
    if (!popup) return;
    m_RefreshAll(popup, recurse);
    if (refresh) popup->m_Refresh(0);
}

void m_Menu_ResetItem(CMenuPlus* popup, UINT itemId, int refresh)
{
    if (!popup || popup->m_FindItem(itemId) < 0) return;
    SMENUITEM item;
    m_Menu_InitItem(&item, itemId, 1);
    popup->m_SetItemById(&item, itemId, refresh);
}

void m_Menu_SetItemChecked(CMenuPlus* popup, UINT itemId, int checked)
{
    SMENUITEM item;
    if (!popup || !popup->m_GetItemById(&item, itemId)) return;
    item.Checked = checked ? 1 : 0;
    popup->m_SetItemById(&item, itemId, 0);
}

void m_Menu_DisableItem(CMenuPlus* popup, UINT itemId)
{
    SMENUITEM item;
    if (!popup || !popup->m_GetItemById(&item, itemId)) return;
    item.Disabled = 1;
    popup->m_SetItemById(&item, itemId, 0);
}

void m_Menu_MarkReservedDevice(CMenuPlus* popup)
{
    if (!popup) return;
    SMENUITEM item;
    for (int i = 0; i < popup->m_GetItemCount(); ++i) {
        if (!popup->m_GetItem(&item, i) || !item.Bold || item.Id == kReserveDeviceId) continue;
        item.Bold = 0;
        popup->m_SetItem(&item, i, 0);
    }
    if (popup->m_GetItemById(&item, kReserveDeviceId)) {
        item.Bold = 1;
        popup->m_SetItemById(&item, kReserveDeviceId, 0);
    }
}
