// The RESUME keys of list files: the list-level record of a .zvpl or
// folder-management list and a track's own record in its folder's list.
#pragma once
#include <windows.h>

// A media file's RESUME in its folder's management list: 1 with the text
// when the list has FILEMG set and lists the file with a RESUME other than
// "-". The flags say whether the list manages the folder and lists the file.
int m_ListFile_FindTrackResume(const wchar_t* mediaPath, wchar_t* text, int cap,
                               UINT* folderListFlag, UINT* listedFlag);
// Writes a track's RESUME in its folder's list; null or "" deletes it.
int m_ListFile_WriteTrackResume(const wchar_t* mediaPath, const wchar_t* text);
// Brings the media file's folder list up to date with the folder's files
// (with backup), so that the file gets its entry; -1 when the folder has no
// list, else the re-sync's result.
int m_ListFile_SyncFolderListOf(const wchar_t* mediaPath);
// The list-level RESUME of a list file; 1 when one was read.
int m_ListFile_ReadListResume(const wchar_t* listPath, wchar_t* text, int cap);
// Writes the list-level RESUME ("0" for none).
int m_ListFile_WriteListResume(const wchar_t* listPath, const wchar_t* text);
// Saves the open list to its file with its resume.
int m_ListFile_SaveList(const wchar_t* listPath);
