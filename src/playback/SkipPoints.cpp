#include "playback/SkipPoints.h"

#include <stdio.h>

namespace {

// A backward skip this soon after a point goes on to the one before it.
constexpr int kBackPastPointMs = 2000;

int m_HasTime(const SSKIPPOINT* points, int count, int timeMs)
{
    for (int i = 0; i < count; ++i)
        if (points[i].timeMs == timeMs) return 1;
    return 0;
}

// Ranges and markers add a point only above 0 and at a time not yet taken.
void m_AddUnique(SSKIPPOINT* out, int* count, int cap, int timeMs, int kind, int index)
{
    if (*count >= cap || timeMs <= 0 || m_HasTime(out, *count, timeMs)) return;
    out[(*count)++] = SSKIPPOINT{timeMs, kind, index};
}

// Stable, so that points of equal times keep the order they were taken in.
void m_SortByTime(SSKIPPOINT* points, int count)
{
    for (int i = 1; i < count; ++i) {
        const SSKIPPOINT p = points[i];
        int j = i - 1;
        for (; j >= 0 && points[j].timeMs > p.timeMs; --j) points[j + 1] = points[j];
        points[j + 1] = p;
    }
}

}  // namespace

int m_SkipPoints_Collect(const SSKIPSOURCE& s, int kindMask, int offsetMs, SSKIPPOINT* out, int cap)
{
    const int all = kindMask == 0;
    int n = 0;
    if (all || (kindMask & SKIPMASK_CHAPTERS)) {
        for (int i = 0; i < s.chapterCount && n < cap; ++i) {
            const int unchecked = s.chapterUnchecked && s.chapterUnchecked[i];
            const int ms = static_cast<int>(s.chapters[i].Start * 1000.0 + 0.5);
            out[n++] = SSKIPPOINT{ms, unchecked ? SKIP_CHAPTER_UNCHECKED : SKIP_CHAPTER, i};
        }
    }
    if (all || (kindMask & SKIPMASK_RANGES)) {
        for (int i = 0; i < s.rangeCount; ++i) {
            m_AddUnique(out, &n, cap, s.ranges[i].start, SKIP_RANGE_START, i);
            m_AddUnique(out, &n, cap, s.ranges[i].end, SKIP_RANGE_END, i);
        }
        m_AddUnique(out, &n, cap, s.directStart, SKIP_DIRECT_START, -1);
        m_AddUnique(out, &n, cap, s.directEnd, SKIP_DIRECT_END, -1);
    }
    if (all || (kindMask & SKIPMASK_MARKERS))
        for (int i = 0; i < s.markerCount; ++i)
            m_AddUnique(out, &n, cap, s.markers[i].position, SKIP_MARKER, i);
    if (offsetMs < 0 && n < cap) out[n++] = SSKIPPOINT{s.durationMs, SKIP_FILE_END, -1};
    m_SortByTime(out, n);
    for (int i = 0; i < n; ++i) {
        long long t = static_cast<long long>(out[i].timeMs) + offsetMs;
        if (t > s.durationMs) t = s.durationMs;
        out[i].timeMs = t < 0 ? 0 : static_cast<int>(t);
    }
    return n;
}

int m_SkipPoints_Choose(const SSKIPPOINT* points, int count, int posMs, int direction, int nearEnd,
                        int* target)
{
    *target = -1;
    int last = -1;  // the last point earlier than the position
    for (int i = 0; i < count; ++i)
        if (points[i].timeMs < posMs) last = i;
    if (direction <= 0) {
        if (last >= 0 && posMs - points[last].timeMs > kBackPastPointMs)
            *target = last;
        else if (last >= 1)
            *target = last - 1;
        return *target >= 0 ? SKIPTO_POINT : SKIPTO_ZERO;
    }
    if (nearEnd) return SKIPTO_PLAY_END;
    // The first point later than the position: a point the position stands
    // on (a seek that landed exactly) is passed over, not landed on again.
    for (int i = last + 1; i < count; ++i) {
        if (points[i].timeMs > posMs) {
            *target = i;
            return SKIPTO_POINT;
        }
    }
    return SKIPTO_HOLD_END;
}

void m_SkipPoints_Message(const SSKIPPOINT* p, int offsetMs, wchar_t* out, int cap)
{
    const wchar_t* prefix = L"POS : ";
    const int n = p ? p->index + 1 : 1;
    const int kind = p ? p->kind : SKIP_CHAPTER;
    const int plain = offsetMs == 0 || !p;
    int written = 0;
    switch (kind) {
        case SKIP_CHAPTER:
        case SKIP_CHAPTER_UNCHECKED:
            written = plain
                          ? _snwprintf(out, cap, L"%sCHAPTER %d", prefix, n)
                          : _snwprintf(out, cap, L"%sCHAPTER %d````(%+d`MS)", prefix, n, offsetMs);
            break;
        case SKIP_RANGE_START:
            written = plain ? _snwprintf(out, cap, L"%sRANGE %d```(ST@)", prefix, n)
                            : _snwprintf(out, cap, L"%sRANGE %d```(ST@)````(%+d`MS)", prefix, n,
                                         offsetMs);
            break;
        case SKIP_RANGE_END:
            written =
                plain ? _snwprintf(out, cap, L"%sRANGE %d```(EN)", prefix, n)
                      : _snwprintf(out, cap, L"%sRANGE %d```(EN)````(%+d`MS)", prefix, n, offsetMs);
            break;
        case SKIP_DIRECT_START:
            written = plain
                          ? _snwprintf(out, cap, L"%sRANGE```(ST@)", prefix)
                          : _snwprintf(out, cap, L"%sRANGE```(ST@)````(%+d`MS)", prefix, offsetMs);
            break;
        case SKIP_DIRECT_END:
            written = plain ? _snwprintf(out, cap, L"%sRANGE``(EN)", prefix)
                            : _snwprintf(out, cap, L"%sRANGE```(EN)````(%+d`MS)", prefix, offsetMs);
            break;
        case SKIP_MARKER:
            written = plain ? _snwprintf(out, cap, L"%sMARKER %d", prefix, n)
                            : _snwprintf(out, cap, L"%sMARKER %d````(%+d`MS)", prefix, n, offsetMs);
            break;
        default:
            written = plain ? _snwprintf(out, cap, L"%sFILE END", prefix)
                            : _snwprintf(out, cap, L"%sFILE END````(%+d`MS)", prefix, offsetMs);
            break;
    }
    if (written < 0 || written >= cap) out[cap - 1] = 0;
}
