#include "commands/SubmenuBuilder.h"

#include "commands/CommandHandlers.h"

// Until the builder is in, no menu id has a popup.
CMenuPlus* m_Menu_BuildPopup(UINT) { return nullptr; }
LRESULT m_Menu_OnSubmenu(WPARAM, LPARAM) { return 0; }
