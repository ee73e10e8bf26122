// The playing entry takes the open file's chapters, play ranges and markers,
// and the seek bar shows them.
#pragma once
#include "filedata/FileInfoItems.h"
#include "playlist/TrackInfo.h"

// Replaces the track's chapter array by a copy of items (at most 199). Each
// chapter's unchecked flag stays with its slot and is carried in the new
// items' check flag; the checked chapters are counted anew. fromInfo: the chapters come from the
// information file, not the media file. The count taken; 0 also when memory
// runs out, with the track's chapters emptied.
int m_Track_TakeChapters(STRACKINFO* track, const SCHAPTERITEM* items, int count, int fromInfo);
// Copies the play ranges and markers of info into the track (those it has
// none of stay as they are); 0 when memory runs out.
int m_Track_TakeRangesAndMarkers(STRACKINFO* track, const SFILEINFO* info);
// After an open: the information file's chapters go to the engine, the
// engine's chapters and the file's ranges and markers to the playing entry,
// and all of them onto the seek bar.
void m_OpenFile_TakeMarks();
