// Timing helpers shared by the benchmarks.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>
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

// A fresh scratch folder of this run in the temp folder.
inline std::wstring m_MakeBenchFolder(const wchar_t* prefix)
{
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    std::wstring folder = std::wstring(temp) + prefix + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
