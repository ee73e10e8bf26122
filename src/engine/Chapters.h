// Chapter arithmetic of the engine: the chapter list from a source's
// markers, chapter lengths, the chapter at a position and the delay of the
// timer that reports a change of chapter. No DirectShow here.
#pragma once
#include <windows.h>

constexpr int kChapterTableCap = 199;
constexpr int kChapterNameCap = 128;

struct SCHAPTERITEM {
    double Start;   // seconds
    double Length;  // seconds
    wchar_t Name[kChapterNameCap];
    // The chapter's unchecked flag while a track's chapter array is rebuilt;
    // never stored in a file.
    UINT Check;
};

// items[0..count-1] hold the markers in order; room for count + 1 items.
// Puts a chapter at 0 in front when the first marker lies after 1 s, else
// moves the first start to 0; no markers give one chapter at 0. The count.
int m_Chapters_StartAtZero(SCHAPTERITEM* items, int count);

// Each length up to the next start, the last up to the duration; never < 0.
void m_Chapters_FillLengths(SCHAPTERITEM* items, int count, double duration);

// Copies at most the table's capacity; the number copied.
int m_Chapters_Copy(SCHAPTERITEM* table, const SCHAPTERITEM* items, int count);

// The chapter at t seconds. *selected (the chapter last jumped to, -1 for
// none) holds near its start and is dropped once t leaves it or lies more
// than 1 s into it.
int m_Chapters_IndexAt(const SCHAPTERITEM* items, int count, double duration, double t, int running,
                       int* selected);

// 100 ns from position to shortly before the next chapter; -1 in the last.
LONGLONG m_Chapters_Rest(const SCHAPTERITEM* items, int count, int index, LONGLONG position,
                         int running);

// The chapter timer's next delay in ms: half the rest at the play rate
// (percent), 10 ms to 60 s.
UINT m_Chapters_TimerDelay(LONGLONG rest, int rate);
