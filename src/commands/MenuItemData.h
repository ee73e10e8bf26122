// The data word of a dynamic list's item: 64 bits at the start of the
// record's caller block, which the popup copies and does not read.
#pragma once
#include <windows.h>

#include <cstring>

#include "controls/MenuItem.h"

inline void m_Menu_SetItemData(SMENUITEM* item, LONG64 data)
{
    if (item) memcpy(item->Block, &data, sizeof(data));
}

inline LONG64 m_Menu_GetItemData(const SMENUITEM* item)
{
    LONG64 data = 0;
    if (item) memcpy(&data, item->Block, sizeof(data));
    return data;
}
