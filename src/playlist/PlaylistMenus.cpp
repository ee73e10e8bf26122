// The playlist window's popup menus: built from id lists through the
// window's own menu manager, shown at a list row or a button, their
// submenus built when first opened, their tips, and the five buttons.
#include "playlist/PlaylistMenus.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "commands/SubmenuBuilder.h"
#include "controls/ButtonPlus.h"
#include "controls/MenuManager.h"
#include "controls/MenuPlus.h"
#include "settings/CallTrace.h"

namespace {

constexpr UINT S = kMenuSeparatorId;

const UINT kTracksEmpty[] = {8709, 8710, S, 2358, S, 8724, 8713};
const UINT kTracks[] = {8705, 8706, S, 2358, S,    8709, 8710, S,   8714,
                        8715, 8719, S, 8718, 8724, 8713, S,    8712};
const UINT kChapters[] = {8734, S, 8716, 8717, 8720, S,    8810, 8735,
                          8736, S, 8738, 8721, S,    8739, S,    8737};
const UINT kRanges[] = {8754, S, 8758, 8759, S, 8755, 8761, 8762, S, 8757};
const UINT kMarkers[] = {8774, S, 8777, 8778, S, 8775, S, 8776};
const UINT kFileTools[] = {8854, 8855, 8856, 8857, 8858, 8859, 8860, 8861, 8862};
const UINT kOpenState[] = {8882, 8883, 8884};
const UINT kChapFormat[] = {8891, 8892, 8893, 8894};
const UINT kJumpList[] = {8887, 8888, 8889};
const UINT kSave[] = {8818, 8819};
const UINT kOpen[] = {8815, 8816, S, 8817};
const UINT kSettings[] = {8873, 2359, 2361, 8874, S,    8896, 8881, 8878, 8879, 8880,
                          S,    8897, S,    8875, 8876, 8877, 8885, S,    2360};
const UINT kSort[] = {8823, 8825, 8826, S,    8827, 8828, S,    8829, 8830, S,
                      8833, 8834, S,    8831, 8832, S,    8835, 8836, S,    8837};
const UINT kChecks[] = {8805, 8806, S, 8807, 8808, S, 8809};

struct SMENULIST {
    UINT MenuId;
    const UINT* Ids;
    int Count;
};
#define PL_LIST(id, ids)                             \
    {                                                \
        id, ids, (int)(sizeof(ids) / sizeof(ids[0])) \
    }
const SMENULIST kLists[] = {
    PL_LIST(PLMENU_CHAPTERS, kChapters),
    PL_LIST(PLMENU_RANGES, kRanges),
    PL_LIST(PLMENU_MARKERS, kMarkers),
    PL_LIST(PLMENU_OPENSTATE, kOpenState),
    PL_LIST(PLMENU_CHAPFORMAT, kChapFormat),
    PL_LIST(PLMENU_JUMPLIST, kJumpList),
    PL_LIST(PLMENU_SAVE, kSave),
    PL_LIST(PLMENU_OPEN, kOpen),
    PL_LIST(PLMENU_SETTINGS, kSettings),
    PL_LIST(PLMENU_SORT, kSort),
    PL_LIST(PLMENU_CHECKS, kChecks),
};
#undef PL_LIST

// The context menus' lists, in the order of SPLAYLISTWND::Lists.
const int kListIds[4] = {kPlaylistListId, kChapterListId, kRangeListId, kMarkerListId};
const UINT kContextMenus[4] = {PLMENU_TRACKS, PLMENU_CHAPTERS, PLMENU_RANGES, PLMENU_MARKERS};

// The items of a sub-list menu that need a selection.
const UINT kNeedSelection[] = {8734, 8716, 8717, 8720, 8735, 8736, 8738,
                               8737, 8754, 8756, 8758, 8774, 8776, 8777};

constexpr POINT kCursorOffset = {2, -2};
constexpr int kButtonMenuRise = 5;
constexpr UINT kTrackMode = 5;

CMenuManager* m_Manager(CPlaylist& p)
{
    if (!p.m_W.Menus) {
        p.m_W.Menus = new CMenuManager();
        p.m_W.Menus->m_SetScale(static_cast<UINT>(p.m_W.DpiPercent), 0);
        SMENUSTYLE style;
        g_MenuManager.m_GetStyle(&style);
        p.m_W.Menus->m_SetStyle(&style, 0, nullptr);
    }
    return p.m_W.Menus;
}

// The file-tool items that apply now.
int m_FileToolIds(const CPlaylist& p, UINT* ids)
{
    const bool noFile = !g_ListPath[0] || g_ListType == LIST_NONE ||
                        lstrcmpiW(PathFindFileNameW(g_ListPath), L"Default.zvpl") == 0;
    const bool noTrack = (p.m_W.ContextRow < 0 && g_PlayingTrack < 0) || g_ListType == LIST_SINGLE;
    int n = 0;
    for (UINT id : kFileTools) {
        if (noFile && id >= 8855 && id <= 8858) continue;
        if (noTrack && id >= 8859 && id <= 8862) continue;
        ids[n++] = id;
    }
    return n;
}

int m_StateImage(HWND list, int row)
{
    return (int)((SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) &
                  LVIS_STATEIMAGEMASK) >>
                 12);
}

