#include "commands/FolderAssoc.h"

#include "app/StatusText.h"
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "library/Favorites.h"
#include "library/Library.h"
#include "library/RecentRecords.h"
#include "playlist/M3uFile.h"
#include "settings/DirPlaylist.h"

namespace {

SFILERECORD s_Records[kFolderAssocFileCap];

int m_HasExtension(const wchar_t* ext, const wchar_t* want)
{
    return CompareStringOrdinal(ext, -1, want, -1, TRUE) == CSTR_EQUAL;
}

int m_CountListFiles()
{
    int count = 0;
    for (int i = 0; i < m_Recent_GetRecordCount(); ++i)
        count += m_IsListFilePath(m_Recent_GetRecordPath(i));
    for (int i = 0; i < g_Favorite.m_GetCount(); ++i) {
        const SFAVORITEITEM* item = g_Favorite.m_GetItem(i);
        count += item && item->Type == FAVO_PLAYLIST && m_IsListFilePath(item->Path);
    }
    return count;
}

int m_CollectListFiles()
{
    int count = 0;
    for (int i = 0; i < m_Recent_GetRecordCount(); ++i) {
        const wchar_t* path = m_Recent_GetRecordPath(i);
        if (m_IsListFilePath(path))
            m_FolderAssoc_Collect(s_Records, &count, kFolderAssocFileCap, path);
    }
    for (int i = 0; i < g_Favorite.m_GetCount(); ++i) {
        const SFAVORITEITEM* item = g_Favorite.m_GetItem(i);
        if (item && item->Type == FAVO_PLAYLIST && m_IsListFilePath(item->Path))
            m_FolderAssoc_Collect(s_Records, &count, kFolderAssocFileCap, item->Path);
    }
    return count;
}

void m_PairListFile(const wchar_t* listPath)
{
    wchar_t first[kPathCap], folder[kPathCap];
    if (!m_FolderAssoc_FirstTrack(listPath, first)) return;
    m_GetParentFolder(folder, kPathCap, listPath, 1);
    m_DirPlaylist_Set(folder, first);
}

}  // namespace

int m_IsListFilePath(const wchar_t* path)
{
    wchar_t ext[kNameCap];
    if (!m_GetExtension(ext, kNameCap, path, 0)) return 0;
    return m_HasExtension(ext, L"zvpl") || m_HasExtension(ext, L"m3u") ||
           m_HasExtension(ext, L"m3u8");
}

int m_FolderAssoc_Collect(SFILERECORD* records, int* count, int cap, const wchar_t* path)
{
    if (*count >= cap || lstrlenW(path) > MAX_PATH) return 0;
    for (int i = 0; i < *count; ++i)
        if (lstrcmpiW(records[i].path, path) == 0) return 0;
    WIN32_FILE_ATTRIBUTE_DATA facts;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &facts)) return 0;
    if (facts.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    SFILERECORD& record = records[(*count)++];
    record.index = *count - 1;
    lstrcpynW(record.path, path, kPathCap);
    record.key =
        ((INT64)facts.ftLastWriteTime.dwHighDateTime << 32) | facts.ftLastWriteTime.dwLowDateTime;
    record.item = nullptr;
    return 1;
}

int m_FolderAssoc_FirstTrack(const wchar_t* listPath, wchar_t* out)
{
    out[0] = 0;
    wchar_t ext[kNameCap];
    m_GetExtension(ext, kNameCap, listPath, 0);
    if (m_HasExtension(ext, L"zvpl")) {
        GetPrivateProfileStringW(L"TRACK_1", L"PATH", L"", out, kPathCap, listPath);
    } else {
        m_M3u_ReadFirstPath(listPath, out);
    }
    return out[0] != 0;
}

void m_DirPlaylist_ClearCmd()
{
    m_DirPlaylist_Clear();
    m_PlaySoundCue(5);
    m_OSD_ShowText(L"DELETE FOLDER ASSOCIATION", -1, -1, -1, -1, -1, -1);
}

void m_DirPlaylist_Rebuild()
{
    m_Recent_ReadFile(0, 1);
    g_Favorite.m_ReadFile(1);
    if (m_CountListFiles() == 0) return;
    const int count = m_CollectListFiles();
    // Oldest first: each pair goes to the front, so the newest ends there.
    if (count > 1) m_SortFileRecords(s_Records, 0, count - 1, 1);
    wchar_t text[64];
    for (int i = 0; i < count; ++i) {
        m_PairListFile(s_Records[i].path);
        Sleep(10);
        wsprintfW(text, L"%d / %d", i + 1, count);
        m_OSD_ShowText(text, 1, -1, -1, -1, -1, 0);
    }
    m_PlaySoundCue(3);
    wsprintfW(text, L"FOLDER ASSOCIATION / %d FILES", count);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}
