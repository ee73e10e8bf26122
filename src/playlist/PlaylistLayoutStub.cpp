// Placeholder layout until the window's own layout lands: the track list
// fills the window.
#include <math.h>

#include "playlist/Playlist.h"

void CPlaylist::m_LayoutLists(int) { m_MoveChildren(-1, -1); }
void CPlaylist::m_MoveChildren(int, int)
{
    RECT client;
    if (m_hWnd && m_hList && GetClientRect(m_hWnd, &client))
        MoveWindow(m_hList, 0, 0, client.right, client.bottom, TRUE);
}
void CPlaylist::m_CalcPaneHeight() {}
void CPlaylist::m_ApplyDpi(int, int) {}
void CPlaylist::m_SetDpi(int percent) { m_W.DpiPercent = percent; }
void CPlaylist::m_OnDpiChanged(int, const RECT*) {}
void CPlaylist::m_SetItemHeight(int) {}
void CPlaylist::m_LoadButtonImages() {}
void CPlaylist::m_ApplyColumnRatios() {}
int CPlaylist::m_AutoColumnWidths() { return 0; }
void CPlaylist::m_LayoutTabs(int) {}
int CPlaylist::m_U(double pixels) const { return (int)lround(pixels * m_W.DpiPercent / 100.0); }
