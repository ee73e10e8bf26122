// The two words a dynamic list keeps in an item's caller block: the data
// word (what the entry stands for, e.g. track x 1000 + range) and the hover
// word (1: hovering the entry previews it; -1: an entry that stays put).
// They sit before the model's own flags in the block.
#pragma once
#include <windows.h>

#include <cstring>

#include "commands/MenuItemModel.h"

constexpr int kMenuItemDataOffset = 0;
constexpr int kMenuItemHoverOffset = 8;
static_assert(kMenuItemHoverOffset + sizeof(int) <= kMenuItemFlagsOffset);

inline UINT64 m_Menu_GetItemData(const SMENUITEM* item)
{
    UINT64 data = 0;
    if (item) memcpy(&data, item->Block + kMenuItemDataOffset, sizeof(data));
    return data;
}

inline void m_Menu_SetItemData(SMENUITEM* item, UINT64 data)
{
    if (item) memcpy(item->Block + kMenuItemDataOffset, &data, sizeof(data));
}

inline int m_Menu_GetItemHover(const SMENUITEM* item)
{
    int hover = 0;
    if (item) memcpy(&hover, item->Block + kMenuItemHoverOffset, sizeof(hover));
    return hover;
}

inline void m_Menu_SetItemHover(SMENUITEM* item, int hover)
{
    if (item) memcpy(item->Block + kMenuItemHoverOffset, &hover, sizeof(hover));
}
