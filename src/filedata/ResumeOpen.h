// What the resume record decides when an item opens: its FILE level, its
// check states, and the entry and position to start at.
#pragma once

// Loads the open item's records and fills the FILE level from the record
// in force.
void m_Resume_LoadAtOpen();
// The entry and position of the record in force, rewound by [Common]
// "RsmRwd" (an entry played to its end starts the next one); track 0 at 0
// without a record. Applies its check states. 1 when it carries a position.
int m_Resume_StartEntry(int* track, int* startMs);
// A play request for "the list's resume entry": 1 with the entry and
// position of the record in force, 0 when the list has none.
int m_Resume_ListEntry(int* track, int* startMs);
