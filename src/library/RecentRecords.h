// The history's records (oldest first), as the file-move history looks
// through them for files that moved and the history menus list them.
#pragma once
#include <windows.h>

// Existence states of a record.
enum {
    RECENT_UNTESTED = 0,
    RECENT_EXISTS = 1,
    RECENT_MISSING = -1,
    RECENT_FOUND_MOVED = 2,
};

constexpr int kRecentRecordCap = 400;

struct SRECENTITEM {
    int State;       // RECENT_*
    int Minutes;     // play time
    int Pin;         // pinned: listed apart in the most-played menu
    int DeleteMark;  // to be removed; no menu lists it
    int Shown;       // listed in the recent menu
    int MenuPos;     // its place there, from 1
    wchar_t Path[MAX_PATH + 1];
};

int m_Recent_GetRecordCount();
// The record, null outside the table.
SRECENTITEM* m_Recent_GetRecord(int index);
// The record's path; an empty text outside the table.
const wchar_t* m_Recent_GetRecordPath(int index);
int m_Recent_GetRecordState(int index);
void m_Recent_SetRecordState(int index, int state);
// Minutes the entry was played; 0 outside the table.
int m_Recent_GetRecordMinutes(int index);
void m_Recent_SetRecordMinutes(int index, int minutes);

// Adds a record as the newest (until the history store is built, the only
// way records arrive); 0 when the table is full.
int m_Recent_AddRecord(const wchar_t* path);
void m_Recent_ClearRecords();
// Enters a path as the newest record with its play minutes: a record of the
// same path (letter case aside) moves there; a full table lets its oldest go.
void m_Recent_Add(const wchar_t* path, int minutes);

// Marks of the history menus: an entry marked for deletion goes when the
// menu closes; the pin keeps it at the top of the most-played list.
int m_Recent_GetDeleteMark(int index);
void m_Recent_SetDeleteMark(int index, int on);
int m_Recent_TogglePin(int index);
int m_Recent_GetPin(int index);
// Removes the entries marked for deletion; how many went.
int m_Recent_RemoveMarked();
