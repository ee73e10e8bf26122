// Timing helpers shared by the benchmarks.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds on the performance counter since an arbitrary start.
inline double m_Now()
{
    LARGE_INTEGER freq, now;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The middle value of a run of measurements (the upper one of an even run).
inline double m_Median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
