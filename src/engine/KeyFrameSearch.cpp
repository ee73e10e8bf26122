// Key-frame table searches.
#include "engine/KeyFrameSearch.h"

namespace {

// Narrows lo..hi to the pair of entries around the value.
template <class T>
void m_Bracket(const T* table, int n, T value, int* lo, int* hi)
{
    int l = 0, h = n - 1;
    while (h - l >= 2) {
        const int mid = l + (h - l) / 2;
        if (table[mid] >= value) h = mid;
        if (table[mid] <= value) l = mid;
    }
    *lo = l;
    *hi = h;
}

// The choice between the two neighbours; a tie takes the earlier.
template <class T>
T m_Choose(const T* table, int n, T value, int direction)
{
    // Past the last entry only the last one lies behind; before the first
    // only the first lies ahead.
    if (value > table[n - 1]) return table[n - 1];
    if (value < table[0]) return table[0];
    int lo = 0, hi = 0;
    m_Bracket(table, n, value, &lo, &hi);
    if (direction > 0) return table[hi];
    if (direction < 0) return table[lo];
    return (table[hi] - value < value - table[lo]) ? table[hi] : table[lo];
}

}  // namespace

DWORD m_KeyFrame_SearchMs(const DWORD* table, int n, DWORD ms, int direction)
{
    if (!table || n <= 0) return kKeyFrameNoMs;
    if (ms == table[0] || ms == table[n - 1]) return ms;
    if (ms > table[n - 1] && direction > 0) return kKeyFrameNoMs;
    if (ms < table[0] && direction < 0) return kKeyFrameNoMs;
    return m_Choose(table, n, ms, direction);
}

LONGLONG m_KeyFrame_SearchTime(const LONGLONG* table, int n, LONGLONG time, int direction)
{
    if (!table || n <= 0) return kKeyFrameNoTime;
    if (time == table[0] || time == table[n - 1]) return time;
    if (time > table[n - 1] && direction > 0) return -2;
    if (time < table[0] && direction < 0) return 0;
    return m_Choose(table, n, time, direction);
}

LONG m_KeyFrame_NearestSample(LONG sample, LONG previous, LONG next)
{
    if (previous < 0) return next < 0 ? -1 : next;
    if (next < 0) return previous;
    return (next - sample > sample - previous) ? previous : next;
}

void m_KeyFrame_MakeTables(LONGLONG* times, DWORD* ms, int n)
{
    if (n <= 0) return;
    const LONGLONG first = times[0];
    for (int i = 0; i < n; ++i) {
        times[i] -= first;
        ms[i] = static_cast<DWORD>(times[i] / 10000) + (i ? 1 : 0);
    }
}
