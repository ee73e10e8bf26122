// The playlist window's popup menus and the commands they run, shared by
// the files that carry them out.
//
// Files: PlaylistMenus.cpp (building, showing, submenus, tips, the
// buttons), PlaylistMenuItems.cpp (each item's text, look and state),
// PlaylistCommands.cpp (the handler and the track list's commands),
// PlaylistCommandsSub.cpp (chapters, ranges and markers),
// PlaylistCommandsView.cpp (the settings menu and the row height),
// PlaylistRelink.cpp (finding missing files again).
#pragma once
#include <windows.h>

#include "controls/MenuItem.h"
#include "playlist/Playlist.h"

// Menu ids of the window.
enum {
    PLMENU_TRACKS = 2354,
    PLMENU_CHAPTERS = 2355,
    PLMENU_RANGES = 2356,
    PLMENU_MARKERS = 2357,
    PLMENU_FILETOOLS = 2358,
    PLMENU_OPENSTATE = 2359,
    PLMENU_CHAPFORMAT = 2360,
    PLMENU_JUMPLIST = 2361,
    PLMENU_SAVE = 2362,
    PLMENU_OPEN = 2363,
    PLMENU_SETTINGS = 2364,
    PLMENU_SORT = 2365,
    PLMENU_CHECKS = 2366,
};

// Chosen items carry these in the command block.
struct SPLMENUCHOICE {
    UINT Id;
    int SelState;
    int Mode;          // 1 the alternate direction or larger step
    int Repeat;        // 0 on the first step of a gesture
    int Closes;        // the menu closes after this choice
    CMenuPlus* Popup;  // only while its window lives, else null
};

// The clipboard takes at most this many characters of a copy.
constexpr int kPlCopyCap = 1024;

// ---- pure rules (unit-tested)
// Joins names with CR LF (no break after the last) into out, cut at
// kPlCopyCap characters; the length written.
int m_PlMenu_JoinLines(const wchar_t* const* lines, int count, wchar_t* out, int size);
// The row height after one step of the gesture: state 6 up, 7 down; mode 1
// steps by 5, else 1; first is 1 on a gesture's first step, start its
// starting value. The value stays in the gesture's limits.
int m_PlMenu_StepItemHeight(int current, int start, int selState, int mode, int first);
// The merged bounds of ranges (start -1 the track start, end -1 its end,
// measured against lengthMs); 1 with start and end when the end lies after
// the start.
int m_PlMenu_MergeBounds(const int* starts, const int* ends, int count, int lengthMs, int* start,
                         int* end);

// ---- the window's menus (PlaylistMenus.cpp)
// Whether a popup still lives (its window exists).
bool m_PlMenu_Alive(const CMenuPlus* popup);
// The selected rows of a list, in order; their count.
int m_PlMenu_Selected(HWND list, int* rows, int cap);
// Re-fills one item of an open popup (and of its open submenus).
void m_PlMenu_Update(CPlaylist& p, CMenuPlus* popup, UINT id);

// ---- commands by group; 1 when the id was theirs
int m_PlCmd_Tracks(CPlaylist& p, const SPLMENUCHOICE& c);
int m_PlCmd_SubLists(CPlaylist& p, const SPLMENUCHOICE& c);
int m_PlCmd_View(CPlaylist& p, const SPLMENUCHOICE& c);
// 8707 and 8708.
void m_PlCmd_Relink(CPlaylist& p);
void m_PlCmd_SearchFolder(CPlaylist& p);