void m_Summarise(CPlaylist& p, HWND list, int row)
{
    SPLAYLISTWND& w = p.m_W;
    static int s_Rows[kPlaylistTrackCap];
    w.SelCount = m_PlMenu_Selected(list, s_Rows, kPlaylistTrackCap);
    w.SelFirst = w.SelCount > 0 ? s_Rows[0] : -1;
    w.SelSomeChecked = w.SelSomeUnchecked = 0;
    for (int i = 0; i < w.SelCount; ++i) {
        if (m_StateImage(list, s_Rows[i]) == 1)
            w.SelSomeUnchecked = 1;
        else
            w.SelSomeChecked = 1;
    }
    w.ContextRow = row >= 0 ? row : w.SelFirst;
}

// Where the menu of a row opens without the cursor: the row's label, else
// the list's lower left corner.
POINT m_RowPoint(HWND list, int row)
{
    RECT rc = {};
    POINT pt = {};
    rc.left = LVIR_LABEL;
    if (row >= 0 && SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc))) {
        pt = {rc.left, rc.top - 2};
    } else {
        GetClientRect(list, &rc);
        pt = {rc.left + 2, rc.bottom - 2};
    }
    ClientToScreen(list, &pt);
    return pt;
}

// Check mode's disabling of the check items, and a sub-list menu without
// a selection.
void m_AfterBuild(CPlaylist& p, CMenuPlus* popup, UINT menuId)
{
    const SPLAYLISTWND& w = p.m_W;
    if (menuId == PLMENU_TRACKS || menuId == PLMENU_CHAPTERS) {
        const UINT check = menuId == PLMENU_TRACKS ? 8714 : 8716;
        if (p.m_CheckMode && !w.SelSomeUnchecked) popup->m_SetItemState(0, check, 0, 0);
        if (p.m_CheckMode && !w.SelSomeChecked) popup->m_SetItemState(0, check + 1, 0, 0);
    }
    if (menuId < PLMENU_CHAPTERS || menuId > PLMENU_MARKERS) return;
    if (w.SelCount == 0) {
        for (UINT id : kNeedSelection) popup->m_SetItemState(0, id, 0, 0);
        popup->m_SetSlideIn(0, -1);
    }
}

void m_Emphasise(CMenuPlus* popup, UINT id) { popup->m_SetItemState(1, id, 1, 0); }

CMenuPlus* m_BuildContext(CPlaylist& p, UINT menuId)
{
    CMenuPlus* popup = nullptr;
    const bool any = p.m_W.SelCount > 0;
    if (menuId == PLMENU_TRACKS && !any) {
        popup = p.m_CreateMenu(kTracksEmpty, ARRAYSIZE(kTracksEmpty), menuId);
        if (popup) popup->m_SetSlideIn(0, -1);
        return popup;
    }
    if (menuId == PLMENU_TRACKS) {
        popup = p.m_CreateMenu(kTracks, ARRAYSIZE(kTracks), menuId);
        const STRACKINFO* first = p.m_GetTrack(p.m_W.SelFirst);
        if (popup && first && first->Missing) {
            p.m_AddMenuItem(popup, kMenuSeparatorId);
            p.m_AddMenuItem(popup, 8708);
        }
        if (popup) m_AfterBuild(p, popup, menuId);
    } else {
        popup = p.m_BuildMenu(menuId);
    }
    if (popup && any) m_Emphasise(popup, popup->m_GetItemIdAt(0));
    return popup;
}

