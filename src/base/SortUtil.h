// In-place quicksorts of record arrays between indexes lo and hi (both
// included). Not stable.
#pragma once
#include <windows.h>

#include "base/PathUtil.h"

// A file entry sorted by key or by path.
struct SFILERECORD {
    int index;
    wchar_t path[kPathCap];
    INT64 key;
    void* item;
};

// An entry sorted by the text it points at.
struct SPATHRECORD {
    INT64 index;
    const wchar_t* name;
    INT64 data;
};

// An entry sorted by a time in seconds.
struct STIMERECORD {
    INT64 index;
    double time;
    INT64 data;
};

// Mode 1: by key ascending; other modes: by path in natural order.
void m_SortFileRecords(SFILERECORD* records, int lo, int hi, int mode);
// By the pointed-to text in natural order (a null text sorts as empty).
void m_SortPathsLogical(SPATHRECORD* records, int lo, int hi);
// By time ascending.
void m_SortByTime(STIMERECORD* records, int lo, int hi);
