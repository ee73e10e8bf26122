// Storage helpers shared by the settings lists: zeroed heap arrays, copies
// between a live list and its snapshot, and the Count and numbered keys of
// a list section.
#pragma once
#include <windows.h>

#include <new>
#include <string.h>

// A zeroed array of count records; null for 0 records or when out of memory.
template <class T>
T* m_List_New(int count)
{
    if (count <= 0) return nullptr;
    return new (std::nothrow) T[count]();
}

// Makes dst a copy of src (null and 0 when src is empty or memory runs out).
template <class T>
void m_List_Assign(T*& dst, int& dstCount, const T* src, int srcCount)
{
    T* copy = src ? m_List_New<T>(srcCount) : nullptr;
    if (copy) memcpy(copy, src, sizeof(T) * srcCount);
    delete[] dst;
    dst = copy;
    dstCount = copy ? srcCount : 0;
}

// 1 when both lists hold the same count and bytes.
template <class T>
int m_List_Equal(const T* a, int aCount, const T* b, int bCount)
{
    if (aCount != bCount) return 0;
    if (aCount <= 0) return 1;
    return a && b && memcmp(a, b, sizeof(T) * aCount) == 0;
}

// Count of a list section, cut to cap; -1 when missing or negative.
int m_ListIni_ReadCount(const wchar_t* section, int cap);
void m_ListIni_WriteCount(const wchar_t* section, int count);
// Value of the numbered key "<index><suffix>" (suffix may be empty).
void m_ListIni_Read(const wchar_t* section, int index, const wchar_t* suffix, wchar_t* out,
                    int size);
void m_ListIni_Write(const wchar_t* section, int index, const wchar_t* suffix,
                     const wchar_t* value);
// Deletes the keys "<n><suffix>" for n from first up to last - 1.
void m_ListIni_DeleteKeys(const wchar_t* section, const wchar_t* suffix, int first, int last);
