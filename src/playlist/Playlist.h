// The playlist of up to 1000 tracks and its window.
#pragma once
#include <windows.h>

// Control id of the track list in the playlist window.
constexpr int kPlaylistListId = 1401;

class CPlaylist {
public:
    void m_SetOwner();
    BOOL m_AddPlayListFile(LPCWSTR path, int flag);
    void m_SortPlayList(int key, int ascending, int refresh);
    void m_RefreshPlayList();
    void m_ApplyCheckString(LPCWSTR checks);
    BOOL m_PreTranslateKey(MSG* msg);
    HWND m_GetWindow() const { return m_hWnd; }

    // Creates the window hidden at the window rectangle, laid out for the
    // DPI percent; FALSE when it cannot be made (or already exists).
    BOOL m_CreateWindow(const RECT* rc, int dpiPercent);
    // ShowWindow with the command; 0 hides.
    void m_ShowWindow(int nCmdShow);
    void m_DestroyWindow();
    // Widths of list columns 0 and 1; returns the list's client width, 0
    // without a list.
    int m_GetColumnWidths(int out[2]) const;
    // The list's view ratio (the share the track list takes of the window).
    double m_GetViewRatio() const;

private:
    static LRESULT CALLBACK m_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND m_CreateList();

    HWND m_hWnd = nullptr;
    HWND m_hList = nullptr;
};

extern CPlaylist g_Playlist;
