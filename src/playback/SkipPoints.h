// Skipping to the next or previous point of the open file: its chapters,
// the starts and ends of its play ranges and its markers.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

enum {
    SKIP_FILE_END = -1,
    SKIP_CHAPTER = 256,
    SKIP_CHAPTER_UNCHECKED = 512,
    SKIP_RANGE_START = 1024,
    SKIP_RANGE_END = 2048,
    SKIP_DIRECT_START = 4096,
    SKIP_DIRECT_END = 8192,
    SKIP_MARKER = 16384,
};
// Kind masks of m_SkipToPoint; 0 takes every kind.
enum {
    SKIPMASK_CHAPTERS = 1,
    SKIPMASK_RANGES = 2,
    SKIPMASK_MARKERS = 4,
};

struct SSKIPPOINT {
    int timeMs;
    int kind;
    int index;  // chapter, range or marker; -1 for the directly set range
};
constexpr int kSkipPointCap = 3 * kFileInfoItemCap + 3;

// What the skip points are taken from; directStart/directEnd -1 when not
// in use (range mode with no range selected supplies them).
struct SSKIPSOURCE {
    const SCHAPTERITEM* chapters;
    int chapterCount;
    const UINT* chapterUnchecked;  // per chapter, or null
    const SPLAYRANGEITEM* ranges;
    int rangeCount;
    const SMARKERITEM* markers;
    int markerCount;
    int directStart;
    int directEnd;
    int durationMs;
};

// The points sorted by time, offset and clamped to 0..duration; the count.
int m_SkipPoints_Collect(const SSKIPSOURCE& source, int kindMask, int offsetMs, SSKIPPOINT* out,
                         int cap);

// Where a skip from posMs goes: a point (*target its index), 0 ms, on to the
// end of the file (the engine is near it) or the play end holding.
enum {
    SKIPTO_POINT = 0,
    SKIPTO_ZERO = 1,
    SKIPTO_PLAY_END = 2,
    SKIPTO_HOLD_END = 3,
};
int m_SkipPoints_Choose(const SSKIPPOINT* points, int count, int posMs, int direction, int nearEnd,
                        int* target);

// The message of a landing on point (null: 0 ms, the first chapter).
void m_SkipPoints_Message(const SSKIPPOINT* point, int offsetMs, wchar_t* out, int cap);

// Skips to the next (direction above 0) or previous point of the open file.
void m_SkipToPoint(int direction, int offsetMs, int kindMask);
