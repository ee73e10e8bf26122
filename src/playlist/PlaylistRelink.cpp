// Finding missing tracks again: one file chosen in the open dialog, or a
// folder searched for it (and then for the other missing tracks).
#include <commdlg.h>
#include <shlobj.h>
#include <strsafe.h>

#include "base/DialogUtil.h"
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "playlist/PlaylistMenus.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/FileMove.h"
#include "settings/Settings.h"

namespace {

constexpr int kFirstSearchDepth = 8;
constexpr int kOtherSearchDepth = 256;

// The folders the last relink and the last search went to.
wchar_t s_RelinkFolder[kPathCap];
wchar_t s_SearchFolder[kPathCap];

// The remembered folder, else the track's own or its nearest existing
// parent, else the documents folder.
void m_StartFolder(const wchar_t* remembered, const wchar_t* trackPath, wchar_t* out)
{
    out[0] = 0;
    if (remembered[0]) {
        (void)StringCchCopyW(out, kPathCap, remembered);
        return;
    }
    m_FindExistingParent(out, kPathCap, trackPath);
    if (!out[0]) m_GetSpecialFolder(CSIDL_PERSONAL, out, 0);
}

void m_Remember(wchar_t* slot, const wchar_t* path, int isFile)
{
    if (isFile)
        m_GetParentFolder(slot, kPathCap, path, 0);
    else
        (void)StringCchCopyW(slot, kPathCap, path);
}

// The first selected row when its track is missing, else -1.
int m_MissingSelected(CPlaylist& p)
{
    int row = -1;
    m_PlMenu_Selected(p.m_W.Lists[0], &row, 1);
    const STRACKINFO* t = p.m_GetTrack(row);
    return t && t->Missing ? row : -1;
}

void m_TakePath(STRACKINFO& t, const wchar_t* path)
{
    (void)StringCchCopyW(t.Path, ARRAYSIZE(t.Path), path);
    t.Missing = 0;
}

void m_AfterRelink(CPlaylist& p, int row)
{
    p.m_Tracks[row].LoadedIndex = -1;
    g_ListModified = 1;
    p.m_DrawStatus();
    p.m_SetPlayListTitle();
    m_PlWnd_Notice(p, kNoticePlaylistChanged, 1);
}

// The other missing tracks: through the move history, then by name in the
// searched folder.
void m_FindOthers(CPlaylist& p, const wchar_t* folder)
{
    wchar_t found[kPathCap], name[kPathCap];
    for (int i = 0; i < p.m_Count; ++i) {
        STRACKINFO& t = p.m_Tracks[i];
        if (t.Missing && g_Settings.Common_MvLog > 0 &&
            m_FileMove_Find(found, kPathCap, t.Path, nullptr))
            m_TakePath(t, found);
        if (!t.Missing || !m_GetFileName(name, kPathCap, t.Path, 1)) continue;
        if (m_FindFileRecursive(found, kPathCap, name, folder, kOtherSearchDepth))
            m_TakePath(t, found);
    }
}

}  // namespace

void m_PlCmd_Relink(CPlaylist& p)
{
    const int row = m_MissingSelected(p);
    if (row < 0) return;
    STRACKINFO& t = p.m_Tracks[row];
    wchar_t folder[kPathCap], path[kPathCap];
    m_StartFolder(s_RelinkFolder, t.Path, folder);
    m_GetFileName(path, kPathCap, t.Path, 1);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = p.m_GetWindow();
    ofn.lpstrFilter = L"すべてのファイル\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathCap;
    ofn.lpstrInitialDir = folder[0] ? folder : nullptr;
    ofn.lpstrTitle = L"ファイルの場所を指定";
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!GetOpenFileNameW(&ofn)) return;
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) {
        m_PlaySoundCue(1);
        return;
    }
    m_TakePath(t, path);
    p.m_RefreshTrackRow(row);
    m_Remember(s_RelinkFolder, path, 1);
    m_AfterRelink(p, row);
    m_PlaySoundCue(3);
}

void m_PlCmd_SearchFolder(CPlaylist& p)
{
    const int row = m_MissingSelected(p);
    if (row < 0) return;
    STRACKINFO& t = p.m_Tracks[row];
    wchar_t start[kPathCap], folder[kPathCap], name[kPathCap], found[kPathCap];
    m_StartFolder(s_SearchFolder, t.Path, start);
    if (!m_PickFolder(p.m_GetWindow(), folder, kPathCap, start, L"検索するフォルダを指定")) return;
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    m_GetFileName(name, kPathCap, t.Path, 1);
    if (!m_FindFileRecursive(found, kPathCap, name, folder, kFirstSearchDepth)) {
        m_PlaySoundCue(1);
    } else {
        m_PlaySoundCue(3);
        if (g_Settings.Common_MvLog > 0) m_FileMove_Record(t.Path, found, 1, 1);
        m_TakePath(t, found);
        m_FindOthers(p, folder);
        p.m_RefreshTrackRows();
        m_AfterRelink(p, row);
    }
    m_Remember(s_SearchFolder, folder, 0);
    SetCursor(previous ? previous : LoadCursorW(nullptr, IDC_ARROW));
}
