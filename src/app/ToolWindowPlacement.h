// Placement of the playlist and favorites windows in the settings file.
#pragma once
#include <windows.h>

// Reads the [Playlist] window keys and keeps a snapshot of them.
void m_ReadPlayListWnd();
// Writes the [Playlist] window keys (all with force; only "Pos" with
// positionOnly).
void m_SavePlayListWnd(int force, int positionOnly);
// Reads [Favo] "Pos" into the favorites placement and its copy.
void m_ReadFavoWndPos();
// Writes [Favo] "Pos" when forced or changed.
void m_SaveFavoWndPos(int force);
