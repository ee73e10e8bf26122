// The jump-list layout menus, the capture presets, the chapters a jump-list
// block can take and the options pages.
#include <windows.h>

#include <strsafe.h>

#include "commands/MenuItemData.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuOtherParts.h"
#include "controls/MenuPlus.h"
#include "filedata/ChapterTracking.h"
#include "jumplist/JumpListLayouts.h"
#include "jumplist/JumpListState.h"
#include "library/Library.h"
#include "options/OptionColumns.h"
#include "options/OptionPages.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

constexpr int kJumpListFunction = 67;
constexpr int kCaptureFunction = 64;
// Capture ids run 35068..35167: the stream ids follow.
constexpr int kMenuMaxCaptures = 100;
// Assign-chapter ids run 36968..37167: the range ids follow.
constexpr int kMenuMaxAssignChapters = 200;
constexpr int kCaptureImage = 47;
constexpr UINT kTipMenuBit = 2;

// The argument function 67 takes for the preset ("-" builds every file's).
void m_LayoutArgument(wchar_t* out, int size, const SJUMPLISTLAYOUT& row, int all)
{
    const wchar_t* prefix = all ? L"-" : L"";
    if (row.Columns == row.Rows)
        (void)StringCchPrintfW(out, size, L"%s%d", prefix, row.Columns);
    else
        (void)StringCchPrintfW(out, size, L"%s%d,%d", prefix, row.Columns, row.Rows);
}

// [Jumplist] "Blk" names a square layout; 0 is automatic.
int m_IsDefaultLayout(const SJUMPLISTLAYOUT& row)
{
    const int side = g_Settings.Jumplist_Blk;
    return side > 0 && !row.Added && row.Columns == side && row.Rows == side;
}

int m_AddLayoutItem(CMenuPlus* popup, int index, int all)
{
    const SJUMPLISTLAYOUT& row = g_JumpListLayouts[index];
    wchar_t argument[32];
    m_LayoutArgument(argument, ARRAYSIZE(argument), row, all);
    wchar_t text[kMenuNameCap];
    lstrcpynW(text, m_JumpList_LayoutPresetLabel(nullptr, index), ARRAYSIZE(text));
    m_AppendBindingKeyName(text, ARRAYSIZE(text), kJumpListFunction, 0, argument);
    SMENUITEM item;
    m_Menu_NewListItem(&item, (all ? kMenuLayoutAllFirstId : kMenuLayoutFirstId) + index, text);
    const int isDefault = m_IsDefaultLayout(row);
    item.Bold = isDefault ? 1 : 0;
    popup->m_InsertItem(&item, -1, 0);
    return isDefault;
}

// Captures are of the video shown, not of the empty jump-list screen or of
// the launcher laid over the video.
int m_CaptureDisabled()
{
    if (!g_MediaOpen || g_MediaKind != MEDIA_KIND_VIDEO) return 1;
    if (g_JumpListShown && g_JumpListEmpty) return 1;
    return m_Launcher_IsShown() && !(g_VideoWindow && IsWindowVisible(g_VideoWindow));
}

void m_AddCapturePreset(CMenuPlus* popup, int index, int disabled)
{
    wchar_t text[kMenuNameCap];
    (void)StringCchPrintfW(text, ARRAYSIZE(text), L"%d : %s", index, g_CaptureSettings[index].Name);
    m_AppendBindingKeyName(text, ARRAYSIZE(text), kCaptureFunction, index, nullptr);
    SMENUITEM item;
    m_Menu_NewListItem(&item, kMenuCapturePresetFirstId + index, text);
    if (index == 0) {
        item.HasIcon = 1;
        item.IconIndex = kCaptureImage;
        item.IconColor = -1;
    }
    SMENUITEMFLAGS flags = m_Menu_GetItemFlags(&item);
    flags.TooltipWanted = (g_Settings.Common_Tip & kTipMenuBit) ? 1 : 0;
    m_Menu_SetItemFlags(&item, flags);
    item.ContextMenu = 1;
    item.Disabled = disabled ? 1 : 0;
    popup->m_InsertItem(&item, -1, 0);
}

}  // namespace