int m_Track(CPlaylist& p, CMenuPlus* popup, POINT at)
{
    if (!popup) return -1;
    return m_Manager(p)->m_TrackPopup(popup, kTrackMode, m_PackMenuPoint(at.x, at.y));
}

POINT m_ButtonPoint(const CPlaylist& p, int button)
{
    RECT rc = {};
    const CButtonPlus* b = p.m_W.Buttons[button];
    if (b && b->m_GetHwnd()) GetWindowRect(b->m_GetHwnd(), &rc);
    return POINT{rc.left, rc.top - kButtonMenuRise};
}

// The check-box button's menu leaves check mode on only when an item was
// chosen.
void m_CheckBoxMenu(CPlaylist& p)
{
    const int wasOn = p.m_CheckMode;
    if (!wasOn) p.m_SetCheckMode(1);
    p.m_W.LastMenuId = 0;
    CMenuPlus* popup = p.m_BuildMenu(PLMENU_CHECKS);
    m_Track(p, popup, m_ButtonPoint(p, 0));
    if (!wasOn && p.m_W.LastMenuId == 0) p.m_SetCheckMode(0);
    p.m_FillChapterList(-1, 0);
    if (p.m_W.Buttons[0]) p.m_W.Buttons[0]->m_SetCheck(p.m_CheckMode, 1);
}

void m_ButtonMenu(CPlaylist& p, int button, UINT menuId, UINT emphasised)
{
    CMenuPlus* popup = p.m_BuildMenu(menuId);
    if (popup && emphasised) m_Emphasise(popup, emphasised);
    m_Track(p, popup, m_ButtonPoint(p, button));
}

}  // namespace

bool m_PlMenu_Alive(const CMenuPlus* popup) { return popup && IsWindow(popup->m_GetHwnd()); }

int m_PlMenu_Selected(HWND list, int* rows, int cap)
{
    int n = 0, row = -1;
    while (list && n < cap &&
           (row = (int)SendMessageW(list, LVM_GETNEXTITEM, row, LVNI_SELECTED)) >= 0)
        rows[n++] = row;
    return n;
}

void m_PlMenu_Update(CPlaylist& p, CMenuPlus* popup, UINT id)
{
    if (!m_PlMenu_Alive(popup)) return;
    p.m_RefreshMenuItem(popup, id, 1);
}

CMenuPlus* CPlaylist::m_CreateMenu(const UINT* ids, int count, UINT menuId)
{
    HWND dialog = m_GetWindow();
    if (!dialog) return nullptr;
    CMenuPlus* popup = m_Manager(*this)->m_CreatePopup(dialog, dialog, menuId);
    if (!popup) return nullptr;
    for (int i = 0; i < count; ++i) m_AddMenuItem(popup, ids[i]);
    return popup;
}

void CPlaylist::m_AddMenuItem(CMenuPlus* popup, UINT id)
{
    if (!popup) return;
    SMENUITEM item;
    m_FillMenuItem(&item, id, 1);
    // The buttons' menus are whole at once, also as submenus.
    if (id >= PLMENU_SAVE && id <= PLMENU_CHECKS) item.Submenu = m_BuildMenu(id);
    popup->m_InsertItem(&item, -1, 0);
}

CMenuPlus* CPlaylist::m_BuildMenu(UINT menuId)
{
    CMenuPlus* popup = nullptr;
    if (menuId == PLMENU_TRACKS) return m_BuildContext(*this, menuId);
    if (menuId == PLMENU_FILETOOLS) {
        UINT ids[ARRAYSIZE(kFileTools)];
        popup = m_CreateMenu(ids, m_FileToolIds(*this, ids), menuId);
    }
    for (const SMENULIST& list : kLists)
        if (list.MenuId == menuId) popup = m_CreateMenu(list.Ids, list.Count, menuId);
    if (popup) m_AfterBuild(*this, popup, menuId);
    m_Menu_TraceBuilt(popup, menuId);
    return popup;
}

void CPlaylist::m_RefreshMenuItem(CMenuPlus* popup, UINT id, int refresh)
{
    SMENUITEM item;
    if (!popup || !popup->m_GetItemById(&item, id)) return;
    m_FillMenuItem(&item, id, 0);
    popup->m_SetItemById(&item, id, refresh);
}

