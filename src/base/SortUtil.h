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

// Index sorts: order[0..count-1] receives 0..count-1 in the order of the
// keys, which stay where they are; equal keys in no defined order. scratch
// holds 2 * count ints.
// By key ascending.
void m_SortIndexByKey(const INT64* keys, int* order, int count);
// By the texts in natural order (StrCmpLogicalW; a null text sorts as empty).
void m_SortIndexLogical(const wchar_t* const* texts, int* order, int* scratch, int count);
