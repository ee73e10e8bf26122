// The playlist of up to 1000 tracks: its data model, the operations that
// change the track array, and its window.
#pragma once
#include <windows.h>

#include "playlist/PlaylistState.h"
#include "playlist/PlaylistWindowState.h"
#include "playlist/TrackInfo.h"

struct SMENUITEM;
struct SMENUITEMENTRY;
struct SMENUNOTIFY;

constexpr int kPlaylistTrackCap = 1000;

// The playlist window: dialog resource and control ids.
constexpr int kPlaylistDialogId = 107;
constexpr int kPlaylistListId = 1401;  // tracks
constexpr int kChapterListId = 1396;
constexpr int kRangeListId = 1397;
constexpr int kMarkerListId = 1399;
constexpr int kPlaylistStatusId = 32874;
constexpr int kPlaylistButtonFirstId = 33169;  // check boxes, open, save, sort, settings
constexpr int kPlaylistButtonCount = 5;
// Notices of the window to the main window.
constexpr int kNoticePlaylistActivated = 101;
constexpr int kNoticeOpenTrack = 2010;
constexpr int kNoticeOpenChapter = 2011;
constexpr int kNoticeOpenRange = 2012;
constexpr int kNoticeOpenMarker = 2014;
constexpr int kNoticeTabSelected = 2039;
constexpr int kNoticePlaylistDpi = 2050;
// Hover zones of the window.
enum { PLHOVER_NONE = 0, PLHOVER_BUTTONS = 101, PLHOVER_SPLITTER, PLHOVER_TABSTRIP, PLHOVER_TAB0 };

// Notice to the main window: the list changed (value 1 added or refreshed,
// the duration scan is to start; 0 removed, reordered or cleared).
constexpr int kNoticePlaylistChanged = 2030;
// Notices of the check boxes: mode switched, a track's or a playing
// chapter's box changed.
constexpr int kNoticeCheckMode = 2032;
constexpr int kNoticeTrackCheck = 2034;
constexpr int kNoticeChapterCheck = 2035;

class CPlaylist {
public:
    CPlaylist();
    ~CPlaylist() = default;
    CPlaylist(const CPlaylist&) = delete;
    CPlaylist& operator=(const CPlaylist&) = delete;

    void m_SetOwner();
    void m_SetMainWindow(HWND mainWindow) { m_hMainWnd = mainWindow; }

    // The model.
    void m_ClearPlayList();
    // A media file, folder, list, shortcut, bookmark or jump list; 1 when
    // anything was added.
    BOOL m_AddPlayListFile(LPCWSTR path, int refresh);
    // Appends one media file's track without looking at it; 0 when full or
    // when the path is longer than MAX_PATH characters.
    int m_AppendTrack(const wchar_t* path);
    int m_DeleteTrack(int index);
    // Removes the selected rows; the number removed.
    int m_DeleteSelectedTracks();
    // Places the track before the insertion position `to`; 1 when moved.
    int m_MoveTrack(int from, int to);
    // Moves the selected rows before the insertion row; 1 when any moved.
    int m_MoveSelectedTracks(int insertRow);
    // Tracks whose path equals (ignoring case) one above them; unless
    // counting only, exactly those rows are selected.
    int m_FindDuplicates(int countOnly);
    int m_SelectDuplicates() { return m_FindDuplicates(0); }
    void m_OnDropFiles(HDROP drop);
    void m_MarkSaved();
    int m_IsModified() const;
    int m_GetCount() const { return m_Count; }
    // The track, null outside the list.
    STRACKINFO* m_GetTrack(int index);
    const STRACKINFO* m_GetTrack(int index) const;

    // Folder and list files (grow with the playlist-file code).
    int m_AddFolderFiles(const wchar_t* folder, int replace, int skipExisting);
    int m_ReadZvplFile(const wchar_t* path, int append, int markMissing);
    int m_ReadM3uFile(const wchar_t* path);

