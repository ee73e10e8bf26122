#include "filedata/ResumeStore.h"

#include <string.h>

#include "app/Startup.h"
#include "base/ErrorLog.h"
#include "app/StatusText.h"
#include "base/PathUtil.h"
#include "filedata/DataFiles.h"
#include "library/FolderSetting.h"
#include "filedata/ResumeOpenFiles.h"
#include "filedata/ResumeTrack.h"
#include "filedata/ResumeTrim.h"
#include "filedata/ResumeValue.h"
#include "playback/PlayState.h"
#include "playlist/ListFileKeys.h"
#include "playlist/Playlist.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

SRESUMEINFO g_ResumeCurrent;
SRESUMEINFO g_ResumeCurrentSaved;
SRESUMEINFO g_ResumeList;
SRESUMEINFO g_ResumeListSaved;
SRESUMEINFO g_ResumeOpen;
SRESUMEINFO g_ResumeListOpen;
UINT g_ListResumeOn;
UINT g_FolderListMg;
UINT g_FolderListHasFile;
UINT g_OpenFilesMode;
UINT g_StartPosGiven;
UINT g_BookmarkOpened;
UINT g_ParentFolderOpened;
wchar_t g_ResumeFilePath[MAX_PATH + 1];
DWORD g_ResumeLastSaveTick;

namespace {

void m_KeyName(UINT64 key, wchar_t out[17])
{
    wsprintfW(out, L"%08X%08X", static_cast<UINT>(key >> 32), static_cast<UINT>(key));
}

// The record's text under its key; a failure is logged and the close goes on.
void m_WriteKey(UINT64 key, const wchar_t* text)
{
    wchar_t name[17];
    m_KeyName(key, name);
    if (WritePrivateProfileStringW(kResumeSection, name, text, g_ResumeFilePath)) return;
    if (text)
        m_WriteLog(L"MAIN_%d : Error / WritePrivateProfileString() /%s /%s", __LINE__, name, text);
    else
        m_WriteLog(L"MAIN_%d : Error / WritePrivateProfileString(NULL) /%s", __LINE__, name);
}

int m_IsListType(UINT type) { return type == LIST_ZVPL || type == LIST_FOLDERLIST; }

// The file holding the list's own record: a folder's is its management list.
const wchar_t* m_ListRecordFile()
{
    return g_ListType == LIST_FOLDERLIST && g_FolderListPath[0] ? g_FolderListPath : g_ListPath;
}

// Writes a record back where the list's own record came from.
void m_WriteListRecord(const SRESUMEINFO* record)
{
    wchar_t text[kResumeValueCap] = {};
    if (record->HasData) m_Resume_FormatValue(record, text);
    if (g_ListType == LIST_SINGLE)
        m_Resume_WriteFolderListTrack(text);
    else
        m_ListFile_WriteListResume(m_ListRecordFile(), text[0] ? text : L"0");
}

void m_SaveListRecord()
{
    const int keeps = (m_IsListType(g_ListType) && g_ListResumeOn) ||
                      (g_ListType == LIST_SINGLE && g_FolderListMg);
    if (!keeps) return;
    SRESUMEINFO made;
    m_Resume_MakeRecord(&made, 1);
    if (!m_Resume_Differs(&made, &g_ResumeListSaved)) return;
    if (g_ListType == LIST_ZVPL && g_ListModified) m_ListFile_SaveList(g_ListPath);
    m_WriteListRecord(&made);
    g_ResumeListSaved = made;
}

// The Resume.dat record: the stored one with what this folder keeps of now.
void m_SaveStoreRecord()
{
    SRESUMEINFO stored;
    m_Resume_Lookup(g_ListPath, &stored, 0, 0);
    SRESUMEINFO made;
    m_Resume_MakeRecord(&made, 1);
    SFOLDERSETTING folder;
    m_FolderSetting_Find(g_ListPath, &folder);
    SRESUMEINFO merged = stored;
    m_Resume_Merge(&merged, &made, &folder);
    if (m_Resume_Differs(&merged, &stored)) {
        wchar_t text[kResumeValueCap] = {};
        if (merged.HasData) m_Resume_FormatValue(&merged, text);
        m_Resume_ReplaceKey(stored.HasData ? stored.Key : 0, merged.Key, text);
        g_ResumeCurrentSaved = merged;
    } else if (m_Resume_Differs(&stored, &g_ResumeCurrentSaved)) {
        g_ResumeCurrentSaved = stored;
    }
    g_ResumeLastSaveTick = GetTickCount();
}

}  // namespace

