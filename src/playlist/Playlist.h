// The playlist of up to 1000 tracks and its window.
#pragma once
#include <windows.h>

class CPlaylist {
public:
    void m_SetOwner();
    BOOL m_AddPlayListFile(LPCWSTR path, int flag);
    void m_SortPlayList(int key, int ascending, int refresh);
    void m_RefreshPlayList();
    void m_ApplyCheckString(LPCWSTR checks);
    BOOL m_PreTranslateKey(MSG* msg);
    HWND m_GetWindow() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

extern CPlaylist g_Playlist;