    // Rows of the track list.
    void m_SortPlayList(int key, int ascending, int refresh);
    void m_RefreshPlayList();
    void m_RefreshTrackRows();
    // One track row again, after its track learned something.
    void m_RefreshTrackRow(int row) { m_WriteRow(row); }
    void m_RebuildTrackList();
    void m_SelectPlayingItem(int redraw, int playingOnly, int chapter);
    void m_SelectTrackRow(int row, int scrollMode);
    // Selected state of the track list's rows; 0 without the window.
    int m_IsRowSelected(int row) const;
    void m_SetRowSelected(int row, int selected);
    // Drag inside the track list: the insertion index under a point (client
    // coordinates of the list), -1 when none; the insertion mark; the
    // auto-scroll near the list's edges (1 while it scrolls).
    int m_GetDropIndex(POINT pt) const;
    void m_TrackDropMark(POINT pt);
    void m_DrawDropMark(int row);
    int m_OnDragTimer();
    // The list's width without its scroll bar when one shows.
    int m_GetListWidth(HWND list) const;
    int m_HasVScroll(HWND list) const;
    // Check boxes and the check-state text of a resume record.
    void m_ApplyCheckString(LPCWSTR checks);
    // Sets the tracks' flags the text reaches; mode out 1 for check mode.
    static void m_ParseCheckString(LPCWSTR text, STRACKINFO* tracks, int count, int* modeOut);
    void m_SetCheckMode(int mode);
    // Value -1 toggles, 0 clears, 1 sets; 1 when the index was valid.
    int m_ToggleCheck(int chapterList, int index, int value);
    // Track or -1 for the playing one; stores and returns the count.
    int m_CountCheckedChapters(int track);
    int m_GetPlayingCheckedChapters();
    // The track row's time text: "h:mm:ss " or "m:ss ", empty for 0 or a
    // negative duration.
    static void m_FormatRowTime(INT64 milliseconds, wchar_t* out, int size);
    // The track row's text (number and shown name) as the list shows it;
    // empty outside the list.
    void m_GetRowText(int row, wchar_t* out, int size) const;
    // The window title for the open item; at most 99 characters.
    static constexpr int kTitleCap = 100;
    static void m_MakeTitle(UINT listType, int count, const wchar_t* listPath, int modified,
                            int docked, wchar_t* out, int size);
    void m_SetPlayListTitle();
    // Leaves out what all names share when the widest does not fit; 1 when
    // any elided name changed.
    int m_ElideTrackNames();
    HWND m_GetWindow() const { return m_hWnd; }
    HWND m_GetTrackList() const { return m_hList; }

    // ---- the window (PlaylistWindow*.cpp) ----
    // Creates the modeless dialog hidden at the window rectangle, laid out
    // for the DPI percent; FALSE when it cannot be made (or already exists).
    BOOL m_CreateWindow(const RECT* rc, int dpiPercent);
    HWND m_CreateWnd();
    // ShowWindow with the command; 0 hides. 1, or 0 without the dialog.
    int m_ShowWnd(int unused, int nCmdShow);
    void m_ShowWindow(int nCmdShow) { m_ShowWnd(0, nCmdShow); }
    void m_DestroyWindow();
    // Widths of list columns 0 and 1; returns the list's client width, 0
    // without a list.
    int m_GetColumnWidths(int out[2]) const;
    // The split ratio stored as [Playlist] "Rat" / 1000: the fitted one with
    // "Ajst", else the plain one.
    double m_GetViewRatio() const;
    static INT_PTR CALLBACK m_DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void m_OnInitDialog(HWND dialog);
    void m_EnableToolTips(int on);
    void m_CreateToolTips();
    // The buttons' look for a [Ctrl] "Style" value (-1: the stored one);
    // lays the window out again.
    void m_SetButtonLook(int style);
    void m_ShowTabs(int show, int relayout);
    void m_SelectTab(int tab, int force);
    // 1396, 1397, 1399, or 0 when the sub-list has no height.
    int m_GetSubListId() const;
    void m_FocusList(int unused);
    HWND m_GetList(int id) const;
    void m_OnDragScrollTimer(UINT_PTR id);
    // The drawing objects the window owns (status image and font, tab icons,
    // fonts, the check images).
    void m_MakeWindowResources();
    void m_FreeWindowResources();
    // Drops the dragged tracks at a point of the track list.
    void m_EndTrackDrag(POINT listPoint);
    // Forgets the window's handles once the dialog is gone.
    void m_ClearWindow();

