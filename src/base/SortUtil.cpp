#include "base/SortUtil.h"

#include <shlwapi.h>
#include <string.h>

#include <algorithm>
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

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

wchar_t UpperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? (wchar_t)(c - 32) : c; }

// A cheap guess at the natural order (digit runs by value, ASCII without
// case, the rest by code): it only arranges the texts so that the real
// comparison, which costs far more, has little left to do.
bool GuessLess(const wchar_t* a, const wchar_t* b)
{
    while (*a && *b) {
        if (IsDigit(*a) && IsDigit(*b)) {
            while (*a == L'0') ++a;
            while (*b == L'0') ++b;
            int la = 0, lb = 0;
            while (IsDigit(a[la])) ++la;
            while (IsDigit(b[lb])) ++lb;
            if (la != lb) return la < lb;
            for (int i = 0; i < la; ++i) {
                if (a[i] != b[i]) return a[i] < b[i];
            }
            a += la;
            b += lb;
            continue;
        }
        const wchar_t x = UpperAscii(*a), y = UpperAscii(*b);
        if (x != y) return x < y;
        ++a;
        ++b;
    }
    return *b != 0;
}

int CompareLogical(const wchar_t* const* texts, int a, int b)
{
    return StrCmpLogicalW(TextOrEmpty(texts[a]), TextOrEmpty(texts[b]));
}

// Merges the sorted runs [lo, mid) and [mid, hi) of order through scratch.
void MergeRuns(const wchar_t* const* texts, int* order, int lo, int mid, int hi, int* scratch)
{
    if (CompareLogical(texts, order[mid - 1], order[mid]) <= 0) return;
    int i = lo, j = mid, k = 0;
    while (i < mid && j < hi)
        scratch[k++] = CompareLogical(texts, order[j], order[i]) < 0 ? order[j++] : order[i++];
    while (i < mid) scratch[k++] = order[i++];
    while (j < hi) scratch[k++] = order[j++];
    memcpy(order + lo, scratch, sizeof(int) * k);
}

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

void m_SortIndexByKey(const INT64* keys, int* order, int count)
{
    if (!keys || !order) return;
    for (int i = 0; i < count; ++i) order[i] = i;
    QuickSort(order, 0, count - 1, [keys](int a, int b) { return keys[a] < keys[b]; });
}

// The guess first, then a merge of the runs the real comparison finds in
// it: when the guess was right that is one comparison per text, and the
// result is sorted by StrCmpLogicalW whatever the guess did.
void m_SortIndexLogical(const wchar_t* const* texts, int* order, int* scratch, int count)
{
    if (!texts || !order || !scratch || count <= 0) return;
    for (int i = 0; i < count; ++i) order[i] = i;
    std::sort(order, order + count, [texts](int a, int b) {
        return GuessLess(TextOrEmpty(texts[a]), TextOrEmpty(texts[b]));
    });
    // Run starts, then count as the end of the last run.
    int* starts = scratch + count;
    int runs = 0;
    starts[runs++] = 0;
    for (int i = 1; i < count; ++i) {
        if (CompareLogical(texts, order[i - 1], order[i]) > 0) starts[runs++] = i;
    }
    while (runs > 1) {
        int kept = 0;
        for (int r = 0; r < runs; r += 2) {
            if (r + 1 < runs) {
                const int hi = r + 2 < runs ? starts[r + 2] : count;
                MergeRuns(texts, order, starts[r], starts[r + 1], hi, scratch);
            }
            starts[kept++] = starts[r];
        }
        runs = kept;
    }
}
