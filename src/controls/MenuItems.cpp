// The item list of a popup: inserting, replacing, reading, finding, item
// states and deleting. Indexes that point past a change (the selection and
// the open submenu) follow it.
#include <cstring>
#include <new>

#include "controls/MenuPlus.h"

namespace {

// Shifts an index that lies at or after a change by delta; an index that
// pointed at a deleted item becomes -1.
int Follow(int index, int at, int delta)
{
    if (index < 0 || index < at) return index;
    if (delta < 0 && index == at) return -1;
    return index + delta;
}

}  // namespace

int CMenuPlus::m_InsertItem(const SMENUITEM* item, int position, int refresh)
{
    if (!item || m_ItemCount >= kMenuMaxItems) return -1;
    auto* entry = new (std::nothrow) SMENUITEMENTRY();
    if (!entry) return -1;
    if (position < 0 || position > m_ItemCount) position = m_ItemCount;
    memmove(&m_pItems[position + 1], &m_pItems[position],
            sizeof(m_pItems[0]) * static_cast<size_t>(m_ItemCount - position));
    entry->Item = *item;
    m_pItems[position] = entry;
    ++m_ItemCount;
    m_SelIndex = Follow(m_SelIndex, position, 1);
    m_OpenSubIndex = Follow(m_OpenSubIndex, position, 1);
    m_MeasureItem(position);
    if (refresh) m_Refresh(1);
    return position;
}

int CMenuPlus::m_InsertSeparator(int position)
{
    SMENUITEM sep = {};
    sep.Kind = MENUKIND_SEPARATOR;
    sep.Id = kMenuSeparatorId;
    return m_InsertItem(&sep, position, 0);
}

int CMenuPlus::m_SetItem(const SMENUITEM* item, int index, int refresh)
{
    if (!item || !m_IsValidIndex(index)) return 0;
    m_pItems[index]->Item = *item;
    m_pItems[index]->Measured = 0;
    m_MeasureItem(index);
    if (refresh) m_Refresh(1);
    return 1;
}

int CMenuPlus::m_SetItemById(const SMENUITEM* item, UINT id, int refresh)
{
    const int index = m_FindItem(id);
    return index < 0 ? 0 : m_SetItem(item, index, refresh);
}

int CMenuPlus::m_GetItem(SMENUITEM* out, int index) const
{
    if (!out || !m_IsValidIndex(index)) return 0;
    *out = m_pItems[index]->Item;
    return 1;
}

int CMenuPlus::m_GetItemById(SMENUITEM* out, UINT id) const
{
    return m_GetItem(out, m_FindItem(id));
}

int CMenuPlus::m_GetItemKind(int index) const
{
    return m_IsValidIndex(index) ? static_cast<int>(m_pItems[index]->Item.Kind) : -1;
}

UINT CMenuPlus::m_GetItemIdAt(int index) const
{
    return m_IsValidIndex(index) ? m_pItems[index]->Item.Id : 0;
}

int CMenuPlus::m_FindItem(UINT id) const
{
    for (int i = 0; i < m_ItemCount; ++i)
        if (m_pItems[i]->Item.Id == id) return i;
    return -1;
}

CMenuPlus* CMenuPlus::m_GetSubmenuById(UINT id) const
{
    const int index = m_FindItem(id);
    if (index < 0 || !m_pItems[index]->Item.HasSubmenu) return nullptr;
    return m_pItems[index]->Item.Submenu;
}

int CMenuPlus::m_SetItemState(int kind, UINT id, int value, int refresh)
{
    const int index = m_FindItem(id);
    if (index < 0) return 0;
    SMENUITEMENTRY* e = m_pItems[index];
    const UINT on = value ? 1 : 0;
    switch (kind) {
        case 0:
            e->Item.Disabled = !on;
            break;
        case 1:
            e->Item.Bold = on;
            e->Measured = 0;
            m_MeasureItem(index);
            break;
        case 2:
            e->Item.Checked = on;
            break;
        case 3:
            e->Item.Expanded = on;
            break;
        default:
            return 0;
    }
    if (refresh) m_Refresh(kind == 1 ? 1 : 0);
    return 1;
}

int CMenuPlus::m_DeleteItem(int index, int refresh)
{
    if (!m_IsValidIndex(index)) return 0;
    if (index == m_OpenSubIndex) m_CloseSubmenu();
    SMENUITEMENTRY* e = m_pItems[index];
    if (e->Item.HasSubmenu && e->Item.Submenu) {
        e->Item.Submenu->m_Close();
        delete e->Item.Submenu;
    }
    delete e;
    memmove(&m_pItems[index], &m_pItems[index + 1],
            sizeof(m_pItems[0]) * static_cast<size_t>(m_ItemCount - index - 1));
    m_pItems[--m_ItemCount] = nullptr;
    m_SelIndex = Follow(m_SelIndex, index, -1);
    m_OpenSubIndex = Follow(m_OpenSubIndex, index, -1);
    if (m_PressedIndex == index) m_PressedIndex = -1;
    if (refresh) m_Refresh(1);
    return 1;
}

int CMenuPlus::m_DeleteAllItems()
{
    if (m_ItemCount == 0) return 0;
    while (m_ItemCount > 0) m_DeleteItem(m_ItemCount - 1, 0);
    m_Scrolling = 0;
    m_ScrollOffset = 0;
    return 1;
}

int CMenuPlus::m_GetItemScreenRect(UINT id, RECT* out) const
{
    const int index = m_FindItem(id);
    if (index < 0 || !out) return 0;
    *out = m_pItems[index]->Rect;
    OffsetRect(out, m_WindowRect.left, m_WindowRect.top - m_ScrollOffset);
    return 1;
}
