// The other dynamic menus by id, and the rows they share.
#include "commands/SubmenuBuilder.h"

#include "commands/MenuItemModel.h"
#include "commands/SubmenuOtherParts.h"
#include "controls/MenuPlus.h"

void m_Menu_NewListItem(SMENUITEM* item, UINT id, const wchar_t* text)
{
    m_Menu_InitItem(item, id, 1);
    lstrcpynW(item->Text, text ? text : L"", ARRAYSIZE(item->Text));
}

int m_Menu_AddNoteItem(CMenuPlus* popup, const wchar_t* text, int position)
{
    if (!popup) return 0;
    SMENUITEM item;
    m_Menu_NewListItem(&item, 0, text);
    item.Disabled = 1;
    return popup->m_InsertItem(&item, position, 0) >= 0;
}

int m_Menu_AddCaption(CMenuPlus* popup, const wchar_t* text, int image)
{
    if (!popup) return 0;
    SMENUITEM item;
    m_Menu_NewListItem(&item, 0, text);
    item.Kind = MENUKIND_HEADING;
    item.HasIcon = 1;
    item.IconIndex = static_cast<UINT>(image);
    item.IconColor = -1;
    return popup->m_InsertItem(&item, -1, 0) >= 0;
}

CMenuPlus* m_Menu_BuildOtherList(UINT menuId)
{
    switch (menuId) {
        case 2315:
        case 2316:
            return m_Menu_BuildLayouts(menuId);
        case 2317:
            return m_Menu_BuildCapture();
        case 2322:
        case 2323:
        case 2324:
        case 2325:
            return m_Menu_BuildHistory(menuId);
        case 2328:
            return m_Menu_BuildAssignChapter();
        case 2332:
            return m_Menu_BuildOptionPages();
        case 2340:
            return m_Menu_BuildFilters();
        case 4462:
            return m_Menu_BuildDeviceItemMenu();
        case 4463:
            return m_Menu_BuildDeviceNumbers();
    }
    return nullptr;
}
