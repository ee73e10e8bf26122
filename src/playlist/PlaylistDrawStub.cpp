// Placeholder drawing until the window paints itself: the system draws.
#include "playlist/Playlist.h"

BOOL CPlaylist::m_OnDrawItem(const DRAWITEMSTRUCT*) { return FALSE; }
void CPlaylist::m_DrawStatus() {}
void CPlaylist::m_InvalidateStatusFont(int) { m_W.StatusFontPending = 1; }
void CPlaylist::m_SetStateColor(DWORD argb, int) { m_W.StateColor = argb; }
void CPlaylist::m_OnPaint() {}
void CPlaylist::m_DrawTabs(HDC) {}
LRESULT CALLBACK CPlaylist::m_StatusSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
