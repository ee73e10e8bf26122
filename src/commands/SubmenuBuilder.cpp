#include "commands/SubmenuBuilder.h"

#include "commands/CommandHandlers.h"

// Until the builder is in, no menu id has a popup.
CMenuPlus* m_Menu_BuildPopup(UINT) { return nullptr; }
CMenuPlus* m_Menu_CreatePopup(UINT, CMenuManager*) { return nullptr; }
CMenuPlus* m_Menu_CreateFromIds(const UINT*, int, UINT) { return nullptr; }
void m_Menu_AddCommand(CMenuPlus*, UINT, int) {}
CMenuPlus* m_Menu_Remembered(UINT) { return nullptr; }
void m_Menu_Remember(UINT, CMenuPlus*) {}
int m_Menu_AfterAnchor(const CMenuPlus*, UINT) { return -1; }
void m_Menu_DeleteRangeAfter(CMenuPlus*, UINT, UINT, UINT) {}
LRESULT m_Menu_OnSubmenu(WPARAM, LPARAM) { return 0; }
