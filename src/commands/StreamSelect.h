// Choosing among a file's video, audio and subtitle streams.
#pragma once
#include <windows.h>

#include "engine/StreamTable.h"

// The choice after the last change, for a reopen to make again.
struct SSTREAMSELECTION {
    int Count;  // streams recorded, at most 16
    DWORD Enabled[kStreamTableCap];
    int Changed;                 // 1 after a choice here, 0 after a return to the default
    wchar_t Path[MAX_PATH + 1];  // the file the choice was made on
};
extern SSTREAMSELECTION g_StreamKept;
// The default choice: the enabled word of each stream.
extern DWORD g_StreamDefault[kStreamTableCap];

// n > 0 stream n - 1; 0 the default choice; -1, -2, -3 the next video,
// audio or subtitle stream; other negatives the next stream of kind 0.
// 0 without an engine, else 1.
int m_Stream_Select(int n);
// 1 when a subtitle stream other than the marked (no-subtitles) one is on.
int m_Stream_IsSubtitleOn();
// Selects the subtitle stream at index among the subtitle streams (-1 the
// marked one); the index of the one on before, or -1 when nothing was done.
int m_Stream_SelectInGroup(int index, int flag);
// Makes every stream of the kept choice the enabled one of its kind again.
void m_Stream_SelectKept();
// The current choice becomes the default one.
void m_Stream_StoreDefault();
// After the engine opened path: a reopen of the file the kept choice was
// made on makes a changed choice again; another file starts afresh, its
// default the engine's own choice.
void m_Stream_OnOpened(const wchar_t* path);

// What cycling a kind picks in a table: the chosen index (-1 none), its
// number among the streams of its kind, and how many there are.
struct SSTREAMCYCLE {
    int Chosen;
    int Number;
    int KindCount;
};
SSTREAMCYCLE m_Stream_Cycle(const SSTREAMITEM* table, int count, DWORD kind);

// The subtitle streams of a table: first, first enabled, last marked, last
// (each -1 when none) and their number.
struct SSUBTITLEGROUP {
    int First;
    int FirstEnabled;
    int LastMarked;
    int Last;
    int Count;
};
SSUBTITLEGROUP m_Stream_SubtitleGroup(const SSTREAMITEM* table, int count);
// The stream m_Stream_SelectInGroup goes to; -1 when it does nothing.
int m_Stream_GroupTarget(const SSUBTITLEGROUP& group, int index);
// The kept choice of a table.
void m_Stream_Keep(const SSTREAMITEM* table, int count, SSTREAMSELECTION* kept);
// 1 when path names the file the kept choice was made on.
int m_Stream_IsReopen(const SSTREAMSELECTION& kept, const wchar_t* path);
