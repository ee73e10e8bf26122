// Fixed menu items of the open file and list, of chapters, ranges and
// markers, and of the tools (capture, jump lists, the test menu).
#include "commands/MenuCommands.h"

#include <shlwapi.h>

#include "app/WindowTitle.h"
#include "base/SoundCue.h"
#include "commands/ExecOps.h"
#include "commands/MenuItemModel.h"
#include "commands/StreamSelect.h"
#include "commands/SubmenuBuilder.h"
#include "filedata/ResumeStore.h"
#include "jumplist/JumpListCommands.h"
#include "jumplist/JumpListEdit.h"
#include "playback/PlayState.h"
#include "playlist/ListFileKeys.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "settings/CallTrace.h"
#include "settings/Settings.h"

namespace {

const wchar_t* m_FolderListName()
{
    return g_Settings.Common_ExtCap ? L"ZENTAVIO_FLDRMG.ZVPL" : L"zentavio_fldrmg.zvpl";
}

void m_AfterListTypeChange()
{
    g_Playlist.m_SetPlayListTitle();
    m_UpdateWindowTitle();
    m_TraceCall(L"m_Options_RefreshListType(%u)", g_ListType);
}

// A plain folder list becomes a folder-managed one saved as the folder's
// list file; a folder-managed one goes back to plain only when its file is
// the folder list's own and it could be deleted.
void m_FolderListSwitch()
{
    if (g_ListType == LIST_FOLDER) {
        wchar_t path[MAX_PATH + 1];
        lstrcpynW(path, g_ListPath, MAX_PATH + 1);
        if (!path[0] || !PathAppendW(path, m_FolderListName())) {
            m_PlaySoundCue(8);
            return;
        }
        lstrcpynW(g_FolderListPath, path, MAX_PATH + 1);
        g_ListType = LIST_FOLDERLIST;
        if (!m_PlaylistFile_SaveZvpl(g_FolderListPath, 1, 1, 1, 1)) {
            g_ListType = LIST_FOLDER;
            m_PlaySoundCue(8);
            return;
        }
    } else if (g_ListType == LIST_FOLDERLIST) {
        const wchar_t* name = PathFindFileNameW(g_FolderListPath);
        if (lstrcmpiW(name, m_FolderListName()) != 0 || !PathFileExistsW(g_FolderListPath) ||
            !DeleteFileW(g_FolderListPath))
            return;
        g_ListType = LIST_FOLDER;
        g_FolderListMg = 0;
        g_ListResumeOn = 0;
    } else {
        return;
    }
    m_AfterListTypeChange();
}

void m_ListResumeToggle()
{
    if (g_ListType != LIST_ZVPL && g_ListType != LIST_FOLDERLIST) return;
    g_ListResumeOn = !g_ListResumeOn;
    const wchar_t* list = g_ListType == LIST_FOLDERLIST ? g_FolderListPath : g_ListPath;
    if (list[0]) m_ListFile_SaveList(list);
}

void m_ClearListResume(UINT id)
{
    const bool folderList = id == 4141;
    if (folderList && g_ListType != LIST_FOLDERLIST) return;
    const wchar_t* list = folderList ? g_FolderListPath : g_ListPath;
    if (list[0]) m_ListFile_WriteListResume(list, L"0");
    m_Resume_Save();
}

int m_FileCommand(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4128:
        case 4129:
        case 4130:
            g_ExecOps.OpenDialog(static_cast<int>(c.Id - 4128), GetKeyState(VK_CONTROL) < 0);
            return 1;
        case 4132:
        case 4133:
        case 4134: {
            static const int kResume[] = {1, 0, -1};
            g_ExecOps.CloseFile(1, 1, kResume[c.Id - 4132], 1);
            return 1;
        }
        case 4135:
            g_ExecOps.ReopenMediaFile(1);
            return 1;
        case 4136:
        case 4162:
            g_ExecOps.FileTool(6);
            return 1;
        case 4137:
            g_ExecOps.OpenParentFolder();
            return 1;
        case 4138:
        case 9473:
            g_ExecOps.Launcher_Toggle();
            return 1;
        case 4139:
            m_FolderListSwitch();
            return 1;
        case 4140:
            m_ListResumeToggle();
            return 1;
        case 4141:
        case 4143:
            m_ClearListResume(c.Id);
            return 1;
        case 4146:
        case 4147:
            g_ExecOps.OpenAlone(c.Id == 4147);
            return 1;
    }
    // The file tools: 0 rename, 1..3 the list file, 4..5 the media file,
    // 7 the chapter export.
    static const UINT kTools[][2] = {{4156, 0}, {4157, 1}, {4158, 2}, {4159, 3},
                                     {4160, 4}, {4161, 5}, {4165, 7}};
    for (const auto& row : kTools)
        if (c.Id == row[0]) {
            g_ExecOps.FileTool(static_cast<int>(row[1]));
            return 1;
        }
    return 0;
}

