// The playlist dialog's mouse, notification and tab handling, shared by the
// dialog procedure and the files that carry it out.
#pragma once
#include <windows.h>

#include "playlist/Playlist.h"

// Hit test with the hover zone; the result for DWLP_MSGRESULT.
LRESULT m_PlWnd_OnNcHitTest(CPlaylist& p, LPARAM screen);
// The tab under a client point, -1 none.
int m_PlWnd_TabAt(const CPlaylist& p, POINT client);
void m_PlWnd_OnLButtonDown(CPlaylist& p, LPARAM client);
void m_PlWnd_OnMouseMove(CPlaylist& p, WPARAM keys, LPARAM client);
void m_PlWnd_OnLButtonUp(CPlaylist& p, LPARAM client);
void m_PlWnd_OnLButtonDblClk(CPlaylist& p, LPARAM client);
void m_PlWnd_OnRButtonDown(CPlaylist& p, LPARAM client);
void m_PlWnd_OnMouseLeave(CPlaylist& p);
// 1 when the press was taken over (no default handling).
int m_PlWnd_OnNcLButtonDown(CPlaylist& p, WPARAM hit, LPARAM screen);
int m_PlWnd_OnNcLButtonDblClk(CPlaylist& p, WPARAM hit, LPARAM screen);
// 1 when the cursor was set.
int m_PlWnd_OnSetCursor(CPlaylist& p);
void m_PlWnd_OnSizing(CPlaylist& p, WPARAM edge, RECT* rc);
void m_PlWnd_OnExitSizeMove(CPlaylist& p);
void m_PlWnd_OnMove(CPlaylist& p);
// The list notifications; 1 with *result set when handled.
int m_PlWnd_OnNotify(CPlaylist& p, NMHDR* header, LRESULT* result);
// [Ctrl] "Btn" height at 100 %; a value without a height gives square
// buttons.
int m_PlWnd_ButtonHeight();
// Column widths from [Playlist] "Clm" and the track list's usable width.
void m_PlWnd_SetColumnsFromShares(CPlaylist& p);
// The notice that opens a row of the list with this id.
int m_PlWnd_OpenNotice(int listId);
// Sends WM_APP_NOTIFYMAIN to the main window.
void m_PlWnd_Notice(const CPlaylist& p, int code, LPARAM value);
