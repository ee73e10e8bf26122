// The resume store "Resume.dat" and the resume records of the open item:
// loaded at open, saved at close and at intervals, restored or deleted.
#pragma once
#include <windows.h>

#include "filedata/ResumeInfo.h"

// The records of the open item: the Resume.dat record as loaded and as
// last written, the list's own record as loaded and as last written, the
// record in force, and a second copy of the list's.
extern SRESUMEINFO g_ResumeCurrent;
extern SRESUMEINFO g_ResumeCurrentSaved;
extern SRESUMEINFO g_ResumeList;
extern SRESUMEINFO g_ResumeListSaved;
extern SRESUMEINFO g_ResumeOpen;
extern SRESUMEINFO g_ResumeListOpen;

// The open list keeps a record of its own; its folder's list manages the
// folder and lists the single file; an unsaved list of opened files.
extern UINT g_ListResumeOn;
extern UINT g_FolderListMg;
extern UINT g_FolderListHasFile;
extern UINT g_OpenFilesMode;
// The open was positioned from outside: a start position given, a bookmark
// opened, the file reopened as its parent folder.
extern UINT g_StartPosGiven;
extern UINT g_BookmarkOpened;
extern UINT g_ParentFolderOpened;

// Where Resume.dat lies ([Common] "Spf"), and the tick of the last save.
extern wchar_t g_ResumeFilePath[MAX_PATH + 1];
extern DWORD g_ResumeLastSaveTick;

// The section of the store.
constexpr const wchar_t* kResumeSection = L"ZENTAVIO_RESUME";

void m_GetResumeFilePath();

// The record stored for a path: 1 when one was found. The out record holds
// the path's key in any case.
int m_Resume_Lookup(const wchar_t* path, SRESUMEINFO* out, int folderListFirst,
                    int useFolderSetting);
// The file's record in its folder's list; 1 when there is one.
int m_Resume_FindInFolderList(const wchar_t* path, SRESUMEINFO* out, UINT* folderListFlag,
                              UINT* listedFlag);
// At open: fills the current, list and open records and their saved copies.
void m_Resume_LoadCurrent();
// A record of the playback state now; 1 when any group was filled.
int m_Resume_MakeRecord(SRESUMEINFO* out, int renumber);

// The three close actions, by the close's resume mode: save (also the
// auto-save timer), restore what the stores held at open, delete.
void m_Resume_Save();
void m_Resume_Restore();
void m_Resume_Delete();
// The close's resume step: 0 restores (only with auto-save on), -1
// deletes, any other value saves.
void m_Resume_OnClose(int resumeMode);
// Clears the six records and the open item's resume flags.
void m_Resume_ClearOpenItem();

// A changed Resume.dat record: the old key (0: none) deleted and the text
// (empty: none) appended under the key, in one rewrite of the store where
// it can take it; failures are logged.
void m_Resume_ReplaceKey(UINT64 oldKey, UINT64 key, const wchar_t* text);

// Trims Resume.dat to [Common] "MaxRsm", oldest records first.
void m_Resume_CutDataSize();
