// The favorites: their file, window and tree.
#pragma once
#include <windows.h>

// Kinds of favorites items that name a file or folder.
enum { FAVO_MEDIA = 4, FAVO_PLAYLIST = 5, FAVO_PLAYFOLDER = 6, FAVO_FOLDER = 7 };

struct SFAVORITEITEM {
    int Kind;  // FAVO_*
    wchar_t Name[257];
    wchar_t Path[MAX_PATH + 1];
};

class CFavorite {
public:
    int m_GetItemCount() const;
    // The item, null outside the list.
    const SFAVORITEITEM* m_GetItem(int index) const;
    // Reads the favorites file; 1 when the favorites changed.
    int m_ReadFile(int mode);
    // Rebuilds the favorites tree view.
    void m_RefreshTree(int keepSelection, int redraw);
    HWND m_GetWindow() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

extern CFavorite g_Favorite;
