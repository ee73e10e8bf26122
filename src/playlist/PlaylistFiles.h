// List files read into and written from the playlist's track array.
#pragma once
#include <windows.h>

#include "filedata/ResumeInfo.h"

// A .zvpl (or, with [Main] "Lgcy", a legacy) list: replace or append; the
// list-level record filled when replacing; 1 when the file was taken, 0 when
// it is not such a list.
int m_PlaylistFile_ReadZvpl(const wchar_t* path, int replace, SRESUMEINFO* record,
                            int checkExistence, int skipMissing, int* skipped, int skipDuplicates);
// An M3U or M3U8 list, replacing or appending; always 1.
int m_PlaylistFile_ReadM3u(const wchar_t* path, int replace);
// The track array as a .zvpl list (resume mode 0 keeps the old file's
// per-track RESUME, 1 writes the tracks' own) or as M3U; 1 on success.
int m_PlaylistFile_WriteZvpl(const wchar_t* path, int backup, int relative, int resumeMode);
int m_PlaylistFile_WriteM3u(const wchar_t* path);
// Opens the folder's management list: its entries whose files exist, then
// the folder's other playable files; the file is brought up to date when
// entries were dropped or files added. 0 when the folder has no such list.
// g_FolderListPath names the folder's list either way.
int m_PlaylistFile_OpenFolderList(const wchar_t* folder, SRESUMEINFO* record);
// Brings a folder-management list on disk (not the open one) up to date
// with its folder's playable files: entries keep their name, time, RESUME
// and check states by path, gone files are dropped, new ones added; with
// backup a failed write is retried once and the old file kept. 0 when the
// name is not that of a folder-management list, the file is not a list or
// it could not be written.
int m_PlaylistFile_SyncFolderList(const wchar_t* listPath, int backup);
// The track array as a .zvpl list; with after-steps also FILEMG (type 5),
// the list-level RESUME of the current position (when the list keeps one)
// and the saved mark. 1 on success.
int m_PlaylistFile_SaveZvpl(const wchar_t* path, int relative, int backup, int afterSteps,
                            int resumeMode);
// Saves the open list to its own file: M3U (type 3), .zvpl with full paths
// (type 4), the folder-management list with relative paths (type 5). 0 when
// there is nothing to save to (other types, no path, the history playlist)
// or the write failed.
int m_PlaylistFile_SaveCurrent();
