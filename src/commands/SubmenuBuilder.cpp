// The popups of the main window by menu id: the static lists (some with
// parts that depend on what is open), the lists the other builders make,
// and the submenu an item asks for when the selection reaches it.
#include "commands/SubmenuBuilder.h"

#include <initializer_list>

#include "commands/CommandHandlers.h"
#include "commands/MenuPresets.h"
#include "commands/SubmenuOtherParts.h"
#include "controls/MenuPlus.h"
#include "filedata/DataFiles.h"
#include "jumplist/JumpListLayouts.h"
#include "library/Favorites.h"
#include "playback/AudioDeviceList.h"
#include "playback/MediaPath.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"

namespace {

constexpr UINT kSep = kMenuSeparatorId;
constexpr UINT kMainMenuId = 240;
constexpr UINT kEmphasisKind = 1;  // CMenuPlus::m_SetItemState: the emphasis word

// Ids of the favorites items; their submenus are the favorites object's.
constexpr UINT kFavoritesFirstId = kMenuFavoriteFirstId;
constexpr UINT kFavoritesLastId = 42767;

// A static menu: its ids in item order, 0 for the slots it leaves empty.
struct SSTATICMENU {
    UINT MenuId;
    UINT Ids[kMenuStaticMax];
};

const SSTATICMENU kStaticMenus[] = {
    {kMainMenuId,
     {2306, 2307, kSep, 2340, 2326, 2330, kSep, 2318, 2335, 2336, 2338, kSep, 2314, 2317, kSep,
      2312, 2310, 2311, kSep, 2305, 4097, 4256, kSep, 4106, 4107, 4108, 4105, kSep, 250}},
    {2305, {4098, kSep, 4100, 4102, 4103, kSep, 4101}},
    {2312, {4236, 4237, 4238, 4239, 4240, 4241, 4246, 4247, 4248, 4249, 4250}},
    {2314, {4696, kSep, 4698, 4700, 4712, kSep, 4746, 2315, kSep, 4748, 2316}},
    {2327, {4225, 4221, 4222, 4223}},
    {2329, {4216, kMenuAnchorDevices, kSep, 4227, kSep, 2327, 2309, kSep, 4217}},
    {2334, {9486, 9487, 9488, 9489}},
    {2341, {4256, kSep, 4257}},
    {2342, {4435, 4436, 4437, 4438, 4439, 4440, kSep, 4443, 4444, 4445, kSep, 4446}},
    {2343, {4706, kSep, 2328, 4710, 4709, kSep, 4711, 4707}},
    {2344,
     {4699, kSep, 4702, 4703, kSep, 4700, 4712, kSep, 4746, 2315, kSep, 4717, 4718, 4719, kSep,
      kMainMenuId}},
    {2345, {4246, 4247, 4248, 4249, 4250}},
    {2374, {4496, 4497, kSep, 4498}},
    {2403, {4996, 4997, 4998, 4999}},
    {4607, {4608, kSep, 4609, 4610, 4611, kSep, 4614, 4612, 4613, 4616, 4615}},
    {4633, {4634, 4635, 4636, 4637}},
    {4656, {4657, 4658, 4659, 4660}},
};

constexpr UINT kFileListMenus[] = {2309, 2318, 2326, 2333, 2335, 2336, 2337, 2338, 2339};
constexpr UINT kOtherListMenus[] = {2315, 2316, 2317, 2322, 2323, 2324, 2325,
                                    2328, 2332, 2340, 4462, 4463};

template <size_t N>
bool m_IsIn(const UINT (&ids)[N], UINT id)
{
    for (UINT x : ids)
        if (x == id) return true;
    return false;
}

const SSTATICMENU* m_FindStatic(UINT menuId)
{
    for (const SSTATICMENU& m : kStaticMenus)
        if (m.MenuId == menuId) return &m;
    return nullptr;
}

// Ids of a menu whose parts depend on what is open, in item order.
struct SIDLIST {
    UINT Ids[kMenuStaticMax];
    int Count;
};

void m_Add(SIDLIST* list, std::initializer_list<UINT> ids)
{
    for (UINT id : ids)
        if (list->Count < kMenuStaticMax) list->Ids[list->Count++] = id;
}

CMenuPlus* m_FromList(const SIDLIST& list, UINT menuId)
{
    return m_Menu_CreateFromIds(list.Ids, list.Count, menuId);
}

CMenuPlus* m_BuildFileMenu()
{
    SIDLIST list = {};
    m_Add(&list, {4138, kSep, 4128, 4129, 4135, kSep, 4137, 4146, 4147, kSep, 2322, 2324, 2319,
                  kSep});
    // The resume-recording switches of the kind of item that is open.
    if (g_ListType == LIST_FOLDER || g_ListType == LIST_FOLDERLIST)
        m_Add(&list, {4139, 4141, 4140, kSep});
    if (g_ListType == LIST_ZVPL) m_Add(&list, {4143, kSep});
    if (g_ListType == LIST_SINGLE) m_Add(&list, {4145, kSep});
    m_Add(&list, {4132, 4133, 4134, kSep, 4127});
    return m_FromList(list, 2306);
}

// The open item's tools stand only for a list of its own: not for a single
// file, and not for the history playlist every file goes to.
bool m_HasOwnListItem()
{
    if (g_ListType == LIST_NONE || !g_ListPath[0]) return false;
    return !g_DefaultPlaylistPath[0] ||
           CompareStringOrdinal(g_ListPath, -1, g_DefaultPlaylistPath, -1, TRUE) != CSTR_EQUAL;
}

CMenuPlus* m_BuildFileToolsMenu()
{
    const bool item = m_HasOwnListItem();
    const bool media = g_ListType != LIST_SINGLE && g_MediaPath[0];
    SIDLIST list = {};
    m_Add(&list, {4156, 4165});
    if (item) m_Add(&list, {4163, 4157, 4158, 4159});
    if (media) m_Add(&list, {4164, 4160, 4161, 4162});
    return m_FromList(list, 2307);
}

CMenuPlus* m_BuildStatic(const SSTATICMENU& menu)
{
    CMenuPlus* popup = m_Menu_CreateFromIds(menu.Ids, kMenuStaticMax, menu.MenuId);
    if (!popup) return nullptr;
    switch (menu.MenuId) {
        case kMainMenuId:
            if (g_Settings.Main_Test) {
                m_Menu_AddCommand(popup, kSep, -1);
                m_Menu_AddCommand(popup, 2403, -1);
            }
            break;
        case 2329:
            m_Menu_UpdateAudioDevices(popup, 1, m_Menu_AfterAnchor(popup, kMenuAnchorDevices));
            break;
        case 2344:
            popup->m_SetItemState(kEmphasisKind, 4702, 1, 0);
            break;
    }
    return popup;
}

// The preset lists: kind 0 size, 1 timer, 2 rate.
CMenuPlus* m_Menu_BuildPresetMenu(UINT menuId)
{
    const int kind = menuId == kMenuSizePresetsId ? 0 : menuId == kMenuTimerPresetsId ? 1 : 2;
    return m_MenuPresets_BuildMenu(kind, nullptr, nullptr);
}

CMenuPlus* m_Menu_BuildFavoritesMenu(UINT menuId)
{
    CMenuPlus* popup = m_Menu_CreatePopup(menuId, nullptr);
    m_Menu_AddFavoriteItems(popup);
    return popup;
}

CMenuPlus* m_BuildById(UINT menuId)
{
    switch (menuId) {
        case 2306:
            return m_BuildFileMenu();
        case 2307:
            return m_BuildFileToolsMenu();
        case 2310:
        case 2311:
        case 2330:
            return m_Menu_BuildPresetMenu(menuId);
        case 2319:
        case 2320:
            return m_Menu_BuildFavoritesMenu(menuId);
        case 2329:
            // The device list may have changed since the last menu.
            m_AudDev_Enumerate();
            break;
        case 2314:
        case 2344:
            // Their layout submenus list the presets as the view has them now.
            m_JumpList_BuildLayoutPresets(nullptr);
            break;
    }
    if (m_IsIn(kFileListMenus, menuId)) return m_Menu_BuildFileList(menuId);
    if (m_IsIn(kOtherListMenus, menuId)) return m_Menu_BuildOtherList(menuId);
    const SSTATICMENU* menu = m_FindStatic(menuId);
    return menu ? m_BuildStatic(*menu) : nullptr;
}

}  // namespace

