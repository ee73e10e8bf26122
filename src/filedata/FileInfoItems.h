// The records of one media file's data: chapters, play ranges and markers
// and their container SFILEINFO, as the information file, the playlist
// tracks and the seek bar carry them.
#pragma once
#include <windows.h>

#include "engine/Chapters.h"  // SCHAPTERITEM

constexpr int kFileInfoItemCap = 199;  // items of one kind in a file
constexpr int kFileInfoNameCap = 64;   // characters of a range or marker name, terminator included

struct SPLAYRANGEITEM {
    int start;  // ms; -1 not set (the file's start)
    int end;    // ms; -1 the end of the file
    wchar_t name[kFileInfoNameCap];
};

struct SMARKERITEM {
    int position;  // ms
    wchar_t name[kFileInfoNameCap];
};

// The data of one media file; cleared by zeroing every byte.
struct SFILEINFO {
    UINT Length;  // ms
    UINT ChapterCount;
    SCHAPTERITEM Chapters[kFileInfoItemCap];
    UINT RangeCount;
    SPLAYRANGEITEM Ranges[kFileInfoItemCap];
    UINT MarkerCount;
    SMARKERITEM Markers[kFileInfoItemCap];
};

void m_FileInfo_Clear(SFILEINFO* info);
