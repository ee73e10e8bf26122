#include "commands/OpenCommands.h"

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/Startup.h"
#include "app/TimeDisplay.h"
#include "app/ToolWindowPlacement.h"
#include "app/WindowTitle.h"
#include "base/DevicePath.h"
#include "base/ErrorLog.h"
#include "base/HandOff.h"
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "commands/OpenPathKinds.h"
#include "commands/OpenPicture.h"
#include "controls/MenuManager.h"
#include "filedata/ResumeOpen.h"
#include "filedata/ResumeStore.h"
#include "jumplist/JumpListState.h"
#include "library/Library.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "settings/FileMove.h"
#include "settings/Settings.h"

namespace {

// The command line's columns, rows and count for a jump-list batch build.
int s_JumpListBlocks[3];

// Closes what is open before another item replaces it.
void m_CloseBeforeOpen(const wchar_t* path, int startState)
{
    if (g_PlayState != 0) {
        if (!g_KeepJumpList) m_CloseFile(startState == 0, 0, 1, 1);
        return;
    }
    if (g_Playlist.m_GetCount() <= 0) return;
    if (lstrcmpiW(path, g_PendingPath) == 0)
        g_PlayState = 2;
    else
        m_CloseFile(startState == 0, 0, 1, 1);
}

}  // namespace

int m_OpenMissing(int reportErrors)
{
    g_PlayState = 0;
    m_UpdateTimeDisplay(1);
    if (reportErrors) m_OSD_ShowText(L"FILE````NOT````FOUND", -1, -1, -1, -1, -1, -1);
    m_UpdateWindowTitle();
    m_PlaySoundCue(1);
    return 0;
}

namespace {

// A list that gave no tracks; logged whether or not errors are shown.
int m_ListFailed(const wchar_t* path, int reportErrors)
{
    g_PlayState = 0;
    m_UpdateTimeDisplay(1);
    if (reportErrors) m_OSD_ShowText(L"ERROR : OPEN PLAYLISTFILE", -1, -1, -1, -1, -1, -1);
    m_PlaySoundCue(1);
    m_WriteLog(L"E1004 : プレイリスト内にファイルが見つかりませんでした。 \"%s\"", path);
    m_UpdateWindowTitle();
    return 0;
}

// A .zvpl or M3U list replacing the playlist; 0 when it gave no tracks.
int m_FillFromList(const wchar_t* path, int kind)
{
    m_Resume_ClearRecord(&g_ResumeList);
    if (kind == OPEN_KIND_ZVPL) {
        if (!m_PlaylistFile_ReadZvpl(path, 1, &g_ResumeList, 1, 0, nullptr, 0)) return 0;
        g_ListType = LIST_ZVPL;
    } else {
        m_PlaylistFile_ReadM3u(path, 1);
        g_ListType = LIST_M3U;
    }
    if (g_Playlist.m_GetCount() <= 0) return 0;
    m_FileMove_RelinkPlaylist();
    lstrcpynW(g_ListPath, path, MAX_PATH + 1);
    if (g_PlaylistView.bOmit) g_Playlist.m_ElideTrackNames();
    g_Playlist.m_RebuildTrackList();
    return 1;
}

// A missing path found again through the file-move history.
int m_FindMoved(const wchar_t* path, wchar_t* moved)
{
    if (g_Settings.Common_MvLog < 1 || !path[0]) return 0;
    return m_FileMove_Find(moved, MAX_PATH + 1, path, nullptr);
}

// A folder opens through its management list when it has one, else as a
// plain list of its playable files; 0 when it has none.
int m_FillFromFolder(const wchar_t* path, int reportErrors)
{
    // The list-level record goes where the resume store takes it at open.
    m_Resume_ClearRecord(&g_ResumeList);
    if (m_PlaylistFile_OpenFolderList(path, &g_ResumeList)) {
        g_ListType = LIST_FOLDERLIST;
    } else {
        g_Playlist.m_AddFolderFiles(path, 1, 0);
        g_ListType = LIST_FOLDER;
    }
    if (g_Playlist.m_GetCount() <= 0) {
        g_ListType = LIST_NONE;
        g_PlayState = 0;
        m_UpdateTimeDisplay(1);
        if (reportErrors) m_OSD_ShowText(L"ERROR : OPEN FOLDER", -1, -1, -1, -1, -1, -1);
        m_PlaySoundCue(1);
        m_WriteLog(L"E1003 : フォルダ内にファイルが見つかりませんでした。 \"%s\"", path);
        m_UpdateWindowTitle();
        return 0;
    }
    // The shortened names take the folder's name into account.
    lstrcpynW(g_ListPath, path, MAX_PATH + 1);
    if (g_PlaylistView.bOmit) g_Playlist.m_ElideTrackNames();
    g_Playlist.m_RebuildTrackList();
    return 1;
}

void m_FillFromMediaFile(const wchar_t* path)
{
    g_Playlist.m_ClearPlayList();
    g_ListType = LIST_SINGLE;
    lstrcpynW(g_ListPath, path, MAX_PATH + 1);
    g_Playlist.m_AppendTrack(path);
    g_Playlist.m_RefreshPlayList();
}

// The entry to start with: the first checked one in check mode.
int m_FirstTrack()
{
    if (!g_Playlist.m_CheckMode || g_Playlist.m_GetCount() < 2) return 0;
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i)
        if (!g_Playlist.m_GetTrack(i)->Unchecked) return i;
    return 0;
}

