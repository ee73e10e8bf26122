// The favorites are not built yet: no file is read and no window exists.
#include "library/Favorites.h"

CFavorite g_Favorite;

int CFavorite::m_ReadFile(int) { return 0; }

void CFavorite::m_RefreshTree(int, int) {}