void m_RefreshMarkMenus()
{
    m_Menu_UpdateChapters(m_Menu_Remembered(kMenuIdChapters), 0, 1);
    m_Menu_UpdateRanges(m_Menu_Remembered(kMenuIdRanges), 0, 1);
    m_Menu_UpdateMarkers(m_Menu_Remembered(kMenuIdMarkers), 1);
    m_Menu_UpdateSeekBarMenu();
}

}  // namespace

int m_MenuCmd_File(const SMENUCHOICE& c) { return m_FileCommand(c); }

int m_MenuCmd_Marks(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4346:
        case 4357:
            g_Playlist.m_SetCheckMode(!g_Playlist.m_CheckMode);
            g_Playlist.m_CountCheckedChapters(g_PlayingTrack);
            m_Menu_UpdatePlaylist(m_Menu_Remembered(kMenuIdPlaylist), 1, 1);
            m_Menu_UpdateChapters(m_Menu_Remembered(kMenuIdChapters), 1, 1);
            return 1;
        case 4353:
        case 4354:
            m_Stream_SelectKept();
            m_Menu_UpdateStreams(m_Menu_Remembered(2326), 1);
            return 1;
        case 4359:
        case 4377:
            g_ExecOps.Chapter_AddCurrent(-1);
            break;
        case 4378:
            g_ExecOps.Chapter_DeleteCurrent();
            break;
        case 4379:
            g_ExecOps.Chapter_Reset(g_PlayingTrack, 1);
            break;
        case 4398:
        case 4399:
            g_ExecOps.PlayRange_AddCurrent(g_Settings.Common_RngAtRel, 1);
            break;
        case 4400:
            g_ExecOps.PlayRange_Command(5, 1);
            break;
        case 4401:
            g_ExecOps.PlayRange_Command(6, 1);
            break;
        case 4402:
            g_ExecOps.PlayRange_Command(0, 1);
            break;
        case 4407:
        case 4408:
            g_ExecOps.Marker_AddCurrent();
            break;
        default:
            return 0;
    }
    if (!c.Closes) m_RefreshMarkMenus();
    return 1;
}

int m_MenuCmd_Tools(const SMENUCHOICE& c)
{
    switch (c.Id) {
        case 4286:
            g_ExecOps.Capture_ByPreset(0);
            return 1;
        case 4287:
            g_ExecOps.Capture_SaveAs(-1);
            return 1;
        case 4288:
            g_ExecOps.Capture_ToClipboard(-1);
            return 1;
        case 4291:
        case 4292:
        case 4293:
            m_Capture_PresetCommand(static_cast<int>(c.Id - 4291));
            return 1;
        case 4996:
            g_ExecOps.Bind_ShowTable();
            return 1;
        case 4997:
            g_ExecOps.Settings_Rewrite();
            return 1;
        case 4998:
            g_ExecOps.ChooseColour();
            return 1;
    }
    return m_JumpList_MenuCommand(c.Id, c.Mode, c.Closes);
}
