// What the library does with the main window's notices: the history checks'
// results, closing history and favorites menus, and other instances' news.
// Grows with the library code; until then each keeps the idle state.
#pragma once
#include <windows.h>

// A history existence-check thread ended: wait for it, close its handle,
// redraw the launcher when shown.
void m_Recent_OnChecked();
// The check progress window ended: mark the history checked.
void m_Recent_OnCheckDone();
// A history menu closed: delete the entries marked for deletion.
void m_Recent_DeletePending();
// A favorites folder menu closed: the submenu loader stops waiting for it.
void m_Favorite_OnFolderMenuClosed();
// Another instance wrote the history (re-read it) or the favorites
// (re-read and rebuild); the launcher lists follow.
void m_Library_OnRecentChanged();
void m_Library_OnFavoritesChanged();
