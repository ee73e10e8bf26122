#include "engine/Chapters.h"

#include <string.h>

namespace {

constexpr double kLeadInSeconds = 1.0;
constexpr double kSelectedLead = 0.1;
constexpr double kSelectedHold = 1.0;
constexpr double kRunningTolerance = 0.05;
constexpr double kPausedTolerance = 0.001;
constexpr LONGLONG kRunningEarly = 500000;  // 50 ms
constexpr UINT kShortestDelay = 10;
constexpr UINT kLongestDelay = 60000;

double m_EndOf(const SCHAPTERITEM* items, int count, int index, double duration)
{
    return index + 1 < count ? items[index + 1].Start : duration;
}

}  // namespace

int m_Chapters_StartAtZero(SCHAPTERITEM* items, int count)
{
    if (count <= 0) {
        memset(&items[0], 0, sizeof(items[0]));
        return 1;
    }
    if (items[0].Start <= kLeadInSeconds) {
        items[0].Start = 0.0;
        return count;
    }
    memmove(&items[1], &items[0], sizeof(items[0]) * static_cast<size_t>(count));
    memset(&items[0], 0, sizeof(items[0]));
    return count + 1;
}

void m_Chapters_FillLengths(SCHAPTERITEM* items, int count, double duration)
{
    for (int i = 0; i < count; ++i) {
        double length = m_EndOf(items, count, i, duration) - items[i].Start;
        items[i].Length = length < 0.0 ? 0.0 : length;
    }
}

int m_Chapters_Copy(SCHAPTERITEM* table, const SCHAPTERITEM* items, int count)
{
    if (!items || count <= 0) return 0;
    if (count > kChapterTableCap) count = kChapterTableCap;
    memcpy(table, items, sizeof(items[0]) * static_cast<size_t>(count));
    return count;
}

int m_Chapters_IndexAt(const SCHAPTERITEM* items, int count, double duration, double t, int running,
                       int* selected)
{
    int chosen = *selected;
    if (chosen >= 0 && chosen < count) {
        double start = items[chosen].Start;
        if (t >= start - kSelectedLead && t <= m_EndOf(items, count, chosen, duration)) {
            if (t > start + kSelectedHold) *selected = -1;
            return chosen;
        }
    }
    *selected = -1;
    double tolerance = running ? kRunningTolerance : kPausedTolerance;
    int index = 0;
    for (int i = 0; i < count && items[i].Start - tolerance < t; ++i) index = i;
    return index;
}

LONGLONG m_Chapters_Rest(const SCHAPTERITEM* items, int count, int index, LONGLONG position,
                         int running)
{
    if (index < 0 || index + 1 >= count) return -1;
    LONGLONG rest = static_cast<LONGLONG>(items[index + 1].Start * 1e7) - position;
    return running ? rest - kRunningEarly : rest;
}

UINT m_Chapters_TimerDelay(LONGLONG rest, int rate)
{
    LONGLONG ms = rest / 10000;
    // A rate of 0 or less would divide by it; such a graph does not move.
    if (rate > 0 && rate != 100) ms = ms * 100 / rate;
    ms /= 2;
    if (ms < kShortestDelay) return kShortestDelay;
    if (ms > kLongestDelay) return kLongestDelay;
    return static_cast<UINT>(ms);
}
