// The favorites: their file, window and tree.
#pragma once
#include <windows.h>

class CFavorite {
public:
    // Reads the favorites file; 1 when the favorites changed.
    int m_ReadFile(int mode);
    // Rebuilds the favorites tree view.
    void m_RefreshTree(int keepSelection, int redraw);
    HWND m_GetWindow() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

extern CFavorite g_Favorite;
