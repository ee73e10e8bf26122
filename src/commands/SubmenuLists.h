// What the file lists' builders and their updates share: the look of one
// chapter, range or track item from the current state, the list sizes and
// the separator that closes a list in each menu.
#pragma once
#include <windows.h>

#include <cstdarg>

#include "controls/MenuItem.h"

class CMenuPlus;

// Entries the lists show now (0 without a file or engine), within limits.
int m_Menu_ChapterCount();
int m_Menu_RangeCount();
int m_Menu_MarkerCount();
int m_Menu_StreamCount();

// The changing parts of an item: the playing image and the check.
void m_Menu_SetChapterState(SMENUITEM* item, int index);
void m_Menu_SetRangeState(SMENUITEM* item, int index);
void m_Menu_SetTrackState(SMENUITEM* item, int index);

// The ranges and markers of every playlist track (2337, 2339); null when no
// track has any.
CMenuPlus* m_Menu_BuildAllFiles(UINT menuId);

// The separator after a non-empty range, marker or chapter list in the menu
// (253 in the seek-bar menu, 255 in the range and marker menus), else 0.
UINT m_Menu_ListCloser(const CMenuPlus* popup, UINT anchorId);

// One disabled row saying why a list is empty.
void m_Menu_AddNote(CMenuPlus* popup, const wchar_t* text);

// printf into a fixed buffer; a text that does not fit is cut.
void m_Menu_Format(wchar_t* out, int size, const wchar_t* format, ...);
