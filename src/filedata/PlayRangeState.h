// The play-range state that other windows read. Grows with the play-range
// code.
#pragma once

// Index of the stored range whose bounds equal the current bounds, -1 none.
extern int g_PlayRangeIndex;
