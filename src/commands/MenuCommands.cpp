// The popup menus' notices: a highlighted item shows its mark on the seek
// bar, a dragged track item moves its track, a chosen item runs its command.
#include "commands/MenuCommands.h"

#include "app/PopupMenu.h"
#include "base/SoundCue.h"
#include "commands/CommandHandlers.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuItem.h"
#include "controls/MenuMessages.h"
#include "controls/MenuPlus.h"
#include "controls/SliderPlus.h"
#include "library/LauncherCommands.h"
#include "library/Library.h"
#include "library/RecentRecords.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

int g_MenuHistoryEntry = -1;
int g_MenuFavoritesChanged = 0;
int g_MenuHistoryMarked = 0;

namespace {

bool m_IsMarkMenu(UINT menuId)
{
    return menuId == kMenuIdSeekBar || menuId == kMenuIdChapters || menuId == kMenuIdRanges ||
           menuId == kMenuIdMarkers;
}

// Code 200: the highlighted chapter, range or marker is shown on the seek
// bar while it shows the playing track's marks.
void m_OnHighlight(const SMENUNOTIFY& n)
{
    if (!m_IsMarkMenu(n.MenuId) || !g_MediaOpen || g_PlayingTrack < 0) return;
    const SMENUTARGET t = m_MenuCmd_Target(n.ItemId, n.MenuId);
    if (t.Kind == MENUTARGET_CHAPTER)
        g_SeekBar.m_SetHighlight(SLIDER_HL_CHAPTER, t.Index);
    else if (t.Kind == MENUTARGET_RANGE)
        g_SeekBar.m_SetHighlight(SLIDER_HL_RANGE, t.Index);
    else if (t.Kind == MENUTARGET_MARKER)
        g_SeekBar.m_SetHighlight(SLIDER_HL_MARKER, t.Index);
    else
        g_SeekBar.m_SetHighlight(SLIDER_HL_NONE, -1);
}

// Code 201: a track item dragged inside the playlist menu moves its track
// by as many places as it was dragged.
void m_OnDragged(const SMENUCHOICE& c, int from, int to)
{
    const SMENUTARGET t = m_MenuCmd_Target(c.Id, c.MenuId);
    if (t.Kind != MENUTARGET_TRACK || t.Index >= g_Playlist.m_GetCount()) return;
    const int distance = to - from;
    if (distance == 0) return;
    // m_MoveTrack places the track before an insertion position.
    int target = t.Index + distance + (distance > 0 ? 1 : 0);
    if (target < 0) target = 0;
    if (target > g_Playlist.m_GetCount()) target = g_Playlist.m_GetCount();
    if (g_Playlist.m_MoveTrack(t.Index, target))
        m_Menu_UpdatePlaylist(m_Menu_Remembered(kMenuIdPlaylist), 0, 1);
}

SMENUCHOICE m_ChoiceOf(const SMENUNOTIFY& n)
{
    SMENUCHOICE c = {};
    c.Id = n.ItemId;
    c.MenuId = n.MenuId;
    c.SelState = static_cast<int>(n.SelState);
    c.Mode = static_cast<int>(n.Modifier);
    c.Closes = n.Closes ? 1 : 0;
    c.PopupWindow = n.PopupWindow;
    c.Popup = n.PopupWindow && IsWindow(n.PopupWindow) ? n.Popup : nullptr;
    return c;
}

int m_RunChosen(const SMENUCHOICE& c)
{
    if (m_MenuCmd_View(c) || m_MenuCmd_File(c) || m_MenuCmd_Marks(c) || m_MenuCmd_Tools(c) ||
        m_MenuCmd_Devices(c) || m_MenuCmd_History(c) || m_MenuCmd_Launcher(c))
        return 1;
    return m_MenuCmd_Lists(c);
}

// What a command leaves for the end of the menu: marked history entries go
// once it closes; changed favorites are announced once.
void m_AfterCommand(const SMENUCHOICE& c)
{
    if (g_MenuHistoryMarked && c.Closes) {
        m_Recent_RemoveMarked();
        g_MenuHistoryMarked = 0;
    }
    if (g_MenuFavoritesChanged) {
        g_MenuFavoritesChanged = 0;
        m_Menu_UpdateFavorites();
        if (m_Launcher_IsShown()) m_Launcher_RefreshLists();
        m_PlaySoundCue(5);
    }
}

}  // namespace

void m_MenuCmd_OpenItemMenu(const SMENUCHOICE& c, UINT menuId)
{
    CMenuPlus* menu = m_Menu_BuildPopup(menuId);
    if (!menu) return;
    RECT rc = {};
    POINT at = {};
    if (c.Popup && c.Popup->m_GetItemScreenRect(c.Id, &rc)) {
        at.x = rc.right;
        at.y = rc.bottom;
    } else {
        GetCursorPos(&at);
    }
    m_TrackPopupMenu(menu, at.x, at.y);
}

LRESULT m_OnMenuCommand(WPARAM code, LPARAM notify)
{
    const SMENUNOTIFY* block = reinterpret_cast<const SMENUNOTIFY*>(notify);
    if (!block || !block->Popup) return 0;
    if (block->MenuId == kMenuIdSeekBar && block->Closes)
        g_SeekBar.m_SetHighlight(SLIDER_HL_NONE, -1);
    if (code == MENUCODE_SELCHANGED) {
        m_OnHighlight(*block);
        return 1;
    }
    const SMENUCHOICE c = m_ChoiceOf(*block);
    if (code == MENUCODE_MOVED) {
        m_OnDragged(c, block->Index, block->ToIndex);
        return 1;
    }
    const int done = m_RunChosen(c);
    m_AfterCommand(c);
    return done < 0 ? 0 : 1;
}
