#include "settings/DirPlaylist.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "base/PathUtil.h"
#include "settings/FolderPath.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsListStore.h"

SDIRPLAYLISTPAIR g_DirPlaylist[kDirPlaylistCap];
int g_DirPlaylistCount;

namespace {

const wchar_t kSection[] = L"Dir_Playlist";
constexpr int kValueCap = 512;
constexpr int kFolderCap = 261;

void m_CopyCut(wchar_t* out, const wchar_t* text, size_t length)
{
    const size_t kept = length < kFolderCap - 1 ? length : kFolderCap - 1;
    wmemcpy(out, text, kept);
    out[kept] = 0;
}

void m_ParsePair(const wchar_t* value, SDIRPLAYLISTPAIR& pair)
{
    const wchar_t* slash = wcschr(value, L'/');
    const size_t sourceLength = slash ? (size_t)(slash - value) : wcslen(value);
    m_CopyCut(pair.Source, value, sourceLength);
    if (slash)
        m_CopyCut(pair.Target, slash + 1, wcslen(slash + 1));
    else
        m_CopyCut(pair.Target, value, sourceLength);
}

int m_Latest(wchar_t* out)
{
    lstrcpynW(out, g_DirPlaylist[0].Target, kFolderCap);
    return 0;
}

// The pair whose source holds the folder, the longest source winning (an
// equal source is the longest there can be).
int m_FindHolding(const wchar_t* folder)
{
    int best = -1, bestLength = -1;
    for (int i = 0; i < g_DirPlaylistCount; ++i) {
        const int length = m_PathUnderLength(folder, g_DirPlaylist[i].Source);
        if (length > bestLength) best = i, bestLength = length;
    }
    return best;
}

// Walking up from the folder, the first pair whose source lies below it.
int m_FindBeside(const wchar_t* folder)
{
    wchar_t current[kFolderCap], parent[kFolderCap];
    lstrcpynW(current, folder, kFolderCap);
    for (;;) {
        for (int i = 0; i < g_DirPlaylistCount; ++i)
            if (m_PathIsUnder(g_DirPlaylist[i].Source, current)) return i;
        if (!m_GetParentFolder(parent, kFolderCap, current, 1) || m_SamePath(parent, current))
            return -1;
        lstrcpynW(current, parent, kFolderCap);
    }
}

void m_MoveToFirst(int index)
{
    const SDIRPLAYLISTPAIR pair = g_DirPlaylist[index];
    memmove(&g_DirPlaylist[1], &g_DirPlaylist[0], sizeof(SDIRPLAYLISTPAIR) * index);
    g_DirPlaylist[0] = pair;
}

}  // namespace

// An empty value ends the table as a missing key does: it names no folder.
void m_DirPlaylist_Load()
{
    g_DirPlaylistCount = 0;
    wchar_t value[kValueCap];
    for (int i = 0; i < kDirPlaylistCap; ++i) {
        m_ListIni_Read(kSection, i, L"", value, kValueCap);
        if (!value[0]) break;
        m_ParsePair(value, g_DirPlaylist[g_DirPlaylistCount++]);
    }
}

void m_DirPlaylist_Save()
{
    CSettingsFileWrite batch;
    wchar_t value[kFolderCap * 2 + 2];
    for (int i = 0; i < g_DirPlaylistCount; ++i) {
        const SDIRPLAYLISTPAIR& pair = g_DirPlaylist[i];
        if (m_SamePath(pair.Source, pair.Target))
            _snwprintf(value, ARRAYSIZE(value) - 1, L"%s", pair.Source);
        else
            _snwprintf(value, ARRAYSIZE(value) - 1, L"%s/%s", pair.Source, pair.Target);
        value[ARRAYSIZE(value) - 1] = 0;
        m_ListIni_Write(kSection, i, L"", value);
    }
    m_ListIni_DeleteKeys(kSection, L"", g_DirPlaylistCount, kDirPlaylistCap);
}

void m_DirPlaylist_Clear()
{
    g_DirPlaylistCount = 0;
    CSettingsFileWrite batch;
    m_ListIni_DeleteKeys(kSection, L"", 0, kDirPlaylistCap);
}

int m_DirPlaylist_Find(wchar_t* out, int, const wchar_t* path)
{
    if (!out) return 0;
    out[0] = 0;
    m_DirPlaylist_Load();
    if (g_DirPlaylistCount == 0) return 0;
    if (!path || !path[0]) {
        m_Latest(out);
        return 1;
    }
    wchar_t folder[kFolderCap];
    m_GetParentFolder(folder, kFolderCap, path, 1);
    int found = m_FindHolding(folder);
    if (found < 0) found = m_FindBeside(folder);
    if (found < 0) return m_Latest(out);
    lstrcpynW(out, g_DirPlaylist[found].Target, kFolderCap);
    return 1;
}

void m_DirPlaylist_Set(const wchar_t* targetFolder, const wchar_t* sourcePath)
{
    if (!targetFolder || !sourcePath) return;
    m_DirPlaylist_Load();
    wchar_t source[kFolderCap];
    if (m_PathExistsKind(sourcePath) == 2)
        lstrcpynW(source, sourcePath, kFolderCap);
    else
        m_GetParentFolder(source, kFolderCap, sourcePath, 1);
    int found = -1;
    for (int i = 0; i < g_DirPlaylistCount && found < 0; ++i) {
        const SDIRPLAYLISTPAIR& pair = g_DirPlaylist[i];
        if (m_SamePath(pair.Source, source) && m_SamePath(pair.Target, targetFolder)) found = i;
    }
    if (found < 0) {
        if (g_DirPlaylistCount < kDirPlaylistCap) ++g_DirPlaylistCount;
        found = g_DirPlaylistCount - 1;
        lstrcpynW(g_DirPlaylist[found].Source, source, kFolderCap);
        lstrcpynW(g_DirPlaylist[found].Target, targetFolder, kFolderCap);
    }
    if (found > 0) m_MoveToFirst(found);
    m_DirPlaylist_Save();
}
