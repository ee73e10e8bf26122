// Name elision over the playlist's tracks, measured in the track list's font.
#include "playlist/NameElision.h"

#include <commctrl.h>

#include "app/ToolWindowPlacement.h"
#include "base/PathUtil.h"
#include "playlist/Playlist.h"

namespace {

int m_TextWidth(const wchar_t* text, int length, void* context)
{
    SIZE size = {};
    if (length <= 0 || !GetTextExtentPoint32W(static_cast<HDC>(context), text, length, &size))
        return 0;
    return size.cx;
}

wchar_t s_Names[kPlaylistTrackCap][kTrackElidedCap];
const wchar_t* s_NameList[kPlaylistTrackCap];
wchar_t s_Elided[kPlaylistTrackCap][kTrackElidedCap];

}  // namespace

int CPlaylist::m_ElideTrackNames()
{
    if (!m_hList || m_Count < 2) return 0;
    for (int k = 0; k < m_Count; ++k) {
        if (m_Tracks[k].Name[0])
            lstrcpynW(s_Names[k], m_Tracks[k].Name, kTrackElidedCap - 1);
        else
            m_GetFileName(s_Names[k], kTrackElidedCap - 1, m_Tracks[k].Path,
                          g_PlaylistView.bExtension);
        s_NameList[k] = s_Names[k];
    }
    wchar_t listName[kNameCap] = {};
    if (g_ListType >= LIST_FOLDER && g_ListType <= LIST_FOLDERLIST && g_ListPath[0])
        m_GetFileName(listName, kNameCap, g_ListPath, 0);
    const int margin = (m_CheckMode ? 40 : 24) * (int)m_Scale / 100;
    int available = (int)SendMessageW(m_hList, LVM_GETCOLUMNWIDTH, 0, 0) - margin;
    HDC dc = GetDC(m_hList);
    if (!dc) return 0;
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_hList, WM_GETFONT, 0, 0)));
    SELIDEREQUEST request = {
        s_NameList,  m_Count, listName, available < 0 ? 0 : available, g_PlaylistView.bNumber,
        m_TextWidth, dc};
    const int elided = m_ElideNames(request, s_Elided);
    SelectObject(dc, old);
    ReleaseDC(m_hList, dc);
    if (!elided) return 0;
    int changed = 0;
    for (int k = 0; k < m_Count; ++k) {
        if (lstrcmpW(m_Tracks[k].Elided, s_Elided[k]) == 0) continue;
        lstrcpynW(m_Tracks[k].Elided, s_Elided[k], kTrackElidedCap);
        changed = 1;
    }
    return changed;
}
