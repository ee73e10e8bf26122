// Opening paths of every kind.
#pragma once
#include <windows.h>

// Opens a media file, playlist, bookmark, jump list, shortcut or folder.
// start: 0 none, 1 play, 2 paused, 4 jump list; kind -1 = by extension.
BOOL m_OpenFile(LPCWSTR path, int start, int reportMissing, int flag1, int flag2, int kind);
// Block values that the next jump-list open applies.
void m_OpenFile_SetJumpListBlocks(const int blocks[3]);
