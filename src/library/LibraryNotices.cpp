#include "library/LibraryNotices.h"

#include "library/Favorites.h"
#include "library/Library.h"

void m_Recent_OnChecked() {}
void m_Recent_OnCheckDone() {}
void m_Recent_DeletePending() {}
void m_Favorite_OnFolderMenuClosed() {}
void m_Library_OnRecentChanged() { m_Recent_ReadFile(0, 0); }
void m_Library_OnFavoritesChanged()
{
    g_Favorite.m_ReadFile(0);
    g_Favorite.m_RefreshTree(1, 0);
}