void m_Resume_ReplaceKey(UINT64 oldKey, UINT64 key, const wchar_t* text)
{
    if (text[0]) {
        wchar_t oldName[17], name[17];
        m_KeyName(oldKey, oldName);
        m_KeyName(key, name);
        const wchar_t* removed[] = {oldName};
        if (m_Resume_EditKeys(g_ResumeFilePath, kResumeSection, removed, oldKey ? 1 : 0, name,
                              text) > 0)
            return;
    }
    if (oldKey) m_WriteKey(oldKey, nullptr);
    if (text[0]) m_WriteKey(key, text);
}

void m_GetResumeFilePath()
{
    const wchar_t* folder = g_Settings.Common_SpfDir;
    const int useData = g_Settings.Common_Spf[0] && folder[0] && m_PathExistsKind(folder) == 2;
    if (!useData || !m_JoinFolderName(g_ResumeFilePath, folder, L"Resume.dat"))
        m_JoinFolderName(g_ResumeFilePath, g_ExeFolder, L"Resume.dat");
}

int m_Resume_FindInFolderList(const wchar_t* path, SRESUMEINFO* out, UINT* folderListFlag,
                              UINT* listedFlag)
{
    wchar_t text[kResumeValueCap];
    if (!m_ListFile_FindTrackResume(path, text, kResumeValueCap, folderListFlag, listedFlag))
        return 0;
    if (wcscmp(text, L"-") == 0) return 0;
    m_Resume_ParseRecord(text, out, nullptr);
    return 1;
}

int m_Resume_Lookup(const wchar_t* path, SRESUMEINFO* out, int folderListFirst,
                    int useFolderSetting)
{
    m_Resume_ClearRecord(out);
    if (!path || !path[0]) return 0;
    SFOLDERSETTING folder = {};
    if (useFolderSetting) m_FolderSetting_Find(path, &folder);
    if (folderListFirst && m_Resume_FindInFolderList(path, out, nullptr, nullptr)) return 1;
    out->Key = m_Resume_GetKey(path);
    wchar_t name[17];
    m_KeyName(out->Key, name);
    wchar_t text[kResumeValueCap] = {};
    // Read from the file itself: the profile API parses the whole store
    // for each key.
    m_Resume_ReadKey(g_ResumeFilePath, kResumeSection, name, text, kResumeValueCap);
    if (!text[0]) return 0;
    return m_Resume_ParseRecord(text, out, useFolderSetting ? &folder : nullptr);
}

void m_Resume_LoadCurrent()
{
    if (!g_ListPath[0]) return;
    m_Resume_Lookup(g_ListPath, &g_ResumeCurrent, 0, 1);
    switch (g_ListType) {
        case LIST_FOLDERLIST:
            // The open read the list-level record already, its entry moved
            // past the entries it dropped; reading the file again would
            // undo that when the file could not be brought up to date.
            if (g_ListResumeOn)
                g_ResumeOpen = g_ResumeListOpen = g_ResumeList;
            else
                g_ResumeOpen = g_ResumeCurrent;
            break;
        case LIST_ZVPL: {
            wchar_t text[kResumeValueCap];
            m_Resume_ClearRecord(&g_ResumeList);
            if (m_ListFile_ReadListResume(g_ListPath, text, kResumeValueCap) &&
                m_Resume_ParseRecord(text, &g_ResumeList, nullptr)) {
                g_ResumeOpen = g_ResumeListOpen = g_ResumeList;
            } else {
                g_ResumeOpen = g_ResumeCurrent;
            }
            break;
        }
        case LIST_SINGLE:
            if (m_Resume_FindInFolderList(g_ListPath, &g_ResumeList, &g_FolderListMg,
                                          &g_FolderListHasFile)) {
                g_ResumeListOpen = g_ResumeOpen = g_ResumeList;
                g_ListResumeOn = 1;
            } else {
                g_ResumeOpen = g_ResumeCurrent;
            }
            break;
        case LIST_FOLDER:
            if (!g_ResumeCurrent.HasData && g_Settings.Common_RsmCmpInf &&
                g_Playlist.m_GetCount() > 0) {
                SRESUMEINFO first;
                if (m_Resume_Lookup(g_Playlist.m_GetTrack(0)->Path, &first, 0, 1) &&
                    first.HasData) {
                    first.Key = g_ResumeCurrent.Key;
                    g_ResumeCurrent = first;
                    m_OSD_ShowText(L"READ IN FILE RSMINFO", 0, -1, -1, -1, -1, -1);
                }
            }
            g_ResumeOpen = g_ResumeCurrent;
            break;
        case LIST_M3U:
            g_ResumeOpen = g_ResumeCurrent;
            break;
        default:
            break;
    }
    g_ResumeCurrentSaved = g_ResumeCurrent;
    g_ResumeListSaved = g_ResumeList;
}

