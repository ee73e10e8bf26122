// The control bar's popup menus: a right press on a button opens the menu of
// what the button does, above the button, with the button drawn pressed
// while it is open; the seek bar and the volume slider open theirs.
#include "app/PopupMenu.h"
#include "app/PointerInput.h"
#include "app/StatusText.h"
#include "app/WindowSize.h"
#include "commands/CommandHandlers.h"
#include "commands/CtrlCommands.h"
#include "commands/MenuItemModel.h"
#include "commands/SubmenuBuilder.h"
#include "controls/ButtonPlus.h"
#include "controls/MenuPlus.h"
#include "controls/SliderPlus.h"
#include "app/MainWindow.h"
#include "app/Layout.h"
#include "jumplist/JumpListCommands.h"
#include "library/Library.h"
#include "library/LibraryNotices.h"
#include "playback/AudioDeviceList.h"
#include "playlist/Playlist.h"

namespace {

constexpr int kEmphasisKind = 1;
constexpr int kHoverAreaVideo = 1;
constexpr int kSizeTextMs = 30000;
constexpr int kSeekBarMenuPercent = 90;
constexpr UINT kTimerWindowItem = 4109;

enum {
    MENU_LIMIT = 1,        // kept inside the monitor less 3 pixels
    MENU_SIZE_TEXT = 2,    // the size text shows while it is open
    MENU_HISTORY = 4,      // marked history entries go afterwards
    MENU_DEVICES = 8,      // audio devices marked for removal go afterwards
    MENU_TIMER_WINDOW = 16,
};

struct SBUTTONMENU {
    int id;         // control id
    UINT menuId;
    UINT emphasis;  // the item of the button's own click, 0 none
    int flags;
};

const SBUTTONMENU kButtonMenus[] = {
    {32969, 2306, 4138, 0},
    {32970, 2330, 0, 0},
    {32975, 2332, 4105, 0},
    {32976, 2318, 0, MENU_LIMIT},
    {32978, 2310, 4306, MENU_SIZE_TEXT},
    {32979, 2312, 0, 0},
    {32980, 2325, 0, MENU_LIMIT | MENU_HISTORY},
    {32981, 2320, 0, 0},
    {32982, 2311, kTimerWindowItem, MENU_TIMER_WINDOW},
    {32983, 2314, 4698, 0},
    {32984, 2317, 0, 0},
    {32985, 2341, 0, 0},
    {kCtrlMuteButtonId, 2329, 4217, MENU_DEVICES},
};

const SBUTTONMENU* m_FindMenu(int id)
{
    for (const SBUTTONMENU& m : kButtonMenus)
        if (m.id == id) return &m;
    return nullptr;
}

CButtonPlus* m_ButtonOf(int id)
{
    const int first = static_cast<int>(kControlButtonFirstId);
    if (id >= first && id < first + kControlButtonCount) return &g_ControlButtons[id - first];
    return id == kCtrlMuteButtonId ? &g_VolumeButton : nullptr;
}

int m_IsShown(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }

// The button of a tool window stays pressed while its window is shown.
int m_WindowShownFor(int id)
{
    switch (id) {
        case 32969:
            return m_Launcher_IsShown() ? 1 : 0;
        case 32976:
            return m_IsShown(g_Playlist.m_GetWindow());
        case 32981:
            return m_IsShown(m_Favorite_GetWindow());
        case 32983:
            return m_JumpList_IsShown();
    }
    return 0;
}

RECT m_MonitorOf(HWND hwnd)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(hwnd ? hwnd : g_hWndMain, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoW(monitor, &info)) {
        RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return screen;
    }
    return info.rcMonitor;
}

void m_LimitToMonitor(CMenuPlus* popup, HWND control)
{
    const RECT limit = m_CtrlMenu_LimitRect(m_MonitorOf(control));
    popup->m_SetLimitRect(&limit);
}

// The timer window's own item leads the timer menu.
void m_AddTimerWindowItem(CMenuPlus* popup) { m_Menu_AddCommand(popup, kTimerWindowItem, 0); }

// Tracks the popup over the control; the chosen index or -1.
int m_TrackOver(CMenuPlus* popup, HWND control)
{
    const POINT at = m_UnpackMenuPoint(m_GetMenuPopupPos(control, popup));
    return m_TrackPopupMenu(popup, at.x, at.y);
}

void m_OpenButtonMenu(const SBUTTONMENU& m)
{
    CButtonPlus* button = m_ButtonOf(m.id);
    CMenuPlus* popup = m_Menu_BuildPopup(m.menuId);
    if (!button || !popup) return;
    if (m.flags & MENU_TIMER_WINDOW) m_AddTimerWindowItem(popup);
    if (m.emphasis) popup->m_SetItemState(kEmphasisKind, m.emphasis, 1, 0);
    if (m.flags & MENU_LIMIT) m_LimitToMonitor(popup, button->m_GetHwnd());
    if (m.flags & MENU_SIZE_TEXT) m_ShowSizeText(1, kSizeTextMs);
    button->m_SetCheck(1, 1);
    const int chosen = m_TrackOver(popup, button->m_GetHwnd());
    if (chosen < 0) m_SetHoverTimer(1, kHoverAreaVideo);
    if (m.flags & MENU_SIZE_TEXT) m_OSD_Clear(0);
    button->m_SetCheck(m_WindowShownFor(m.id), 1);
    if (m.flags & MENU_HISTORY) m_Recent_DeletePending();
    if (m.flags & MENU_DEVICES) m_AudDev_DeleteMarked();
}

}  // namespace

int m_CtrlMenu_OnRightPress(int id)
{
    const SBUTTONMENU* m = m_FindMenu(id);
    if (!m) return 0;
    m_OpenButtonMenu(*m);
    return 1;
}

void m_CtrlMenu_Recent(int id)
{
    const SBUTTONMENU recent = {id, 2323, 0, MENU_LIMIT | MENU_HISTORY};
    m_OpenButtonMenu(recent);
}

void m_CtrlMenu_SeekBar()
{
    CMenuPlus* popup = m_Menu_BuildPopup(2333);
    HWND bar = g_SeekBar.m_GetHwnd();
    if (!popup || !bar) return;
    popup->m_SetSizePercent(kSeekBarMenuPercent);
    RECT rc = {};
    GetWindowRect(bar, &rc);
    POINT cursor = {};
    GetCursorPos(&cursor);
    const POINT origin = {0, 0};
    int limit = 0;
    const POINT at = m_CtrlMenu_SeekBarPoint(rc, m_MonitorOf(bar), cursor,
                                             m_MenuPointAtCursor(origin), &limit);
    if (limit) m_LimitToMonitor(popup, bar);
    const int thumbShown = g_SeekBar.m_GetThumbAlpha() > 0;
    if (thumbShown) g_SeekBar.m_SetThumbVisible(0, 0, 1);
    m_TrackPopupMenu(popup, at.x, at.y);
    if (thumbShown) g_SeekBar.m_SetThumbVisible(1, 0, 1);
}

void m_CtrlMenu_Audio(HWND control)
{
    CMenuPlus* popup = m_Menu_BuildPopup(2329);
    if (!popup) return;
    m_TrackOver(popup, control);
    m_AudDev_DeleteMarked();
}
