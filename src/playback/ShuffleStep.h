// Shuffle play's step to the next or previous entry along the shuffle order.
#pragma once
#include <windows.h>

// direction 0 next, else previous.
void m_Shuffle_Next(int direction);

// The place in the order (n entries, passes of count) that the step goes
// to, from the playing track's place in the current pass; skip marks the
// entries not to play (null: all are played). -1 when there is none.
int m_Shuffle_StepPlace(const int* order, int n, int count, int pass, int playing, int direction,
                        const BYTE* skip);