CMenuPlus* m_Menu_BuildLayouts(UINT menuId)
{
    const int all = menuId == 2316;
    CMenuPlus* popup = m_Menu_CreatePopup(menuId, nullptr);
    if (!popup) return nullptr;
    const int count = g_JumpListLayoutCount < kJumpListLayoutCap ? g_JumpListLayoutCount
                                                                  : kJumpListLayoutCap;
    const int groups = g_Settings.Jumplist_TrmBlk[0] != 0 && g_Settings.Jumplist_TrmBlk[1] < 100;
    int defaultListed = 0;
    for (int i = 0; i < count; ++i) {
        if (m_AddLayoutItem(popup, i, all)) defaultListed = 1;
        if (groups && i + 1 < count && g_JumpListLayouts[i].Rows != g_JumpListLayouts[i + 1].Rows)
            popup->m_InsertSeparator(-1);
    }
    popup->m_InsertSeparator(-1);
    const UINT automatic = all ? 4749 : 4747;
    m_Menu_AddCommand(popup, automatic, -1);
    if (!defaultListed) {
        SMENUITEM item;
        if (popup->m_GetItemById(&item, automatic)) {
            item.Bold = 1;
            popup->m_SetItemById(&item, automatic, 0);
        }
    }
    return popup;
}

CMenuPlus* m_Menu_BuildCapture()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2317, nullptr);
    if (!popup) return nullptr;
    m_Menu_AddCommand(popup, 4295, -1);
    int count = g_CaptureSettings ? g_CaptureCount : 0;
    if (count > kMenuMaxCaptures) count = kMenuMaxCaptures;
    if (count > 0) {
        popup->m_InsertSeparator(-1);
        const int disabled = m_CaptureDisabled();
        for (int i = 0; i < count; ++i) m_AddCapturePreset(popup, i, disabled);
    }
    static const UINT kTail[] = {255, 4288, 4287};
    for (UINT id : kTail) m_Menu_AddCommand(popup, id, -1);
    return popup;
}

CMenuPlus* m_Menu_BuildAssignChapter()
{
    CMenuPlus* popup = m_Menu_CreatePopup(2328, nullptr);
    if (!popup) return nullptr;
    int count = g_PlayingChapters ? g_ChapterCount : 0;
    if (count > kMenuMaxAssignChapters) count = kMenuMaxAssignChapters;
    for (int i = 0; i < count; ++i) {
        const SCHAPTERITEM& chapter = g_PlayingChapters[i];
        const int seconds = chapter.Start > 0 ? static_cast<int>(chapter.Start) : 0;
        wchar_t text[kMenuNameCap];
        (void)StringCchPrintfW(text, ARRAYSIZE(text), L"%02d, [%02d:%02d:%02d] %s", i + 1,
                               seconds / 3600, seconds / 60 % 60, seconds % 60, chapter.Name);
        SMENUITEM item;
        m_Menu_NewListItem(&item, kMenuAssignChapterFirstId + i, text);
        m_Menu_SetItemData(&item, i);
        item.CheckKind = MENUCHECK_RADIO;
        item.Checked = g_JumpListViewState.BlockChapter == i;
        popup->m_InsertItem(&item, -1, 0);
    }
    return popup;
}

CMenuPlus* m_Menu_BuildOptionPages()
{
    if (!g_OptionColumnsRead) {
        m_ReadOptDlgColumns();
        g_OptionColumnsRead = 1;
    }
    int pages[kOptionPageCap];
    int count = m_Option_GetPageList(pages, kOptionPageCap);
    if (count > kMenuOptionPageItems) count = kMenuOptionPageItems;
    for (int i = 0; i < kMenuOptionPageItems; ++i) g_OptionMenuPages[i] = i < count ? pages[i] : -1;
    CMenuPlus* popup = m_Menu_CreatePopup(2332, nullptr);
    if (!popup) return nullptr;
    m_Menu_AddCommand(popup, 4105, -1);
    m_Menu_AddCommand(popup, 255, -1);
    for (int i = 0; i < count; ++i) m_Menu_AddCommand(popup, kMenuOptionPageFirstId + i, -1);
    return popup;
}
