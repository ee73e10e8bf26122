// The playlist window's title: what kind of list is open and its file.
#include "playlist/Playlist.h"

#include <stdio.h>

#include "app/ToolWindowPlacement.h"
#include "base/PathUtil.h"
#include "filedata/DataFiles.h"

void CPlaylist::m_MakeTitle(UINT listType, int count, const wchar_t* listPath, int modified,
                            int docked, wchar_t* out, int size)
{
    wchar_t name[kNameCap];
    m_GetFileName(name, kNameCap, listPath, 1);
    if (count <= 0) listType = LIST_NONE;
    out[0] = 0;
    switch (listType) {
        case LIST_NONE:
        case LIST_SINGLE:
        case LIST_UNSAVED:
            lstrcpynW(out, L"PLAYLIST", size);
            break;
        case LIST_M3U:
        case LIST_ZVPL:
            if (g_DefaultPlaylistPath[0] && lstrcmpiW(listPath, g_DefaultPlaylistPath) == 0) {
                lstrcpynW(out, L"DEFAULT PLAYLIST", size);
                break;
            }
            [[fallthrough]];
        case LIST_FOLDER:
            _snwprintf(out, size - 1, L"%s%s", modified ? L"*" : L"", name);
            break;
        case LIST_FOLDERLIST:
            _snwprintf(out, size - 1, L"%s%s (ZVPL)", L"", name);
            break;
        default:
            break;
    }
    out[size - 1] = 0;
    // Undocked, the window stands alone and names the program too.
    if (!docked && lstrcmpW(out, L"PLAYLIST") == 0)
        _snwprintf(out, size - 1, L"%s - %s", L"PLAYLIST", L"ZENTAVIO");
    out[size - 1] = 0;
}

void CPlaylist::m_SetPlayListTitle()
{
    if (!m_hWnd) return;
    wchar_t title[kTitleCap];
    m_MakeTitle(g_ListType, m_Count, g_ListPath, g_ListModified, g_PlaylistView.bAttach, title,
                kTitleCap);
    SetWindowTextW(m_hWnd, title);
}
