// The favorites are not built yet: no file is read and no window exists.
#include "library/Favorites.h"

CFavorite g_Favorite;

int CFavorite::m_ReadFile(int) { return 0; }

void CFavorite::m_RefreshTree(int, int) {}

int CFavorite::m_GetItemCount() const { return 0; }

const SFAVORITEITEM* CFavorite::m_GetItem(int) const { return nullptr; }
