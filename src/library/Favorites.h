// The favorites: their records, file, window and tree.
#pragma once
#include <windows.h>

// Item types of a favorites record.
enum {
    FAVO_SUBMENU = 1,
    FAVO_MEDIAFILE = 4,
    FAVO_PLAYLIST = 5,
    FAVO_PLAYFOLDER = 6,
    FAVO_FOLDERLINK = 7,
    FAVO_BOOKMARK = 8,
};

constexpr int kFavoriteCap = 1000;
// The entries a playlist or folder submenu lists, across all such submenus.
constexpr int kFavoriteEntryCap = 2000;

struct SFAVORITEITEM {
    int Type;  // FAVO_*
    wchar_t Name[128];
    wchar_t Path[MAX_PATH + 1];
};

// An entry of a playlist or folder submenu: its file, its type and the type
// of the favorite that lists it.
struct SFAVORITEENTRY {
    int Type;
    int ContainerType;
    wchar_t Path[MAX_PATH + 1];
};

class CFavorite {
public:
    // Reads the favorites file; 1 when the favorites changed.
    int m_ReadFile(int mode);
    // Rebuilds the favorites tree view.
    void m_RefreshTree(int keepSelection, int redraw);
    HWND m_GetWindow() const { return m_hWnd; }

    int m_GetCount() const { return m_Count; }
    // The record, null outside the list.
    const SFAVORITEITEM* m_GetItem(int index) const;
    // Appends a record named after the path's file; 0 when the list is full
    // or the path is empty.
    int m_Append(int type, const wchar_t* path);
    // Removes a record; 0 outside the list.
    int m_Remove(int index);
    void m_Clear();

    // Keeps an entry record for a submenu item; its index, or -1 when full.
    int m_AddEntry(int type, int containerType, const wchar_t* path);
    // The entry record, null outside the table.
    const SFAVORITEENTRY* m_GetEntry(int index) const;

private:
    HWND m_hWnd = nullptr;
    SFAVORITEITEM m_Items[kFavoriteCap] = {};
    int m_Count = 0;
    SFAVORITEENTRY m_Entries[kFavoriteEntryCap] = {};
    int m_EntryCount = 0;
};

extern CFavorite g_Favorite;
