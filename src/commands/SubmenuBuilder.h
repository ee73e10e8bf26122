// The main window's popup menus built on demand from a menu id: static id
// lists, the dynamic lists (streams, chapters, ranges, markers, tracks,
// history, filters, devices, presets, layouts), submenus built when the
// selection reaches them, and the updates that renew an open popup.
//
// Files: SubmenuCore.cpp (creation, items by id, anchors, remembered
// popups), SubmenuBuilder.cpp (static lists, the dispatcher, the submenu
// notice), SubmenuFileLists.cpp (streams, chapters, ranges,
// markers, seek bar, playlist, all files, volume), SubmenuUpdates.cpp (the
// updates of open popups), SubmenuOtherLists.cpp (history, filters, audio
// devices, capture, layouts, assign chapter, options pages), MenuTrace.cpp
// (the test trace of a built popup).
#pragma once
#include <windows.h>

class CMenuPlus;
class CMenuManager;

// Anchor items after which the dynamic lists stand (hidden items).
constexpr UINT kMenuAnchorChapters = 2049;
constexpr UINT kMenuAnchorRanges = 2050;
constexpr UINT kMenuAnchorMarkers = 2051;
constexpr UINT kMenuAnchorTracks = 2052;
constexpr UINT kMenuAnchorStreams = 2053;
constexpr UINT kMenuAnchorDevices = 2054;

// Dynamic id ranges (first id of each; the command handler owns them too).
constexpr UINT kMenuDeviceDefaultId = 34878;
constexpr UINT kMenuDeviceFirstId = 34879;
constexpr UINT kMenuSizePresetFirstId = 34968;
constexpr UINT kMenuCapturePresetFirstId = 35068;
constexpr UINT kMenuStreamFirstId = 35168;
constexpr UINT kMenuTimerPresetFirstId = 35268;
constexpr UINT kMenuFilterFirstId = 35368;
constexpr UINT kMenuRatePresetFirstId = 35468;
constexpr UINT kMenuPlaylistCaptionId = 35768;
constexpr UINT kMenuTrackFirstId = 35769;
constexpr UINT kMenuChapterFirstId = 36768;
constexpr UINT kMenuAssignChapterFirstId = 36968;
constexpr UINT kMenuRangeFirstId = 37168;
constexpr UINT kMenuMarkerFirstId = 37368;
constexpr UINT kMenuAllRangesFirstId = 37768;
constexpr UINT kMenuAllMarkersFirstId = 38068;
constexpr UINT kMenuRecentFirstId = 38768;
constexpr UINT kMenuMostPlayedFirstId = 39268;
constexpr UINT kMenuLayoutFirstId = 4796;
constexpr UINT kMenuLayoutAllFirstId = 4896;
constexpr UINT kMenuAssignNoneId = 4476;

// List limits.
constexpr int kMenuMaxStreams = 16;
constexpr int kMenuMaxMarks = 199;
constexpr int kMenuMaxTracks = 1000;
constexpr int kMenuMaxHistory = 100;
constexpr int kMenuMaxAllFiles = 300;
constexpr int kMenuStaticMax = 29;

// ---- the dispatcher (SubmenuBuilder.cpp)
// The new popup of the menu id, or null for ids without a menu.
CMenuPlus* m_Menu_BuildPopup(UINT menuId);

// ---- creation (SubmenuCore.cpp)
// A popup of the manager (null: the main window's, parented to the current
// frame window; the whole monitor may be used in full screen).
CMenuPlus* m_Menu_CreatePopup(UINT menuId, CMenuManager* manager);
CMenuPlus* m_Menu_CreateFromIds(const UINT* ids, int count, UINT menuId);
// Inserts the item of the command id at position (-1 appends); 0 adds nothing.
void m_Menu_AddCommand(CMenuPlus* popup, UINT id, int position);
// The last built popup of a remembered menu (2309, 2312, 2318, 2322, 2324,
// 2326, 2327, 2329, 2330, 2333, 2335, 2336, 2338, 2345), else null.
CMenuPlus* m_Menu_Remembered(UINT menuId);
void m_Menu_Remember(UINT menuId, CMenuPlus* popup);
// The item index just after the anchor, -1 when the popup lacks it.
int m_Menu_AfterAnchor(const CMenuPlus* popup, UINT anchorId);
// Deletes the items of ids first..last that follow the anchor.
void m_Menu_DeleteRangeAfter(CMenuPlus* popup, UINT anchorId, UINT first, UINT last);

// ---- file lists (SubmenuFileLists.cpp): each inserts its items at
// position (-1 appends) and returns how many it inserted.
int m_Menu_AddStreamItems(CMenuPlus* popup, int position);
int m_Menu_AddChapterItems(CMenuPlus* popup, int position);
int m_Menu_AddRangeItems(CMenuPlus* popup, int position);
int m_Menu_AddMarkerItems(CMenuPlus* popup, int position);
int m_Menu_AddTrackItems(CMenuPlus* popup, int position);
// The chapter item's text by [Playlist] "Chap".
void m_Menu_FormatChapterText(wchar_t* out, int size, int index);
// Builders of the file menus: 2309, 2326, 2333, 2335, 2336, 2337, 2338,
// 2339, 2318; null for another id.
CMenuPlus* m_Menu_BuildFileList(UINT menuId);

// ---- updates of open popups (SubmenuUpdates.cpp); a null popup does nothing.
void m_Menu_UpdateStreams(CMenuPlus* popup, int refresh);
void m_Menu_UpdateChapters(CMenuPlus* popup, int renew, int refresh);
void m_Menu_UpdateRanges(CMenuPlus* popup, int renew, int refresh);
void m_Menu_UpdateMarkers(CMenuPlus* popup, int refresh);
void m_Menu_UpdateSeekBarMenu();
void m_Menu_UpdatePlaylist(CMenuPlus* popup, int renew, int refresh);

// ---- favorites (SubmenuBuilder.cpp): the file menu's favorites submenu and
// the favorites menu list one item per favorites record, 39768 + index.
constexpr UINT kMenuIdFileFavorites = 2319;
constexpr UINT kMenuIdFavorites = 2320;
constexpr UINT kMenuFavoriteFirstId = 39768;
int m_Menu_AddFavoriteItems(CMenuPlus* popup);
// Lists the records again in the open favorites menus.
void m_Menu_UpdateFavorites();

// ---- other lists (SubmenuOtherLists.cpp)
// Builders of 2315, 2316, 2317, 2322..2325, 2328, 2332, 2340, 4462, 4463;
// null for another id.
CMenuPlus* m_Menu_BuildOtherList(UINT menuId);
void m_Menu_UpdateMostPlayed();
void m_Menu_UpdateRecent();
// append 1: inserts the device items from position (-1: after the last);
// 0: replaces the existing items by id and refreshes.
void m_Menu_UpdateAudioDevices(CMenuPlus* popup, int append, int position);
// The text of one device item (index one-based, 0 the system default).
void m_Menu_FormatAudioDevice(wchar_t* out, int size, int index, int withFlags);
void m_Menu_ShowFilterProperties(int index);
// The device whose item menu is open (0 the system default, -1 none).
extern int g_MenuDeviceNumber;

// ---- test trace (MenuTrace.cpp): with [Main] "Test" on, one log line of
// the popup: menu id, then each item's id, text, disabled and checked.
void m_Menu_TraceBuilt(const CMenuPlus* popup, UINT menuId);
