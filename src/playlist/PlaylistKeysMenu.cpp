// Stands in for the lists' context menus until they are built: with [Main]
// "Test" on it logs which list asked, for which row and where.
#include "playlist/PlaylistKeys.h"
#include "settings/CallTrace.h"

void CPlaylist::m_ShowContextMenu(HWND list, int row, int atCursor)
{
    m_TraceCall(L"m_ShowContextMenu(%d,%d,%d)", m_PlKeys_ListId(*this, list), row, atCursor);
}
