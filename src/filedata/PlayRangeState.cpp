// The play-range state and the rules of ranges that need no engine.
#include "filedata/PlayRangeState.h"

int g_PlayRangeOn = 0;
int g_PlayRangeStart = -1;
int g_PlayRangeEnd = -1;
int g_PlayRangeIndex = -1;
int g_PlayRangeLastIndex = -1;
int g_PlayRangeSavedStart = -1;
int g_PlayRangeSavedEnd = -1;
int g_PlayRangeSavedLength = 0;
int g_RangeRepeatMode = RANGE_REPEAT_ON;

namespace {

// A step this close to a bound counts as at it.
constexpr int kNearBoundMs = 50;

int StartOf(const SPLAYRANGEITEM& r) { return r.start < 0 ? 0 : r.start; }
int EndOf(const SPLAYRANGEITEM& r, int lengthMs) { return r.end < 0 ? lengthMs : r.end; }

}  // namespace

UINT64 m_PlayRange_Key(const SPLAYRANGEITEM& range)
{
    const UINT64 start = (UINT64)(UINT)StartOf(range);
    const UINT64 end = (UINT64)(UINT)(range.end < 0 ? kPlayRangeOpenEnd : range.end);
    return start << 32 | end;
}

int m_PlayRange_FindByPosOf(const SPLAYRANGEITEM* r, int count, int p, int lengthMs, int lastIndex,
                            int direction)
{
    if (!r || count <= 0) return -1;
    const int last = count - 1;
    if (p <= StartOf(r[0]) + kNearBoundMs || p >= EndOf(r[last], lengthMs) - kNearBoundMs)
        return direction > 0 ? 0 : last;
    if (direction <= 0) {
        if (direction < 0 && lastIndex == 0 && p <= EndOf(r[0], lengthMs) - kNearBoundMs)
            return last;
        int found = 0;
        for (int i = 0; i < count; ++i)
            if (StartOf(r[i]) <= p) found = i;
        return found;
    }
    if (lastIndex == last && p >= StartOf(r[last]) - kNearBoundMs) return 0;
    for (int i = 0; i < count; ++i)
        if (EndOf(r[i], lengthMs) >= p) return i;
    return 0;
}

int m_PlayRange_FrameMs(double framesPerSecond)
{
    if (!(framesPerSecond > 0)) return 1;
    const double ms = 1000.0 / framesPerSecond + 0.5;
    return ms < 1 ? 1 : (int)ms;
}
