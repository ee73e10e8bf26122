// The shuffle order: several passes over the playlist, worked out once from
// the list's path and count, so that a shuffled play can be taken up again
// in a later run.
#pragma once
#include <windows.h>

#include <cstdint>

// The order: g_ShuffleSize entries, pass p at p x count .. p x count + count - 1;
// null and 0 when there is none.
extern int* g_ShuffleOrder;
extern int g_ShuffleSize;
// The 0-based pass the navigation stands in.
extern int g_ShufflePass;
// The playlist count and the seed the order was built for.
extern int g_ShuffleCount;
extern uint64_t g_ShuffleSeed;

// Passes over a list of n entries; 0 below 3 entries.
int m_Shuffle_Passes(int n);
// Fills out (passes x n entries) with the order of n entries for the seed;
// returns the number of entries written, 0 below 3 entries.
int m_Shuffle_Compute(int n, uint64_t seed, int* out);
// Builds the order of the open list unless it is current (force builds
// anyway).
void m_Shuffle_Build(int force);
// Frees an existing order and resets the pass; nothing without one.
void m_Shuffle_Free();
