// Inside the other lists' builders: one builder per menu and the item
// records they share.
#pragma once
#include <windows.h>

#include "controls/MenuItem.h"

class CMenuPlus;

// A cleared record of the id through the item model, with the text.
void m_Menu_NewListItem(SMENUITEM* item, UINT id, const wchar_t* text);
// One disabled row telling why a list is empty; 1 when it went in.
int m_Menu_AddNoteItem(CMenuPlus* popup, const wchar_t* text, int position);
// A caption row (kind 2) with its image.
int m_Menu_AddCaption(CMenuPlus* popup, const wchar_t* text, int image);

// SubmenuHistory.cpp: 2322..2325.
CMenuPlus* m_Menu_BuildHistory(UINT menuId);
// SubmenuDevices.cpp: 4462, 4463.
CMenuPlus* m_Menu_BuildDeviceItemMenu();
CMenuPlus* m_Menu_BuildDeviceNumbers();
// SubmenuFilters.cpp: 2340.
CMenuPlus* m_Menu_BuildFilters();
// SubmenuJumpCapture.cpp: 2315, 2316, 2317, 2328, 2332.
CMenuPlus* m_Menu_BuildLayouts(UINT menuId);
CMenuPlus* m_Menu_BuildCapture();
CMenuPlus* m_Menu_BuildAssignChapter();
CMenuPlus* m_Menu_BuildOptionPages();
