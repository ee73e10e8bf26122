#include "base/SortUtil.h"

#include <shlwapi.h>
#include <utility>

namespace {

// Quicksort on the middle element. The smaller side is sorted by recursion
// and the larger one by the loop, so the stack stays shallow on any input.
template <typename T, typename Less>
void QuickSort(T* items, int lo, int hi, Less less)
{
    while (lo < hi) {
        T pivot = items[lo + (hi - lo) / 2];
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (less(items[i], pivot)) ++i;
            while (less(pivot, items[j])) --j;
            if (i <= j) {
                if (i != j) std::swap(items[i], items[j]);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            QuickSort(items, lo, j, less);
            lo = i;
        } else {
            QuickSort(items, i, hi, less);
            hi = j;
        }
    }
}

const wchar_t* TextOrEmpty(const wchar_t* text) { return text ? text : L""; }

}  // namespace

void m_SortFileRecords(SFILERECORD* records, int lo, int hi, int mode)
{
    if (!records) return;
    if (mode == 1) {
        QuickSort(records, lo, hi,
                  [](const SFILERECORD& a, const SFILERECORD& b) { return a.key < b.key; });
    } else {
        QuickSort(records, lo, hi, [](const SFILERECORD& a, const SFILERECORD& b) {
            return StrCmpLogicalW(a.path, b.path) < 0;
        });
    }
}

void m_SortPathsLogical(SPATHRECORD* records, int lo, int hi)
{
    if (!records) return;
    QuickSort(records, lo, hi, [](const SPATHRECORD& a, const SPATHRECORD& b) {
        return StrCmpLogicalW(TextOrEmpty(a.name), TextOrEmpty(b.name)) < 0;
    });
}

void m_SortByTime(STIMERECORD* records, int lo, int hi)
{
    if (!records) return;
    QuickSort(records, lo, hi,
              [](const STIMERECORD& a, const STIMERECORD& b) { return a.time < b.time; });
}
