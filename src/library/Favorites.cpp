// The favorites keep their records in memory: no file is read or written
// and no window exists yet.
#include "library/Favorites.h"

#include <shlwapi.h>

#include <cstring>

CFavorite g_Favorite;

int CFavorite::m_ReadFile(int) { return 0; }

void CFavorite::m_RefreshTree(int, int) {}

const SFAVORITEITEM* CFavorite::m_GetItem(int index) const
{
    return index >= 0 && index < m_Count ? &m_Items[index] : nullptr;
}

int CFavorite::m_Append(int type, const wchar_t* path)
{
    if (!path || !path[0] || m_Count >= kFavoriteCap) return 0;
    SFAVORITEITEM& item = m_Items[m_Count];
    item.Type = type;
    lstrcpynW(item.Path, path, ARRAYSIZE(item.Path));
    lstrcpynW(item.Name, PathFindFileNameW(path), ARRAYSIZE(item.Name));
    ++m_Count;
    return 1;
}

int CFavorite::m_Remove(int index)
{
    if (index < 0 || index >= m_Count) return 0;
    memmove(&m_Items[index], &m_Items[index + 1],
            sizeof(SFAVORITEITEM) * static_cast<size_t>(m_Count - index - 1));
    --m_Count;
    return 1;
}

void CFavorite::m_Clear()
{
    m_Count = 0;
    m_EntryCount = 0;
}

int CFavorite::m_AddEntry(int type, int containerType, const wchar_t* path)
{
    if (m_EntryCount >= kFavoriteEntryCap) return -1;
    SFAVORITEENTRY& entry = m_Entries[m_EntryCount];
    entry.Type = type;
    entry.ContainerType = containerType;
    lstrcpynW(entry.Path, path ? path : L"", ARRAYSIZE(entry.Path));
    return m_EntryCount++;
}

const SFAVORITEENTRY* CFavorite::m_GetEntry(int index) const
{
    return index >= 0 && index < m_EntryCount ? &m_Entries[index] : nullptr;
}