void m_Resume_Save()
{
    if (g_PlayState == 0 || g_JumpListStartMode) return;
    if (g_ListType != LIST_UNSAVED && !g_ListPath[0]) return;
    // The open-files list keeps one record per entry, under the entry's key.
    if (g_OpenFilesMode) {
        m_Resume_SaveOpenFiles();
        return;
    }
    const int blocked = (g_ListType == LIST_M3U || g_ListType == LIST_ZVPL) && g_ListModified &&
                        !g_Settings.Common_AtSvPl;
    if (blocked) return;
    if (g_ListType == LIST_FOLDERLIST && g_ListModified) m_ListFile_SaveList(m_ListRecordFile());
    m_SaveListRecord();
    m_SaveStoreRecord();
}

void m_Resume_Restore()
{
    if (g_ListType == LIST_NONE || !g_ListPath[0] || g_OpenFilesMode) return;
    if (g_ListResumeOn && m_Resume_Differs(&g_ResumeList, &g_ResumeListSaved)) {
        m_WriteListRecord(&g_ResumeList);
        g_ResumeListSaved = g_ResumeList;
    }
    if (!m_Resume_Differs(&g_ResumeCurrent, &g_ResumeCurrentSaved)) return;
    wchar_t text[kResumeValueCap] = {};
    if (g_ResumeCurrent.HasData) m_Resume_FormatValue(&g_ResumeCurrent, text);
    m_Resume_ReplaceKey(g_ResumeCurrent.Key, g_ResumeCurrent.Key, text);
    g_ResumeCurrentSaved = g_ResumeCurrent;
}

void m_Resume_Delete()
{
    if (g_ListType == LIST_NONE) return;
    if (g_OpenFilesMode) {
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
            SRESUMEINFO stored;
            if (m_Resume_Lookup(g_Playlist.m_GetTrack(i)->Path, &stored, 0, 0))
                m_WriteKey(stored.Key, nullptr);
        }
        return;
    }
    if (g_ResumeListSaved.HasData) {
        if (g_ListType == LIST_SINGLE && g_FolderListMg)
            m_Resume_WriteFolderListTrack(nullptr);
        else if (m_IsListType(g_ListType) && g_ListResumeOn)
            m_ListFile_WriteListResume(m_ListRecordFile(), L"0");
        m_Resume_ClearRecord(&g_ResumeListSaved);
    }
    if (g_ResumeCurrentSaved.HasData) {
        m_WriteKey(g_ResumeCurrentSaved.Key, nullptr);
        m_Resume_ClearRecord(&g_ResumeCurrentSaved);
    }
}

void m_Resume_OnClose(int resumeMode)
{
    if (g_JumpListStartMode || g_MediaKind == MEDIA_KIND_PICTURE) return;
    if (resumeMode == 0) {
        if (g_Settings.Common_RsmItvl > 0) m_Resume_Restore();
    } else if (resumeMode == -1) {
        m_Resume_Delete();
    } else {
        m_Resume_Save();
    }
}

void m_Resume_ClearOpenItem()
{
    SRESUMEINFO* records[] = {&g_ResumeCurrent,   &g_ResumeCurrentSaved, &g_ResumeList,
                              &g_ResumeListSaved, &g_ResumeOpen,         &g_ResumeListOpen};
    for (SRESUMEINFO* r : records) m_Resume_ClearRecord(r);
    g_ListResumeOn = g_FolderListMg = g_FolderListHasFile = g_OpenFilesMode = 0;
    g_StartPosGiven = g_BookmarkOpened = g_ParentFolderOpened = 0;
}
