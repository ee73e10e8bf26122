// The play-range state of the playing file, the range repeat mode, and the
// pure rules of ranges that need no engine (order, the range to step to,
// the length of one frame).
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// 1 while play range is on.
extern int g_PlayRangeOn;
// Bounds in ms; -1 not set (the file's start, the file's end).
extern int g_PlayRangeStart;
extern int g_PlayRangeEnd;
// Index of the stored range whose bounds equal the current bounds, -1 none.
extern int g_PlayRangeIndex;
// The active index when play range was last turned off (stepping wraps by it).
extern int g_PlayRangeLastIndex;
// The bounds as last set and the media length then, so that a length change
// keeps an end at its distance from the file's end.
extern int g_PlayRangeSavedStart;
extern int g_PlayRangeSavedEnd;
extern int g_PlayRangeSavedLength;

enum {
    RANGE_REPEAT_OFF = 0,
    RANGE_REPEAT_ON = 1,
    RANGE_REPEAT_FILE = 2,
    RANGE_REPEAT_ALL = 3,
};
// What the end of a range does; the second number of [Main] "Rpt".
extern int g_RangeRepeatMode;

constexpr int kPlayRangeOpenEnd = 2147483647;

// Sort key: the start (0 for -1) above the end (the largest value for -1).
UINT64 m_PlayRange_Key(const SPLAYRANGEITEM& range);
// The range to step to from posMs over sorted ranges (see m_PlayRange_FindByPos);
// lengthMs stands for an open end; -1 without ranges.
int m_PlayRange_FindByPosOf(const SPLAYRANGEITEM* ranges, int count, int posMs, int lengthMs,
                            int lastIndex, int direction);
// One frame in whole ms at the frame rate; a rate of 0 (audio only, or not
// known) counts one frame as 1 ms.
int m_PlayRange_FrameMs(double framesPerSecond);
