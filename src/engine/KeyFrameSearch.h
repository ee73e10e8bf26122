// Searching a sorted key-frame table for the key frame before, after or
// nearest to a time. Plain arithmetic, kept apart so it can be tested
// without a graph.
#pragma once
#include <windows.h>

constexpr DWORD kKeyFrameNoMs = 0xFFFFFFFF;
constexpr LONGLONG kKeyFrameNoTime = -1;

// The key frame in the ms table (ascending, n > 0) for the direction: > 0 the
// next, < 0 the previous, 0 the nearest (a tie takes the earlier);
// kKeyFrameNoMs when there is none in that direction.
DWORD m_KeyFrame_SearchMs(const DWORD* table, int n, DWORD ms, int direction);

// The same on the 100 ns table; -2 past the last key frame going forward, 0
// before the first going back (the start of the file).
LONGLONG m_KeyFrame_SearchTime(const LONGLONG* table, int n, LONGLONG time, int direction);

// Between the previous and the next key-frame sample of the AVI index: a tie
// takes the next; a side that was not found (-1) yields to the other; -1
// when neither was found.
LONG m_KeyFrame_NearestSample(LONG sample, LONG previous, LONG next);

// Key-frame times made relative to the first (which becomes 0) and the ms
// table from them: entry 0 as time / 10,000, later entries one more (rounded
// up).
void m_KeyFrame_MakeTables(LONGLONG* times, DWORD* ms, int n);
