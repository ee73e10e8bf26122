// Folders and list files as sources of tracks. Reading list files grows
// with the playlist-file code; until then they add nothing.
#include "playlist/Playlist.h"

#include "base/ErrorLog.h"
#include "base/MediaTypes.h"
#include "base/PathUtil.h"
#include "settings/Settings.h"

namespace {

bool m_InTracks(const CPlaylist& list, int count, const wchar_t* path)
{
    for (int i = 0; i < count; ++i) {
        if (CompareStringOrdinal(list.m_Tracks[i].Path, -1, path, -1, TRUE) == CSTR_EQUAL)
            return true;
    }
    return false;
}


}  // namespace

// The folder's playable files in the order the file system gives them, its
// subfolders too when [Main] "SubDir" is on. The number added; false stops.
int CPlaylist::m_AddFolderFiles(const wchar_t* folder, int replace, int skipExisting)
{
    wchar_t pattern[kPathCap];
    if (!folder || !m_JoinFolderName(pattern, folder, L"*.*")) return 0;
    int oldCount = m_Count;
    if (replace) {
        for (int i = 0; i < m_Count; ++i) m_Track_Release(&m_Tracks[i]);
        m_Count = 0;
    }
    int added =
        m_AddFolderEntries(folder, pattern, replace ? 0 : oldCount, skipExisting && !replace);
    if (replace) {
        m_SortPlayList(1, 1, 0);
        m_MarkSaved();
    }
    return added;
}

int CPlaylist::m_AddFolderEntries(const wchar_t* folder, const wchar_t* pattern, int oldCount,
                                  int skipExisting)
{
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW(pattern, &fd);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int added = 0;
    do {
        const wchar_t* name = fd.cFileName;
        if (name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0))) continue;
        wchar_t path[kPathCap];
        if (!m_JoinFolderName(path, folder, name)) continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (g_Settings.Main_SubDir) added += m_AddFolderFiles(path, 0, 0);
            continue;
        }
        if (m_IsPlayableFile(path) != 1) continue;
        if (m_Count >= kPlaylistTrackCap) {
            m_WriteLog(
                L"E1012 : プレイリストの上限数(%d)を超えたのでファイルを追加できませんでした。",
                kPlaylistTrackCap);
            break;
        }
        if (skipExisting && m_InTracks(*this, oldCount, path)) continue;
        added += m_AppendTrack(path);
    } while (FindNextFileW(find, &fd));
    FindClose(find);
    return added;
}

int CPlaylist::m_ReadZvplFile(const wchar_t*, int, int) { return 0; }
int CPlaylist::m_ReadM3uFile(const wchar_t*) { return 0; }
