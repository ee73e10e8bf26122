// The open and add dialogs for media files, playlists and folders, and the
// steps they share with dropped files.
#pragma once
#include <windows.h>

// Characters of the media dialog's buffer: a multiple choice must fit in it.
constexpr int kOpenDialogBufferCap = 10240;

// The media file dialog: add 0 replaces the playlist, 1 adds to it. The
// last step's result, 0 when cancelled or refused.
int m_OpenFileDialog(HWND owner, int add);
// The playlist file dialog (single choice).
int m_OpenPlaylistDialog(HWND owner, int add);
// The folder picker (several folders may be chosen).
int m_OpenFolderDialog(HWND owner, int add);

// What a dialog buffer holds: one full path, or a folder followed by names,
// each ended by a NUL and the whole by a second NUL.
struct SCHOSENFILES {
    const wchar_t* Folder;  // the first text
    const wchar_t* Cursor;  // the next name; null when done
    int Count;              // names after the folder; 0 for one full path
};
// 0 when the buffer (cap characters) holds no complete choice.
int m_ChosenFiles_Init(SCHOSENFILES* chosen, const wchar_t* buffer, int cap);
// The next full path into out (kPathCap characters): 1, 0 when done, -1 for
// a name that would not fit (skipped, never cut).
int m_ChosenFiles_Next(SCHOSENFILES* chosen, wchar_t* out);

// A folder as "LastDir" keeps it: no trailing backslash except at a drive's
// root, where "C:" alone would name the drive's current folder instead.
void m_DialogFolder_Trim(wchar_t* folder);
// The folder of a chosen file or folder, trimmed.
void m_DialogFolder_Of(const wchar_t* path, wchar_t* out);

// Taking several chosen paths in: when replacing, the current file is
// closed first (keeping its resume data); at the end the playlist is
// refreshed and, when replacing, its first entry opened and played. The end
// returns 1 when it started an open or added tracks.
void m_ChosenPaths_Begin(int add);
int m_ChosenPaths_End(int add);
