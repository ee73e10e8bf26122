// Folders and list files as sources of tracks.
#include "playlist/PlaylistFiles.h"

#include <shlwapi.h>
#include <string.h>

#include "playlist/M3uFile.h"
#include "playlist/Playlist.h"
#include "playlist/ZvplFile.h"

#include "base/ErrorLog.h"
#include "base/MediaTypes.h"
#include "base/PathUtil.h"
#include "filedata/DataFiles.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListText.h"
#include "settings/Settings.h"

namespace {

constexpr int kFolderDepthCap = 32;
int s_FolderDepth = 0;  // sub-folders entered by the fill in progress

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
            // Links are not followed and the descent stops, so that a loop
            // of folders ends.
            bool follow = g_Settings.Main_SubDir && s_FolderDepth < kFolderDepthCap &&
                          !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
            if (follow) {
                ++s_FolderDepth;
                added += m_AddFolderFiles(path, 0, 0);
                --s_FolderDepth;
            }
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

namespace {

void m_ReleaseAll(CPlaylist* list)
{
    for (int i = 0; i < list->m_Count; ++i) m_Track_Release(&list->m_Tracks[i]);
    list->m_Count = 0;
}

}  // namespace

int m_PlaylistFile_ReadZvpl(const wchar_t* path, int replace, SRESUMEINFO* record,
                            int checkExistence, int skipMissing, int* skipped, int skipDuplicates)
{
    CPlaylist* list = &g_Playlist;
    SZVPLREAD options = {
        checkExistence, skipMissing, skipDuplicates, !replace, replace ? record : nullptr, 0};
    // The reader zeroes every slot it fills, so a replace only frees the old
    // tracks' arrays here and zeroes the old slots left over afterwards.
    const int oldCount = list->m_Count;
    if (replace) {
        for (int i = 0; i < oldCount; ++i) m_Track_FreeArrays(&list->m_Tracks[i]);
        list->m_Count = 0;
    }
    int count = list->m_Count;
    int taken =
        m_Zvpl_ReadTracks(path, list->m_Tracks, list->m_Count, kPlaylistTrackCap, &count, &options);
    for (int i = count; i < oldCount; ++i) memset(&list->m_Tracks[i], 0, sizeof(STRACKINFO));
    list->m_Count = count;
    if (taken && replace) list->m_MarkSaved();
    if (skipped) *skipped = options.Skipped;
    return taken;
}

int m_PlaylistFile_ReadM3u(const wchar_t* path, int replace)
{
    CPlaylist* list = &g_Playlist;
    if (replace) m_ReleaseAll(list);
    list->m_Count = m_M3u_ReadTracks(path, list->m_Tracks, kPlaylistTrackCap, list->m_Count);
    if (replace) list->m_MarkSaved();
    return 1;
}

int m_PlaylistFile_WriteZvpl(const wchar_t* path, int backup, int relative, int resumeMode)
{
    return m_Zvpl_WriteFile(path, g_Playlist.m_Tracks, g_Playlist.m_Count, backup, relative,
                            resumeMode);
}

int m_PlaylistFile_WriteM3u(const wchar_t* path)
{
    return m_M3u_WriteFile(path, g_Playlist.m_Tracks, g_Playlist.m_Count);
}

namespace {

const wchar_t* m_FolderListName()
{
    return g_Settings.Common_ExtCap ? L"ZENTAVIO_FLDRMG.ZVPL" : L"zentavio_fldrmg.zvpl";
}

// A record as list-level RESUME text: "0" stands for an empty one.
void m_ListResumeText(const SRESUMEINFO* record, wchar_t out[kResumeValueCap])
{
    out[0] = 0;
    if (record && record->HasData) m_Resume_FormatValue(record, out);
    if (!out[0]) lstrcpyW(out, L"0");
}

}  // namespace

int m_PlaylistFile_OpenFolderList(const wchar_t* folder, SRESUMEINFO* record)
{
    wchar_t list[kPathCap];
    if (!folder || !m_JoinFolderName(list, folder, m_FolderListName())) return 0;
    lstrcpynW(g_FolderListPath, list, MAX_PATH + 1);
    if (m_PathExistsKind(list) != 1) return 0;
    int skipped = 0;
    m_PlaylistFile_ReadZvpl(list, 1, record, 1, 1, &skipped, 1);
    CListProfile p;
    g_ListResumeOn = record && record->HasData ? 1 : 0;
    g_FolderListMg = p.m_Load(list) && p.m_GetInt(L"ZENTAVIO_PLAYLIST", L"FILEMG", 0) == 1;
    g_Playlist.m_SortState = 0;
    int added = g_Playlist.m_AddFolderFiles(folder, 0, 1);
    if (skipped || added) {
        wchar_t resume[kResumeValueCap] = {};
        if (g_ListResumeOn) m_ListResumeText(record, resume);
        SZVPLHEADER header = {resume, (int)g_FolderListMg};
        m_Zvpl_WriteFileHeader(list, g_Playlist.m_Tracks, g_Playlist.m_Count, 1, 1, 1, &header);
    }
    g_Playlist.m_MarkSaved();
    return 1;
}

int m_PlaylistFile_SaveZvpl(const wchar_t* path, int relative, int backup, int afterSteps,
                            int resumeMode)
{
    // The list-level keys go into the same one-pass write as the tracks, so
    // that a failed write leaves neither half behind. What the save does
    // not set anew stays as the file had it.
    wchar_t resume[kResumeValueCap] = {};
    SZVPLHEADER header = {resume, 0};
    CListProfile old;
    const int hadFile = m_PathExistsKind(path) == 1 && old.m_Load(path);
    if (hadFile) header.FileMg = old.m_GetInt(L"ZENTAVIO_PLAYLIST", L"FILEMG", 0) == 1;
    if (afterSteps && g_ListType == LIST_FOLDERLIST) header.FileMg = g_FolderListMg ? 1 : 0;
    if (afterSteps && g_ListResumeOn) {
        SRESUMEINFO made;
        m_Resume_MakeRecord(&made, 1);
        m_ListResumeText(&made, resume);
    } else if (hadFile) {
        m_Zvpl_ReadListResume(path, resume, kResumeValueCap);
    }
    int saved = m_Zvpl_WriteFileHeader(path, g_Playlist.m_Tracks, g_Playlist.m_Count, backup,
                                       relative, resumeMode, &header);
    if (saved && afterSteps) g_Playlist.m_MarkSaved();
    return saved;
}

int m_PlaylistFile_SaveCurrent()
{
    if (!g_ListPath[0] || g_ListType == LIST_UNSAVED) return 0;
    if (g_DefaultPlaylistPath[0] && lstrcmpiW(g_ListPath, g_DefaultPlaylistPath) == 0) return 0;
    switch (g_ListType) {
        case LIST_M3U: {
            int saved = m_M3u_WriteFile(g_ListPath, g_Playlist.m_Tracks, g_Playlist.m_Count);
            if (saved) g_Playlist.m_MarkSaved();
            return saved;
        }
        case LIST_ZVPL:
            return m_PlaylistFile_SaveZvpl(g_ListPath, 0, 1, 1, 1);
        case LIST_FOLDERLIST: {
            const wchar_t* name = PathFindFileNameW(g_FolderListPath);
            if (lstrcmpiW(name, L"zentavio_fldrmg.zvpl") != 0 ||
                m_PathExistsKind(g_FolderListPath) != 1)
                return 0;
            return m_PlaylistFile_SaveZvpl(g_FolderListPath, 1, 1, 1, 1);
        }
        default:
            return 0;
    }
}

// Adding a list by path appends with existence checked and missing files kept.
int CPlaylist::m_ReadZvplFile(const wchar_t* path, int append, int markMissing)
{
    int before = m_Count;
    int taken = m_PlaylistFile_ReadZvpl(path, !append, nullptr, markMissing, 0, nullptr, 0);
    return taken ? m_Count - before : 0;
}

int CPlaylist::m_ReadM3uFile(const wchar_t* path)
{
    int before = m_Count;
    m_PlaylistFile_ReadM3u(path, 0);
    return m_Count - before;
}