// The bookmark's entry: its track, or the one holding its media file.
void m_BookmarkEntry(int* track, int* startMs)
{
    const int count = g_Playlist.m_GetCount();
    *track = g_BookmarkOpen.Track >= 0 && g_BookmarkOpen.Track < count ? g_BookmarkOpen.Track : 0;
    *startMs = g_BookmarkOpen.PosMs > 0 ? g_BookmarkOpen.PosMs : 0;
    if (count < 2 || !g_BookmarkOpen.MediaFile[0]) return;
    if (lstrcmpiW(g_Playlist.m_GetTrack(*track)->Path, g_BookmarkOpen.MediaFile) == 0) return;
    for (int i = 0; i < count; ++i) {
        if (lstrcmpiW(g_Playlist.m_GetTrack(i)->Path, g_BookmarkOpen.MediaFile) == 0) {
            *track = i;
            return;
        }
    }
}

// Where the open starts: the bookmark's place, the resume record's, or the
// first checked entry. A record's entry past the list starts the list anew.
void m_StartEntry(int applyResume, int* track, int* startMs)
{
    *track = 0;
    *startMs = 0;
    if (g_BookmarkOpen.Active) {
        m_BookmarkEntry(track, startMs);
        return;
    }
    // A stored position wins over the first checked entry.
    if (!(applyResume && m_Resume_StartEntry(track, startMs))) *track = m_FirstTrack();
    const int count = g_Playlist.m_GetCount();
    if (*track < 0 || *track >= count) {
        m_WriteLog(L"E1009 : ResumeInfo / FileCount=%d Index=%d", count, *track + 1);
        *track = 0;
        *startMs = 0;
    }
}

// The list, folder or file of the path fills the playlist; 0 after a
// failure was reported, -1 when the kind opens through its own road.
int m_FillByKind(const wchar_t* path, int exists, int kind, int reportErrors)
{
    if (exists == 2) return m_FillFromFolder(path, reportErrors);
    if (kind == OPEN_KIND_ZVPL || kind == OPEN_KIND_M3U)
        return m_FillFromList(path, kind) ? 1 : m_ListFailed(path, reportErrors);
    if (kind != OPEN_KIND_MEDIA) return -1;
    m_FillFromMediaFile(path);
    return 1;
}

// The kinds that hand on to another path or show a picture.
int m_OpenOtherKind(const wchar_t* path, int kind, const SOPENARGS& a)
{
    switch (kind) {
        case OPEN_KIND_SHORTCUT:
            return m_OpenShortcut(path, a);
        case OPEN_KIND_BOOKMARK:
            return m_OpenBookmark(path, a);
        case OPEN_KIND_JUMPLIST:
            return m_OpenJumpListPath(path, a);
        case OPEN_KIND_JPEG:
            return m_OpenFile(path, a.StartState, a.ReportErrors, a.BringToFront, a.ApplyResume,
                              m_InspectJpeg(path));
        default:
            m_OpenPicture(path);
            return 0;
    }
}

