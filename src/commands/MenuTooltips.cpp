#include "commands/CommandHandlers.h"

// Until the menu tooltips are built, items have none.
LRESULT m_Menu_GetTipText(WPARAM, LPARAM) { return 0; }
