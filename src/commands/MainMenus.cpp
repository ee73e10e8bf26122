#include "commands/CommandHandlers.h"

#include "base/ErrorLog.h"

namespace {
UINT g_LastMenuId;
int g_MenuCount;
}  // namespace

void m_ShowMainContextMenu(POINT screen) { m_ShowPopupMenuById(240, screen); }

UINT m_LastPopupMenuId(int* count)
{
    if (count) *count = g_MenuCount;
    return g_LastMenuId;
}

// Until the menus are built, a popup asked for is only logged.
void m_ShowPopupMenuById(UINT menuId, POINT screen)
{
    g_LastMenuId = menuId;
    ++g_MenuCount;
    m_WriteLog(L"MENU : Id=%u X=%d Y=%d", menuId, static_cast<int>(screen.x),
               static_cast<int>(screen.y));
}
