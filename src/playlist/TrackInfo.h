// One playlist track: the media file's path and names, its duration, its
// chapters, ranges and markers (arrays the track owns), its check states,
// and the resume record and property level read for it from its list file.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"
#include "filedata/ResumeInfo.h"
#include "playback/VideoProps.h"

constexpr int kTrackNameCap = 129;    // display name, terminator included
constexpr int kTrackElidedCap = 130;  // elided name, terminator included

struct STRACKINFO {
    UINT Unchecked;  // skipped in check mode
    UINT Scanned;    // the duration scan has read it
    UINT Missing;    // the file did not exist when the list was read
    int ChapterCount;
    SCHAPTERITEM* Chapters;  // owned, or null
    UINT ChapterUnchecked[kFileInfoItemCap];
    UINT ChaptersFromInfo;  // from the information file, not the media file
    UINT CheckedChapters;
    UINT ChaptersNamed;
    int RangeCount;
    SPLAYRANGEITEM* Ranges;  // owned, or null
    int MarkerCount;
    SMARKERITEM* Markers;  // owned, or null
    int LoadedIndex;       // index at the last load or save; -1 added since
    UINT Seconds;
    INT64 Milliseconds;  // 0 unknown
    wchar_t Path[MAX_PATH + 1];
    wchar_t Name[kTrackNameCap];  // from the list file; empty: show the file name
    wchar_t Elided[kTrackElidedCap];
    UINT HasResume;
    UINT SettingsPresent;
    SRESUMEINFO Resume;
    SVIDEOPROPSET Props;  // the track's own (SNGL) level
};

// Releases the track's chapter, range and marker arrays and zeroes it.
void m_Track_Release(STRACKINFO* track);
// Releases the arrays only (pointers and counts zeroed), for a slot that is
// about to be zeroed and filled anew.
void m_Track_FreeArrays(STRACKINFO* track);
