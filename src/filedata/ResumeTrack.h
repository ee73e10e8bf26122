// The playing entry's own resume record in its .zvpl or folder list.
#pragma once
#include <windows.h>

// Writes the entry's RESUME to [TRACK_n] of the open list (saving a changed
// list first); deletes the key when the entry has no record. 1 when written.
int m_Resume_WriteTrack();
