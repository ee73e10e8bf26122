// Adding to the playlist: a path of any kind, and files dropped on the
// playlist window.
#include "playlist/Playlist.h"

#include <shellapi.h>

#include "base/ErrorLog.h"
#include "base/HandOff.h"
#include "base/MediaTypes.h"
#include "base/PathUtil.h"
#include "base/Shortcut.h"
#include "base/SoundCue.h"
#include "library/RecentRecords.h"
#include "settings/Settings.h"

namespace {

bool m_IsExt(const wchar_t* ext, const wchar_t* want)
{
    return CompareStringOrdinal(ext, -1, want, -1, TRUE) == CSTR_EQUAL;
}

// Only the list types 2 to 5 have a file to differ from; adding to nothing
// or to a single file makes an unsaved list.
void m_NoteAdded()
{
    if (g_ListType == LIST_NONE || g_ListType == LIST_SINGLE) {
        g_ListPath[0] = 0;
        g_ListType = LIST_UNSAVED;
    } else if (g_ListType != LIST_UNSAVED) {
        g_ListModified = 1;
    }
}

}  // namespace

BOOL CPlaylist::m_AddPlayListFile(LPCWSTR path, int refresh)
{
    int kind = m_PathExistsKind(path);
    if (kind == 0) return FALSE;
    int before = m_Count;
    if (kind == 2) {
        m_AddFolderFiles(path, 0, 0);
    } else {
        wchar_t ext[256];
        m_GetExtension(ext, 256, path, 1);
        int added = m_AddByExtension(path, ext, refresh);
        if (added < 0) return added == -2;  // handed on: the inner call did the rest
    }
    if (m_Count > before) m_NoteAdded();
    if (refresh || m_Count >= kPlaylistTrackCap) m_RefreshPlayList();
    return m_Count > before;
}

// 1 added, 0 not; -2 or -1 when a shortcut, bookmark or jump list was handed
// to m_AddPlayListFile again and that call added something or not.
int CPlaylist::m_AddByExtension(const wchar_t* path, const wchar_t* ext, int refresh)
{
    if (m_IsExt(ext, L".zvpl")) return m_ReadZvplFile(path, 1, 1) > 0;
    if (m_IsExt(ext, L".m3u") || m_IsExt(ext, L".m3u8")) return m_ReadM3uFile(path) > 0;
    if (m_IsExt(ext, L".lnk")) {
        wchar_t target[kPathCap] = {};
        if (!m_ResolveShortcut(path, target) || !target[0]) return -1;
        CHandOffScope handOff;
        if (!handOff.m_Allowed()) return -1;
        return m_AddPlayListFile(target, refresh) ? -2 : -1;
    }
    // Reading a bookmark's image data comes with the bookmark code.
    if (m_IsExt(ext, L".zvbm")) return -1;
    if (m_IsExt(ext, L".zvjl")) return m_AddJumpListMedia(path, refresh);
    if (m_IsPlayableFile(path) != 1) return 0;
    if (m_Count >= kPlaylistTrackCap) {
        m_WriteLog(L"E1010 : プレイリストの上限数(%d)を超えたのでファイルを追加できませんでした。",
                   kPlaylistTrackCap);
        return 0;
    }
    return m_AppendTrack(path);
}

// The jump list's media file is its own path without the extension; when
// the jump list lies in the jump-list subfolder, the media file may be in
// the parent folder under the same name.
int CPlaylist::m_AddJumpListMedia(const wchar_t* path, int refresh)
{
    int len = lstrlenW(path);
    if (len <= 5) return -1;
    wchar_t media[kPathCap];
    lstrcpynW(media, path, len - 5 + 1);
    if (m_PathExistsKind(media) != 1 && g_Settings.File_JlSub[0]) {
        wchar_t folder[kPathCap], name[kNameCap], parent[kPathCap], subName[kNameCap];
        if (!m_SplitFolderName(media, folder, name)) return -1;
        if (!m_SplitFolderName(folder, parent, subName)) return -1;
        if (CompareStringOrdinal(subName, -1, g_Settings.File_JlSub, -1, TRUE) != CSTR_EQUAL)
            return -1;
        if (lstrlenW(parent) + 1 + lstrlenW(name) >= kPathCap) return -1;
        wsprintfW(media, L"%s\\%s", parent, name);
    }
    if (m_PathExistsKind(media) != 1) return -1;
    CHandOffScope handOff;
    if (!handOff.m_Allowed()) return -1;
    return m_AddPlayListFile(media, refresh) ? -2 : -1;
}

void CPlaylist::m_OnDropFiles(HDROP drop)
{
    bool wasEmpty = m_Count == 0;
    bool refused = false;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        wchar_t path[kPathCap];
        if (!DragQueryFileW(drop, i, path, kPathCap)) continue;
        if (m_AddPlayListFile(path, 0))
            m_Recent_AddRecord(path);
        else
            refused = true;
    }
    if (wasEmpty) m_SortPlayList(1, 1, 0);
    m_SortState = 0;
    m_RebuildTrackList();
    m_NotifyMain(1);
    if (refused) m_PlaySoundCue(9);
    DragFinish(drop);
}
