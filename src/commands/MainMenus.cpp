// The main window's popups at a screen point: the main context menu, the
// menus asked for by id, and the main menu's key.
#include "commands/CommandHandlers.h"

#include "app/PointerInput.h"
#include "app/PopupMenu.h"
#include "app/WindowHelpers.h"
#include "commands/Executor.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuPlus.h"
#include "library/LibraryNotices.h"
#include "settings/SettingsMain.h"

namespace {

UINT g_LastMenuId;
int g_MenuCount;

// A menu opened at the pointer lies just clear of it.
constexpr POINT kCursorMenuOffset = {2, -2};
constexpr int kMainMenuSizePercent = 125;
constexpr int kHoverAreaVideo = 1;

// Tracks the built popup; the chosen index, or -1.
int m_Track(CMenuPlus* popup, UINT menuId, POINT screen)
{
    g_LastMenuId = menuId;
    ++g_MenuCount;
    return m_TrackPopupMenu(popup, screen.x, screen.y);
}

}  // namespace

POINT m_MenuPointAtCursor(POINT screen)
{
    return POINT{screen.x + kCursorMenuOffset.x, screen.y + kCursorMenuOffset.y};
}

void m_ShowMainContextMenu(POINT screen)
{
    CMenuPlus* popup = m_Menu_BuildPopup(240);
    if (!popup) return;
    popup->m_SetSizePercent(kMainMenuSizePercent);
    popup->m_SetSlideIn(0, -1);
    const int topMost = g_MainWindowState.nTopMost;
    if (m_Track(popup, 240, m_MenuPointAtCursor(screen)) < 0) {
        // The menu's own topmost window may have moved the main window
        // behind; a flag changed meanwhile is put in force again.
        if (g_MainWindowState.nTopMost != topMost) m_SetTopMost(g_MainWindowState.nTopMost, 0, 1);
        m_SetHoverTimer(1, kHoverAreaVideo);
    }
    m_Recent_DeletePending();
}

UINT m_LastPopupMenuId(int* count)
{
    if (count) *count = g_MenuCount;
    return g_LastMenuId;
}

int m_ShowPopupMenuById(UINT menuId, POINT screen)
{
    return m_ShowPopupMenuIn(menuId, screen, nullptr);
}

int m_ShowPopupMenuIn(UINT menuId, POINT screen, const RECT* limit)
{
    CMenuPlus* popup = m_Menu_BuildPopup(menuId);
    if (!popup) return 0;
    if (limit) popup->m_SetLimitRect(limit);
    m_Track(popup, menuId, screen);
    return 1;
}

int m_OpenMainMenu()
{
    m_ExecFunctionById(FUNC_MENU, 0, L"MAIN");
    return 1;
}