void CPlaylist::m_RefreshMenuItems(CMenuPlus* popup, int recurse)
{
    if (!m_PlMenu_Alive(popup)) return;
    for (int i = 0; i < popup->m_GetItemCount(); ++i) {
        const UINT id = popup->m_GetItemIdAt(i);
        if (id == kMenuSeparatorId) continue;
        m_RefreshMenuItem(popup, id, 0);
        if (recurse) m_RefreshMenuItems(popup->m_GetSubmenuById(id), recurse);
    }
    popup->m_Refresh(1);
}

int CPlaylist::m_OnSubMenu(SMENUITEMENTRY* entry)
{
    if (!entry || entry->Item.Submenu) return 0;
    const UINT id = entry->Item.Id;
    if (id < PLMENU_FILETOOLS || id > PLMENU_JUMPLIST) return 0;
    entry->Item.Submenu = m_BuildMenu(id);
    return entry->Item.Submenu ? 1 : 0;
}

const wchar_t* CPlaylist::m_GetMenuTip(UINT id)
{
    switch (id) {
        case 8707:
            return L"見つからないファイルの場所を指定してプレイリストの情報を更新します。";
        case 8708:
            return L"見つからないファイルを指定したフォルダ内から探して、プレイリストの情報を"
                   L"修正します。\r\n(検索する範囲が広いと時間がかかるので注意してください。)";
        case 8761:
            return L"選択中の再生範囲を2つに分割します。\r\n(現在位置が分割した後ろ側の再生範囲の"
                   L"開始位置になります。)";
        case 8762:
            return L"選択中の再生範囲を1つにまとめます。";
        case 8877:
            return L"トラック名がリストに表示しきれない場合に、\r\nトラック名の共通した部分を省略"
                   L"して表示します。";
        case 8897:
            return L"リストアイテムの高さ(間隔)を調整します。\r\n("
                   L"アイコンの高さよりは小さくなりませ"
                   L"ん。)";
    }
    return nullptr;
}

void CPlaylist::m_ShowContextMenu(HWND list, int row, int atCursor)
{
    int slot = 0;
    while (slot < 4 && m_W.Lists[slot] != list) ++slot;
    if (!list || slot == 4) return;
    m_Summarise(*this, list, row);
    POINT at = {};
    if (atCursor) {
        GetCursorPos(&at);
        at.x += kCursorOffset.x;
        at.y += kCursorOffset.y;
    } else {
        at = m_RowPoint(list, m_W.ContextRow);
    }
    CMenuPlus* popup = m_BuildContext(*this, kContextMenus[slot]);
    if (kContextMenus[slot] == PLMENU_TRACKS) m_Menu_TraceBuilt(popup, PLMENU_TRACKS);
    m_W.ContextPopup = popup;
    m_Track(*this, popup, at);
    m_W.ContextPopup = nullptr;
}

int CPlaylist::m_OnControlCommand(int id, int notification)
{
    if (id >= 32969 && id <= 33267) return m_OnButton(id, notification);
    return 1;
}

int CPlaylist::m_OnButton(int id, int notification)
{
    const int add = GetKeyState(VK_CONTROL) < 0 ? 1 : 0;
    switch (id) {
        case kPlaylistButtonFirstId:
            if (notification == BPN_CLICK) {
                m_SetCheckMode(!m_CheckMode);
                m_FillChapterList(-1, 0);
                if (m_W.Buttons[0]) m_W.Buttons[0]->m_SetCheck(m_CheckMode, 1);
            }
            if (notification == BPN_RDOWN) m_CheckBoxMenu(*this);
            return 1;
        case kPlaylistButtonFirstId + 1:
            if (notification == BPN_CLICK) m_TraceCall(L"m_OpenFileDialog(1, %d)", add);
            if (notification == BPN_RDOWN) m_ButtonMenu(*this, 1, PLMENU_OPEN, 0);
            return 1;
        case kPlaylistButtonFirstId + 2:
            if (notification == BPN_CLICK) m_TraceCall(L"m_SavePlayListAs()");
            if (notification == BPN_RDOWN) m_ButtonMenu(*this, 2, PLMENU_SAVE, 8818);
            return 1;
        case kPlaylistButtonFirstId + 3:
        case kPlaylistButtonFirstId + 4:
            if (notification == BPN_LDOWN || notification == BPN_RDOWN)
                m_ButtonMenu(*this, id - kPlaylistButtonFirstId,
                             id == kPlaylistButtonFirstId + 3 ? PLMENU_SORT : PLMENU_SETTINGS, 0);
            return 1;
    }
    return 0;
}
