// The file-move history ([FileMove]): where files or folders were moved
// to, so that a missing media file can be found again under its new path.
// On only while [Common] MvLog is at least 1; MvLog is its size (at most 32).
#pragma once
#include <windows.h>

constexpr int kFileMoveCap = 32;

struct SFILEMOVEITEM {
    wchar_t OldPath[261];
    wchar_t NewPath[261];
    wchar_t Third[261];  // kept from the file and written back, never set here
};

// Oldest first, newest last.
extern SFILEMOVEITEM g_FileMoves[kFileMoveCap];
extern int g_FileMoveCount;

// Reads the section (once a run, and only while the history is on).
void m_FileMove_Read();
// Writes Count and the entries and deletes the keys past them.
void m_FileMove_Write();
// Records a move, cut to the highest folder that moved (with parents, the
// folders of both paths are recorded); an equal move becomes the newest.
// Writes the section when asked. 1 when the history changed.
int m_FileMove_Record(const wchar_t* oldPath, const wchar_t* newPath, int write, int parents);
// The newest recorded move of a folder holding the missing path that gives
// an existing new path: 1 with that path (when out is given) and the
// entry's index (when asked).
int m_FileMove_Find(wchar_t* out, int size, const wchar_t* missingPath, int* outIndex);
// Makes the entry the newest; 0 when the index is out of range or already
// the newest.
int m_FileMove_MoveToEnd(int index);
// Finds missing playlist tracks again through the history of recent files
// and the recorded moves.
void m_FileMove_RelinkPlaylist();
// Forgets what was read, so that the next use reads the section again.
void m_FileMove_Forget();
