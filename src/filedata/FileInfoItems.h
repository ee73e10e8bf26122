// The play-range and marker records of a media file, as the seek bar takes
// them. Grows with the per-file information code.
#pragma once
#include <windows.h>

constexpr int kFileInfoItemCap = 199;  // items of one kind in a file
constexpr int kFileInfoNameCap = 64;   // characters of a name, terminator included

struct SPLAYRANGEITEM {
    int start;  // ms; -1 not set (the file's start)
    int end;    // ms; -1 the end of the file
    wchar_t name[kFileInfoNameCap];
};

struct SMARKERITEM {
    int position;  // ms
    wchar_t name[kFileInfoNameCap];
};
