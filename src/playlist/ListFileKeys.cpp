// The RESUME keys of list files. Each key is one profile write (one rewrite
// of the file); whole lists go through the one-pass writer.
#include "playlist/ListFileKeys.h"

#include <shlwapi.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListText.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "playlist/ZvplFile.h"
#include "settings/Settings.h"

namespace {

const wchar_t kHeader[] = L"ZENTAVIO_PLAYLIST";
const wchar_t kFolderListName[] = L"zentavio_fldrmg.zvpl";

// A folder stands for its folder-management list.
bool m_ListFilePath(const wchar_t* path, wchar_t out[kPathCap])
{
    if (!path || !path[0]) return false;
    if (m_PathExistsKind(path) == 2) {
        const wchar_t* name = g_Settings.Common_ExtCap ? L"ZENTAVIO_FLDRMG.ZVPL" : kFolderListName;
        return m_JoinFolderName(out, path, name);
    }
    lstrcpynW(out, path, kPathCap);
    return true;
}

// Only an own list (FMT 100..109) within the size guard takes key writes.
bool m_IsWritableList(const wchar_t* path)
{
    if (m_PathExistsKind(path) != 1 || !m_ListFile_MayReplace(path, 0)) return false;
    CListProfile p;
    if (!p.m_Load(path)) return false;
    int fmt = p.m_GetInt(kHeader, L"FMT", 0);
    return fmt >= kListFmtFirst && fmt <= kListFmtLast;
}

// The TRACK_n of the media file in its folder's list (paths without case),
// 0 when not listed.
int m_FindEntry(const CListProfile& p, const wchar_t* listPath, const wchar_t* mediaPath)
{
    int total = p.m_GetInt(kHeader, L"COUNT", 0);
    int last = total < p.m_MaxTrackNumber() ? total : p.m_MaxTrackNumber();
    for (int n = p.m_NextTrackNumber(1, 0); n > 0 && n <= last; n = p.m_NextTrackNumber(n + 1, 0)) {
        const wchar_t* value = p.m_FindTrack(n, L"PATH");
        wchar_t full[kPathCap];
        if (!value || !value[0]) continue;
        if (value[0] == L'.') {
            if (!m_GetFullPath(full, kPathCap, listPath, value)) continue;
        } else {
            lstrcpynW(full, value, kPathCap);
        }
        if (CompareStringOrdinal(full, -1, mediaPath, -1, TRUE) == CSTR_EQUAL) return n;
    }
    return 0;
}

// One RESUME key (null deletes it); a refused write (a read-only list) is
// logged and leaves the file as it was.
int m_WriteKey(const wchar_t* section, const wchar_t* text, const wchar_t* list)
{
    if (WritePrivateProfileStringW(section, L"RESUME", text, list)) return 1;
    m_WriteLog(L"MAIN_%d : Error / WritePrivateProfileString() /%s /%s /%s", __LINE__, list,
               section, text ? text : L"(null)");
    return 0;
}

bool m_FolderListOf(const wchar_t* mediaPath, wchar_t out[kPathCap])
{
    wchar_t folder[kPathCap];
    return mediaPath && m_GetParentFolder(folder, kPathCap, mediaPath, 0) &&
           m_ListFilePath(folder, out) && m_PathExistsKind(out) == 1;
}

}  // namespace

int m_ListFile_FindTrackResume(const wchar_t* mediaPath, wchar_t* text, int cap,
                               UINT* folderListFlag, UINT* listedFlag)
{
    m_ListText_Copy(text, cap, L"");
    if (folderListFlag) *folderListFlag = 0;
    if (listedFlag) *listedFlag = 0;
    wchar_t list[kPathCap];
    CListProfile p;
    if (!m_FolderListOf(mediaPath, list) || !p.m_Load(list)) return 0;
    int managed = p.m_GetInt(kHeader, L"FILEMG", 0) == 1;
    if (folderListFlag) *folderListFlag = managed ? 1 : 0;
    int n = m_FindEntry(p, list, mediaPath);
    if (listedFlag) *listedFlag = n ? 1 : 0;
    const wchar_t* value = n ? p.m_FindTrack(n, L"RESUME") : nullptr;
    if (!managed || !value || !value[0] || wcscmp(value, L"-") == 0) return 0;
    m_ListText_Copy(text, cap, value);
    return 1;
}

int m_ListFile_WriteTrackResume(const wchar_t* mediaPath, const wchar_t* text)
{
    wchar_t list[kPathCap];
    CListProfile p;
    if (!m_FolderListOf(mediaPath, list) || !m_IsWritableList(list) || !p.m_Load(list)) return 0;
    int n = m_FindEntry(p, list, mediaPath);
    if (!n) return 0;
    wchar_t section[32];
    wsprintfW(section, L"TRACK_%d", n);
    return m_WriteKey(section, text && text[0] ? text : nullptr, list);
}

int m_ListFile_SyncFolderListOf(const wchar_t* mediaPath)
{
    wchar_t list[kPathCap];
    if (!m_FolderListOf(mediaPath, list)) return -1;
    return m_PlaylistFile_SyncFolderList(list, 1);
}

int m_ListFile_ReadListResume(const wchar_t* listPath, wchar_t* text, int cap)
{
    wchar_t list[kPathCap];
    m_ListText_Copy(text, cap, L"");
    return m_ListFilePath(listPath, list) ? m_Zvpl_ReadListResume(list, text, cap) : 0;
}

int m_ListFile_WriteListResume(const wchar_t* listPath, const wchar_t* text)
{
    wchar_t list[kPathCap];
    if (!m_ListFilePath(listPath, list) || !m_IsWritableList(list)) return 0;
    return m_WriteKey(kHeader, text, list);
}

int m_ListFile_SaveList(const wchar_t* listPath)
{
    wchar_t list[kPathCap];
    if (!m_ListFilePath(listPath, list)) return 0;
    // Folder-management lists keep their paths relative to the folder; the
    // list's own RESUME and FILEMG stay as the file has them.
    int relative = _wcsicmp(PathFindFileNameW(list), kFolderListName) == 0;
    int saved = m_PlaylistFile_SaveZvpl(list, relative, 1, 0, 1);
    if (saved) g_Playlist.m_MarkSaved();
    return saved;
}