// The folder-management list stands for its folder.
int m_IsFolderListFile(const wchar_t* path)
{
    wchar_t folder[kPathCap], name[kNameCap];
    if (!m_SplitFolderName(path, folder, name)) return 0;
    return CompareStringOrdinal(name, -1, L"zentavio_fldrmg.zvpl", -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

BOOL m_OpenFile(LPCWSTR source, int startState, int reportErrors, int bringToFront, int applyResume,
                int kind)
{
    wchar_t path[MAX_PATH + 1];
    lstrcpynW(path, source ? source : L"", MAX_PATH + 1);
    // A device is reported as missing before anything opens it: reading a
    // serial port or a pipe would hold the window for good.
    const int exists = !path[0] || m_IsDevicePath(path) ? 0 : m_PathExistsKind(path);
    if (exists == 2 && lstrlenW(path) < MAX_PATH && path[lstrlenW(path) - 1] != L'\\')
        lstrcatW(path, L"\\");
    g_OpenFailCount = 0;
    g_DefaultListOpened = 0;
    m_CloseBeforeOpen(path, startState);
    if (g_BookmarkOpen.Active) g_BookmarkOpened = 1;
    if (startState != 0) {
        m_OSD_Clear(0);
        g_PlayState = 2;
        m_UpdateTimeDisplay(1);
    }
    m_JumpList_Close();
    const SOPENARGS args = {startState, reportErrors, bringToFront, applyResume};
    if (exists == 0) {
        wchar_t moved[MAX_PATH + 1];
        if (!m_FindMoved(path, moved)) return m_OpenMissing(reportErrors);
        CHandOffScope handOff;
        if (!handOff.m_Allowed()) return m_OpenMissing(reportErrors);
        const BOOL opened =
            m_OpenFile(moved, startState, reportErrors, bringToFront, applyResume, -1);
        // Shown once the new place has opened: that open clears the
        // on-screen message first, which would take this one with it.
        if (opened) m_OSD_ShowText(L"OPEN````MOVED````FILE", 1, 5000, 0, 100, -1, -1);
        return opened;
    }
    g_OpenRequest.dwLoadTick = timeGetTime();
    if (kind == -1 && exists == 1) kind = m_OpenKindOf(path);
    if (exists == 1 && kind == OPEN_KIND_ZVPL && m_IsFolderListFile(path)) {
        wchar_t folder[kPathCap], name[kNameCap];
        m_SplitFolderName(path, folder, name);
        CHandOffScope handOff;
        if (!handOff.m_Allowed()) return m_OpenMissing(reportErrors);
        return m_OpenFile(folder, startState, reportErrors, bringToFront, applyResume, -1);
    }
    if (startState != 0) g_PlayState = 2;
    const int filled = m_FillByKind(path, exists, kind, reportErrors);
    if (filled < 0) return m_OpenOtherKind(path, kind, args);
    if (filled == 0) return FALSE;
    if (bringToFront && !g_FullScreen) SetForegroundWindow(g_hWndMain);
    if (applyResume) m_Resume_LoadAtOpen();
    if (startState == 4) {
        m_JumpList_StartCreate(s_JumpListBlocks[0], s_JumpListBlocks[1], s_JumpListBlocks[2], 1);
        lstrcpynW(g_PendingPath, path, MAX_PATH + 1);
        return 1;
    }
    int result = 1;
    if (startState != 0) {
        int track = 0, startMs = 0;
        m_StartEntry(applyResume, &track, &startMs);
        g_OpenRequest.bOsdAfterOpen = 1;
        if (g_KeepJumpList && startState == 1) startState = 3;
        result = m_OpenPlayListFile(track, startMs, reportErrors, startState, 1);
    }
    if (m_Launcher_IsShown()) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        if (startState) m_Launcher_Show(0, 1, 1);
    }
    lstrcpynW(g_PendingPath, path, MAX_PATH + 1);
    const int jumpListItem = g_BookmarkOpen.Active || g_KeepJumpList;
    if (!g_Settings.Main_Thread && startState != 0 && (startState == 1 || jumpListItem) && result)
        m_Recent_AddCurrent();
    return result;
}

void m_OpenFile_SetJumpListBlocks(const int blocks[3])
{
    for (int i = 0; i < 3; ++i) s_JumpListBlocks[i] = blocks ? blocks[i] : 0;
}
