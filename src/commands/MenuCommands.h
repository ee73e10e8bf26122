// The menu command handler's parts: what a chosen item's notice says, the
// groups of commands it is handed to, and the rules they share.
//
// Files: MenuCommands.cpp (the entry: highlight, drag, dispatch, the steps
// after a command), MenuCommandRules.cpp (what a dynamic id stands for, the
// device offset step), MenuCommandsFixedView.cpp (window, playback, sound,
// options and the submenu items), MenuCommandsFixedFile.cpp (file, chapter,
// range, marker, capture and jump-list items), MenuCommandsDevices.cpp (the
// audio device items), MenuCommandsHistory.cpp (history, favorites and
// launcher items), MenuCommandsLists.cpp (the dynamic id ranges).
#pragma once
#include <windows.h>

class CMenuPlus;

// Menu ids whose notices the handler tells apart.
constexpr UINT kMenuIdPlaylist = 2318;
constexpr UINT kMenuIdSeekBar = 2333;
constexpr UINT kMenuIdChapters = 2335;
constexpr UINT kMenuIdRanges = 2336;
constexpr UINT kMenuIdMarkers = 2338;

// Selection states a notice carries besides a plain choice.
enum {
    MENUSEL_PLAIN = 0,
    MENUSEL_TOGGLE = 1,
    MENUSEL_DELETE = 2,
    MENUSEL_MARK = 3,
    MENUSEL_RAISE = 6,
    MENUSEL_LOWER = 7,
    MENUSEL_RESET = 8,
};

// One chosen item as the command groups read it.
struct SMENUCHOICE {
    UINT Id;
    UINT MenuId;
    int SelState;
    int Mode;    // 1 the plain form (right button or Ctrl), else the other
    int Closes;  // the menu closes after this choice
    // The popup, only while its window lives: a notice from elsewhere has
    // nothing to refresh in place.
    CMenuPlus* Popup;
    HWND PopupWindow;
};

// The delete gesture of the list items: state 2 unless in the plain form.
inline bool m_MenuCmd_IsDelete(const SMENUCHOICE& c)
{
    return c.SelState == MENUSEL_DELETE && c.Mode != 1;
}

// What a dynamic id stands for.
enum {
    MENUTARGET_NONE = 0,
    MENUTARGET_VOLUME,
    MENUTARGET_DEVICE,
    MENUTARGET_OPTIONPAGE,
    MENUTARGET_SIZEPRESET,
    MENUTARGET_STREAM,
    MENUTARGET_TIMERPRESET,
    MENUTARGET_FILTER,
    MENUTARGET_RATEPRESET,
    MENUTARGET_LISTFILE,
    MENUTARGET_TRACK,
    MENUTARGET_CHAPTER,
    MENUTARGET_ASSIGNCHAPTER,
    MENUTARGET_RANGE,
    MENUTARGET_MARKER,
    MENUTARGET_ALLRANGES,
    MENUTARGET_ALLMARKERS,
    MENUTARGET_RECENT,
    MENUTARGET_MOSTPLAYED,
    MENUTARGET_FAVORITE,
    MENUTARGET_FAVOSUB,
};

struct SMENUTARGET {
    int Kind;
    int Index;  // within its list (for a device its number, 0 the default)
};

// The target of an id in the menu it came from. The last track of a full
// list has the id of chapter 0; the playlist menu means the track.
SMENUTARGET m_MenuCmd_Target(UINT id, UINT menuId);
// A device's volume offset after one step (state 6 raises, 7 lowers; 5 in
// the plain form, else 1), snapped to the step and kept within the bound
// the device table keeps.
int m_MenuCmd_StepOffset(int offset, int selState, int mode);
// Which track and which of its items the running number of an all-files
// list stands for, from the per-track counts in list order; 0 when past the
// list or its 300 items.
int m_MenuCmd_AllFilesEntry(const int* counts, int trackCount, int number, int* track,
                            int* item);

// ---- the command groups: 1 when the id was theirs.
int m_MenuCmd_View(const SMENUCHOICE& c);
int m_MenuCmd_File(const SMENUCHOICE& c);
int m_MenuCmd_Marks(const SMENUCHOICE& c);
int m_MenuCmd_Tools(const SMENUCHOICE& c);
int m_MenuCmd_Devices(const SMENUCHOICE& c);
int m_MenuCmd_History(const SMENUCHOICE& c);
int m_MenuCmd_Launcher(const SMENUCHOICE& c);
// The dynamic ranges; -1 for a favorites id whose record is not an entry.
int m_MenuCmd_Lists(const SMENUCHOICE& c);

// ---- shared by the groups
// The device items' open item menu (0 the default, n record n - 1).
int m_MenuCmd_DeviceRecord(int number);
// A device list item (number 0 the system default).
int m_MenuCmd_DeviceListItem(const SMENUCHOICE& c, int number);
// A recent or most-played entry (its history index).
int m_MenuCmd_HistoryEntry(const SMENUCHOICE& c, int entry);
// A favorites item; -1 when its record is not a chosen entry.
int m_MenuCmd_FavoriteItem(const SMENUCHOICE& c, int index);
// Opens an item menu (4462, 4596, ...) at the chosen item; nothing when the
// builder gives no popup.
void m_MenuCmd_OpenItemMenu(const SMENUCHOICE& c, UINT menuId);
// The history entry whose item menu is open, -1 none.
extern int g_MenuHistoryEntry;
// Favorites records changed: their menus and the launcher are renewed once.
extern int g_MenuFavoritesChanged;
// History entries were marked for deletion while the menu stayed open.
extern int g_MenuHistoryMarked;
// The jump-list items (MenuCommandsJumpList.cpp).
int m_JumpList_MenuCommand(UINT id, int mode, int closes);
