// The settings menu's commands: the window's [Playlist] switches, the
// three stepping submenus and the row-height gesture.
#include <commctrl.h>

#include "app/ToolWindowPlacement.h"
#include "controls/MenuPlus.h"
#include "playlist/PlaylistMenus.h"

namespace {

int s_GestureStart = 100;

// value + step within low..high, wrapping.
int m_Wrap(int value, int step, int low, int high)
{
    value += step;
    if (value > high) return low;
    if (value < low) return high;
    return value;
}

void m_Refresh(CPlaylist& p, const SPLMENUCHOICE& c, UINT first, UINT last)
{
    if (c.Closes || !m_PlMenu_Alive(c.Popup)) return;
    for (UINT id = first; id <= last; ++id) p.m_RefreshMenuItem(c.Popup, id, 0);
    c.Popup->m_Refresh(1);
}

void m_RefreshSub(CPlaylist& p, const SPLMENUCHOICE& c)
{
    if (!m_PlMenu_Alive(c.Popup)) return;
    p.m_RefreshMenuItems(c.Popup->m_GetSubmenuById(c.Id), 0);
}

void m_SetGrid(CPlaylist& p)
{
    const DWORD grid = g_PlaylistView.bGrid ? LVS_EX_GRIDLINES : 0;
    for (HWND list : p.m_W.Lists)
        if (list) SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES, grid);
}

void m_Rows(CPlaylist& p)
{
    if (g_PlaylistView.bOmit) p.m_ElideTrackNames();
    p.m_RefreshTrackRows();
}

void m_RowHeight(CPlaylist& p, const SPLMENUCHOICE& c)
{
    if (c.SelState != 6 && c.SelState != 7) return;
    const int current = g_PlaylistView.nItemHeight;
    if (c.Repeat == 0) s_GestureStart = current;
    const int value =
        m_PlMenu_StepItemHeight(current, s_GestureStart, c.SelState, c.Mode, c.Repeat == 0);
    if (value == current) return;
    g_PlaylistView.nItemHeight = value;
    m_Refresh(p, c, 8897, 8897);
    p.m_SetItemHeight(1);
}

int m_Toggle(CPlaylist& p, UINT id)
{
    SPLAYLISTVIEW& v = g_PlaylistView;
    switch (id) {
        case 8874:
            v.bAttach = !v.bAttach;
            p.m_SetPlayListTitle();
            return 1;
        case 8881:
            v.nDiagTab = !v.nDiagTab;
            p.m_LayoutTabs(1);
            return 1;
        case 8878:
            v.bAdjust = !v.bAdjust;
            if (v.bAdjust) {
                p.m_LayoutLists(0);
                p.m_LayoutLists(1);
            }
            return 1;
        case 8879:
            v.bAutoColumn = !v.bAutoColumn;
            return 1;
        case 8880:
            v.bGrid = !v.bGrid;
            m_SetGrid(p);
            return 1;
        case 8875:
        case 8876:
            (id == 8875 ? v.bNumber : v.bExtension) ^= 1;
            m_Rows(p);
            return 1;
        case 8877:
            v.bOmit = !v.bOmit;
            m_Rows(p);
            return 1;
        case 8885:
            v.bStatus = !v.bStatus;
            p.m_DrawStatus();
            return 1;
    }
    return 0;
}

}  // namespace

int m_PlMenu_StepItemHeight(int current, int start, int selState, int mode, int first)
{
    const int size = mode == 1 ? 5 : 1;
    const int step = selState == 7 ? -size : size;
    int rest = current % size;
    if (rest < 0) rest += size;
    if (step < 0 && rest != 0) rest -= size;
    int value = current + step - rest;
    int low = 50, high = 200;
    if (!first && start < 100) high = 100;
    if (!first && start > 100) low = 100;
    if (value < low) value = low;
    if (value > high) value = high;
    return value;
}

int m_PlCmd_View(CPlaylist& p, const SPLMENUCHOICE& c)
{
    SPLAYLISTVIEW& v = g_PlaylistView;
    const UINT id = c.Id;
    if (m_Toggle(p, id)) {
        m_Refresh(p, c, id, id);
        return 1;
    }
    switch (id) {
        case 8896:
            p.m_ShowTabs(!p.m_W.PaneShown, 1);
            m_Refresh(p, c, 8881, 8881);
            m_Refresh(p, c, 8896, 8896);
            return 1;
        case 8897:
            m_RowHeight(p, c);
            return 1;
        case PLMENU_OPENSTATE:
            v.nOpen = m_Wrap(v.nOpen, c.Mode == 1 ? 1 : -1, -1, 1);
            m_RefreshSub(p, c);
            return 1;
        case PLMENU_JUMPLIST:
            v.nJumpList = m_Wrap(v.nJumpList, c.Mode == 1 ? -1 : 1, 0, 2);
            m_RefreshSub(p, c);
            return 1;
        case PLMENU_CHAPFORMAT:
            v.nChapter = m_Wrap(v.nChapter, c.Mode == 1 ? -1 : 1, 0, 3);
            p.m_FillChapterList(-1, 0);
            m_RefreshSub(p, c);
            return 1;
    }
    if (id >= 8882 && id <= 8884) {
        v.nOpen = id == 8882 ? 1 : id == 8883 ? 0 : -1;
        m_Refresh(p, c, 8882, 8884);
        return 1;
    }
    if (id >= 8887 && id <= 8889) {
        v.nJumpList = (int)(id - 8887);
        m_Refresh(p, c, 8887, 8889);
        return 1;
    }
    if (id >= 8891 && id <= 8894) {
        v.nChapter = (int)(id - 8891);
        p.m_FillChapterList(-1, 0);
        m_Refresh(p, c, 8891, 8894);
        return 1;
    }
    return 0;
}
