// What the playlist's key, wheel and list-input files share.
#pragma once
#include <windows.h>

#include "playlist/Playlist.h"

// 1401, 1396, 1397 or 1399 when the window is one of the four lists, else 0.
int m_PlKeys_ListId(const CPlaylist& p, HWND window);
// Sends the key, key-up or wheel message on to the main window unchanged.
void m_PlKeys_PassOn(const CPlaylist& p, const MSG& msg);
// A notice of a key or click to the main window; with [Main] "Test" on it
// also leaves "NOTICE : <code> <value>" in the log.
void m_PlKeys_Notice(const CPlaylist& p, int code, int value);
// The row becomes the only selected and the focused row, scrolled into view.
void m_PlKeys_SelectRow(HWND list, int row);
// Focuses the list; a list without a selection gets row 0 selected.
void m_PlKeys_FocusList(HWND list);
// The track becomes the only selected row of the track list and is shown.
void m_PlKeys_ShowTrack(CPlaylist& p, int track);

// Keys that move between rows, tracks and lists.
void m_PlKeys_ChapterArrow(CPlaylist& p, HWND list, int up);
void m_PlKeys_PageTrack(CPlaylist& p, HWND list, int next);
void m_PlKeys_Tab(CPlaylist& p, HWND from, int shift);
