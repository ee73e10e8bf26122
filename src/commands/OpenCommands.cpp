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
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "filedata/ResumeOpen.h"
#include "filedata/ResumeStore.h"
#include "library/Library.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "settings/Settings.h"

namespace {

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

int m_OpenMissing(int reportErrors)
{
    g_PlayState = 0;
    m_UpdateTimeDisplay(1);
    if (reportErrors) m_OSD_ShowText(L"FILE````NOT````FOUND", -1, -1, -1, -1, -1, -1);
    m_UpdateWindowTitle();
    m_PlaySoundCue(1);
    return 0;
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

}  // namespace

// Media files and folders; the other kinds of path come with their parts.
BOOL m_OpenFile(LPCWSTR source, int startState, int reportErrors, int bringToFront, int applyResume,
                int)
{
    wchar_t path[MAX_PATH + 1];
    lstrcpynW(path, source ? source : L"", MAX_PATH + 1);
    // A device is reported as missing before anything opens it: reading a
    // serial port or a pipe would hold the window for good.
    const int exists = m_IsDevicePath(path) ? 0 : m_PathExistsKind(path);
    if (exists == 2 && lstrlenW(path) < MAX_PATH && path[lstrlenW(path) - 1] != L'\\')
        lstrcatW(path, L"\\");
    g_OpenFailCount = 0;
    g_DefaultListOpened = 0;
    m_CloseBeforeOpen(path, startState);
    if (startState != 0) {
        m_OSD_Clear(0);
        g_PlayState = 2;
        m_UpdateTimeDisplay(1);
    }
    if (exists == 0) return m_OpenMissing(reportErrors);
    g_OpenRequest.dwLoadTick = timeGetTime();
    if (startState != 0) g_PlayState = 2;
    if (exists == 2) {
        if (!m_FillFromFolder(path, reportErrors)) return FALSE;
    } else {
        m_FillFromMediaFile(path);
    }
    if (bringToFront && !g_FullScreen) SetForegroundWindow(g_hWndMain);
    if (applyResume) m_Resume_LoadAtOpen();
    int result = 1;
    if (startState != 0) {
        int track = 0, startMs = 0;
        // A stored position wins over the first checked entry.
        if (!(applyResume && m_Resume_StartEntry(&track, &startMs))) track = m_FirstTrack();
        g_OpenRequest.bOsdAfterOpen = 1;
        result = m_OpenPlayListFile(track, startMs, reportErrors, startState, 1);
    }
    if (m_Launcher_IsShown()) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        if (startState) m_Launcher_Show(0, 1, 1);
    }
    lstrcpynW(g_PendingPath, path, MAX_PATH + 1);
    if (!g_Settings.Main_Thread && startState == 1 && result) m_Recent_AddCurrent();
    return result;
}

void m_OpenFile_SetJumpListBlocks(const int*) {}
void m_Menu_ApplyStyle() {}