    // ---- keys, wheel and list input (PlaylistKeys*.cpp) ----
    // Nonzero when the key, key-up or wheel message was consumed.
    BOOL m_PreTranslateKey(MSG* msg);
    // 1 when the wheel belongs to the playlist (scrolled, or kept because
    // the list cannot scroll); the first argument is not used.
    int m_OnMouseWheel(HWND unused, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK m_ListSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // ---- layout and DPI (PlaylistLayout*.cpp) ----
    // Mode 0 takes the current split as the user's; 1 and 2 recompute it
    // from the ratios; 3 adds the double-click collapse.
    void m_LayoutLists(int mode);
    // -1 takes the client size.
    void m_MoveChildren(int width, int height);
    void m_CalcPaneHeight();
    void m_ApplyDpi(int percent, int force);
    void m_SetDpi(int percent);
    void m_OnDpiChanged(int dpi, const RECT* suggested);
    // Resizes the window by the DPI ratio around the pointer.
    void m_RescaleWindow(int newPct, const RECT* suggested);
    void m_SetItemHeight(int showOsd);
    void m_LoadButtonImages();
    void m_ApplyColumnRatios();
    // 1 when the widths changed.
    int m_AutoColumnWidths();
    void m_LayoutTabs(int redraw);
    // u(n): n pixels at 100 % at the window's DPI, rounded.
    int m_U(double pixels) const;

    // ---- drawing (PlaylistDraw*.cpp) ----
    // WM_DRAWITEM of the four lists; TRUE.
    BOOL m_OnDrawItem(const DRAWITEMSTRUCT* item);
    void m_DrawStatus();
    void m_Redraw() { m_DrawStatus(); }
    void m_InvalidateStatusFont(int redraw);
    void m_SetStateColor(DWORD argb, int redraw);
    void m_OnPaint();
    void m_DrawTabs(HDC dc);
    static LRESULT CALLBACK m_StatusSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // ---- sub-lists (PlaylistSubLists.cpp) ----
    // -1 keeps the shown track or takes the playing one; -2 keeps it.
    void m_SetCurrentTrack(int track);
    void m_FillChapterList(int track, int relayout);
    void m_FillRangeList(int track, int relayout);
    void m_FillMarkerList(int track, int relayout);
    void m_NotifySelection(int listId, int row);
    void m_SelectPlayingRange();
    // The first column's header of the three sub-lists.
    void m_SetSubListHeaders();
    // Sets the playing image on one row and the idle one on the others;
    // 1 when any image changed.
    int m_MarkSubListRow(HWND list, int playing, int playingImage, int idleImage);
    // The sub-lists take the playing track when none is shown.
    void m_FollowPlayingTrack(int playing);

    // ---- menus and their commands (PlaylistMenu*.cpp, PlaylistCommands*.cpp) ----
    // The context menu of one of the four lists for the row (-1: the first
    // selected), at the cursor or at the row.
    void m_ShowContextMenu(HWND list, int row, int atCursor);
    // Menus 2354..2366; null for other ids.
    CMenuPlus* m_BuildMenu(UINT menuId);
    CMenuPlus* m_CreateMenu(const UINT* ids, int count, UINT menuId);
    void m_AddMenuItem(CMenuPlus* popup, UINT id);
    void m_FillMenuItem(SMENUITEM* item, UINT id, int clear);
    void m_SetMenuItemLook(SMENUITEM* item, UINT id);
    void m_SetMenuItemState(SMENUITEM* item, UINT id);
    void m_RefreshMenuItems(CMenuPlus* popup, int recurse);
    void m_RefreshMenuItem(CMenuPlus* popup, UINT id, int refresh);
    // 1 when it built the entry's missing submenu.
    int m_OnSubMenu(SMENUITEMENTRY* entry);
    static const wchar_t* m_GetMenuTip(UINT id);
    int m_OnControlCommand(int id, int notification);
    int m_OnButton(int id, int notification);
    // WM_APP_MENUCOMMAND: 1 handled, 0 without a notice or popup, or for a
    // code other than a choice.
    int m_OnCommand(UINT code, const SMENUNOTIFY* notify);
    // Deletes the selected chapters of the shown track.
    void m_DeleteSelectedChapters();

    SPLAYLISTWND m_W;  // the window's state

    // Model fields, read by playback, the files and the window.
    UINT m_Scale = 100;                      // DPI percentage of the window
    STRACKINFO m_Tracks[kPlaylistTrackCap];  // slots at and past the count are zero
    int m_Count = 0;
    int m_ShownTrack = -1;  // the track the sub-lists show
    int m_SavedCount = 0;   // the count at the last load or save
    int m_CheckMode = 0;    // check boxes shown
    int m_CheckedTracks = 0;
    int m_SortState = 0;  // key for ascending, negated for descending, 0 none
    UINT m_NoticesOn = 1;
    int m_RowTop = 0;     // top of row 0, measured when a row is first set
    int m_RowHeight = 0;  // 0 until measured
    int m_DragScrollSpeed = 0;
    UINT m_DragScrollRunning = 0;
    UINT m_DragScrollInterval = 0;

private:
    static LRESULT CALLBACK m_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_CreateList();
    void m_NotifyMain(int value) const;
    void m_SendNotice(int code, int value) const;
    void m_CountCheckedTracks();
    void m_ShowTrackChecks();
    int m_AddByExtension(const wchar_t* path, const wchar_t* ext, int refresh);
    int m_AddJumpListMedia(const wchar_t* path, int refresh);
    // The tracks become order[0..count-1] of the current ones (each at most
    // once; the others must have been released) and the count becomes count.
    void m_ReorderTracks(const int* order, int count);
    int m_AddFolderEntries(const wchar_t* folder, const wchar_t* pattern, int oldCount,
                           int skipExisting);
    void m_WriteRow(int row);
    void m_InsertRow(int row);
    void m_MeasureRows();
    bool m_RowAsInserted(int row) const;
    bool m_RowsAsBuilt() const;
    int m_TrackRowImage(int row) const;
    int m_FindSelected(int* selected) const;

    void m_StopDragScroll();
    int m_OnKeyDown(const MSG& msg);
    int m_OnKeyUp(const MSG& msg);
    // F3: the checks of the selected tracks or chapters are inverted.
    void m_InvertSelectedChecks(HWND list, int chapters);

    int m_DropFound = -1;    // insertion index last found under the cursor
    int m_DropMarkRow = -1;  // insertion index whose mark is drawn, -1 none
    HWND m_hWnd = nullptr;
    HWND m_hList = nullptr;
    HWND m_hMainWnd = nullptr;
};

// Drag auto-scroll: speed in percent from the cursor's distance past the
// visible rows and the room to the monitor's edge (0 without room), and the
// scroll interval in ms for a speed.
int m_Playlist_DragScrollSpeed(int distance, int space);
UINT m_Playlist_DragScrollInterval(int speed);

extern CPlaylist g_Playlist;
