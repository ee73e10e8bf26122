#include "commands/CommandHandlers.h"

#include <shellapi.h>

int m_OnCtrlCommand(int, int, LPARAM) { return 0; }
LRESULT m_OnMenuCommand(WPARAM, LPARAM) { return 0; }
LRESULT m_Menu_OnSubmenu(WPARAM, LPARAM) { return 0; }
LRESULT m_Menu_GetTipText(WPARAM, LPARAM) { return 0; }
LRESULT m_OnNotifyMain(WPARAM, LPARAM) { return 0; }
// The handle is the system's until released.
void m_OnDropFiles(HDROP drop)
{
    if (drop) DragFinish(drop);
}
void m_Commands_OnTimer(UINT) {}