CMenuPlus* m_Menu_BuildPopup(UINT menuId)
{
    CMenuPlus* popup = m_BuildById(menuId);
    if (!popup) return nullptr;
    m_Menu_Remember(menuId, popup);
    m_Menu_TraceBuilt(popup, menuId);
    return popup;
}

int m_Menu_AddFavoriteItems(CMenuPlus* popup)
{
    if (!popup) return 0;
    int added = 0;
    for (int i = 0; i < g_Favorite.m_GetCount(); ++i) {
        const SFAVORITEITEM* record = g_Favorite.m_GetItem(i);
        SMENUITEM item;
        m_Menu_NewListItem(&item, kFavoritesFirstId + static_cast<UINT>(i), record->Name);
        if (popup->m_InsertItem(&item, -1, 0) < 0) break;
        ++added;
    }
    return added;
}

void m_Menu_UpdateFavorites()
{
    for (UINT menuId : {kMenuIdFileFavorites, kMenuIdFavorites}) {
        CMenuPlus* popup = m_Menu_Remembered(menuId);
        if (!popup) continue;
        popup->m_DeleteAllItems();
        m_Menu_AddFavoriteItems(popup);
        popup->m_Refresh(1);
    }
}

// wParam: the SMENUITEMENTRY of the item whose submenu is wanted. 1 when a
// submenu was built for it.
LRESULT m_Menu_OnSubmenu(WPARAM wParam, LPARAM)
{
    auto* entry = reinterpret_cast<SMENUITEMENTRY*>(wParam);
    if (!entry) return 0;
    const UINT id = entry->Item.Id;
    // Favorites items fill their submenus from the favorites object, which
    // holds no items yet: none is below its count.
    if (id >= kFavoritesFirstId && id <= kFavoritesLastId) return 0;
    if (entry->Item.Submenu) return 0;
    CMenuPlus* sub = m_Menu_BuildPopup(id);
    if (!sub) return 0;
    entry->Item.Submenu = sub;
    return 1;
}
