// The playing entry's own resume record in its .zvpl or folder list, and a
// single file's record in its folder's list.
#pragma once
#include <windows.h>

// Writes the entry's RESUME to [TRACK_n] of the open list (saving a changed
// list first); deletes the key when the entry has no record. 1 when written.
// A refused write is logged and leaves the save pending.
int m_Resume_WriteTrack();
// Writes (non-empty text) or deletes (null or "") the RESUME of the open
// single file's entry in its folder's management list; the list takes the
// folder's files first when it does not list the file yet. The entry is
// found as the read finds it, whatever the case of its PATH.
void m_Resume_WriteFolderListTrack(const wchar_t* text);
