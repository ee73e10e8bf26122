#include "playback/SeekPreviewMath.h"

#include <strsafe.h>

#include <cmath>

#include "base/NumberFormat.h"
#include "controls/SliderPlus.h"

namespace {

constexpr int kDefaultDetails[5] = {80, 100, 30, 100, 300};
constexpr int kDefaultTimes[3] = {150, 25, 50};
// Beyond this a frame would cover the screen; smaller is unreadable.
constexpr int kLargestFrame = 2160;
constexpr int kSmallestFrame = 16;
constexpr int kLongestDelay = 10000;
// Times up to an hour are written m:ss, longer ones hh:mm:ss.
constexpr int kShortFormLimitMs = 3600 * 1000;
constexpr int kShortForm = 1;
constexpr int kLongForm = 5;

int m_Bounded(int value, int low, int high, int fallback)
{
    return value < low || value > high ? fallback : value;
}

// Key frame at or before ms; -1 when the table starts after it.
int m_KeyFrameAtOrBefore(const DWORD* table, int count, int ms)
{
    int low = 0, high = count - 1, found = -1;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        if (static_cast<LONGLONG>(table[mid]) <= ms) {
            found = static_cast<int>(table[mid]);
            low = mid + 1;
        } else {
            high = mid - 1;
        }
    }
    return found;
}

// Start of the chapter that holds ms; -1 before the first.
int m_ChapterStartOf(const int* starts, int count, int ms)
{
    int found = -1;
    for (int i = 0; i < count; ++i)
        if (starts[i] <= ms && starts[i] > found) found = starts[i];
    return found;
}

int m_TimeForm(int durationMs) { return durationMs <= kShortFormLimitMs ? kShortForm : kLongForm; }

int m_Done(HRESULT hr, wchar_t* out)
{
    if (FAILED(hr)) out[0] = 0;
    return SUCCEEDED(hr) ? static_cast<int>(wcslen(out)) : 0;
}

}  // namespace

int m_SeekPreview_StepForDuration(int durationMs)
{
    constexpr int kMinute = 60000;
    if (durationMs < 8 * kMinute) return 1000;
    if (durationMs < 18 * kMinute) return 5000;
    if (durationMs < 33 * kMinute) return 10000;
    if (durationMs < 63 * kMinute) return 15000;
    return 30000;
}

int m_SeekPreview_SnapMs(const SPREVIEWSNAP& s)
{
    if (s.part == SLIDER_PART_CHAPTER && s.index >= 0 && s.index < s.chapterCount)
        return s.chapterStarts[s.index];
    int position = s.positionMs;
    if (s.part == kPreviewPartThumb && !s.exact) position = s.currentMs;
    if (position < 0) return position;
    int snapped;
    if (s.keyFrames && s.keyFrameCount > 0) {
        snapped = m_KeyFrameAtOrBefore(s.keyFrames, s.keyFrameCount, position);
    } else {
        const int step = m_SeekPreview_StepForDuration(s.durationMs);
        snapped = position / step * step;
    }
    const int chapter = m_ChapterStartOf(s.chapterStarts, s.chapterCount, position);
    if (snapped < chapter) snapped = chapter;
    return snapped < 0 ? position : snapped;
}

int m_SeekPreview_AllowedBySettings(int sbTip, int fileOpen, int video, int keyFrames)
{
    if ((sbTip & (SBTIP_ON | SBTIP_FRAMES)) != (SBTIP_ON | SBTIP_FRAMES)) return 0;
    if (!fileOpen) return 1;
    return video && ((sbTip & SBTIP_NO_KEYFRAMES) || keyFrames) ? 1 : 0;
}

int m_SeekPreview_Available(int sbTip, int override_, int fileOpen, int video, int keyFrames)
{
    if (override_ == 0) return 0;
    if (override_ == 1) return fileOpen && video ? 1 : 0;
    return m_SeekPreview_AllowedBySettings(sbTip, fileOpen, video, keyFrames);
}

SPREVIEWDETAILS m_SeekPreview_ReadDetails(const int raw[5])
{
    const int* v = raw ? raw : kDefaultDetails;
    SPREVIEWDETAILS d;
    d.opacityText = m_Bounded(v[0], 1, 100, kDefaultDetails[0]);
    d.opacityFrame = m_Bounded(v[1], 1, 100, kDefaultDetails[1]);
    d.heightPercent = m_Bounded(v[2], 1, 100, kDefaultDetails[2]);
    d.minHeight = m_Bounded(v[3], kSmallestFrame, kLargestFrame, kDefaultDetails[3]);
    d.maxHeight = m_Bounded(v[4], kSmallestFrame, kLargestFrame, kDefaultDetails[4]);
    if (d.minHeight > d.maxHeight) {
        const int t = d.minHeight;
        d.minHeight = d.maxHeight;
        d.maxHeight = t;
    }
    return d;
}

SPREVIEWTIMES m_SeekPreview_ReadTimes(const int raw[3])
{
    const int* v = raw ? raw : kDefaultTimes;
    SPREVIEWTIMES t;
    t.hoverDelay = m_Bounded(v[0], 0, kLongestDelay, kDefaultTimes[0]);
    t.keyFrameDelay = m_Bounded(v[1], 1, kLongestDelay, kDefaultTimes[1]);
    t.otherDelay = m_Bounded(v[2], 1, kLongestDelay, kDefaultTimes[2]);
    return t;
}

SIZE m_SeekPreview_FrameSize(int areaHeight, int aspectW, int aspectH, const SPREVIEWDETAILS& d)
{
    int height = static_cast<int>(std::lround(areaHeight * d.heightPercent / 100.0));
    if (height < d.minHeight) height = d.minHeight;
    if (height > d.maxHeight) height = d.maxHeight;
    // A file that tells no aspect is shown 16:9.
    if (aspectW < 1 || aspectH < 1) {
        aspectW = 16;
        aspectH = 9;
    }
    const int width =
        static_cast<int>(std::lround(static_cast<double>(height) * aspectW / aspectH));
    SIZE size = {width < 1 ? 1 : width, height};
    return size;
}

int m_SeekPreview_TimeLabel(wchar_t* out, int size, int ms, int durationMs)
{
    if (!out || size < 1) return 0;
    if (ms < 0) ms = 0;
    if (durationMs > 0 && ms > durationMs) ms = durationMs;
    const int form = m_TimeForm(durationMs);
    const int elapsed = ms / 1000;
    const int total = durationMs > 0 ? (durationMs + 999) / 1000 : 0;
    const int left = total > elapsed ? total - elapsed : 0;
    wchar_t a[32], b[32];
    m_FormatTime(a, 32, elapsed * 1000, form);
    m_FormatTime(b, 32, left * 1000, form);
    const double percent = durationMs > 0 ? ms * 100.0 / durationMs : 0.0;
    return m_Done(StringCchPrintfW(out, size, L"%s%0.1f`%%```(`%s``/``-%s`)", L"", percent, a, b),
                  out);
}

int m_SeekPreview_RangeLabel(wchar_t* out, int size, int number, int startMs, int endMs,
                             int durationMs)
{
    if (!out || size < 1) return 0;
    const int form = m_TimeForm(durationMs);
    wchar_t a[32], b[32];
    m_FormatTime(a, 32, startMs < 0 ? 0 : startMs, form);
    m_FormatTime(b, 32, endMs < 0 ? durationMs : endMs, form);
    return m_Done(StringCchPrintfW(out, size, L"RANGE``:``%d````(%s``-``%s)", number, a, b), out);
}

int m_SeekPreview_MarkerLabel(wchar_t* out, int size, int number, int ms, int durationMs)
{
    if (!out || size < 1) return 0;
    const int form = m_TimeForm(durationMs);
    wchar_t a[32], b[32];
    m_FormatTime(a, 32, ms, form);
    m_FormatTime(b, 32, durationMs > ms ? durationMs - ms : 0, form);
    return m_Done(StringCchPrintfW(out, size, L"MARKER``:``%d````(%s``/``-%s)", number, a, b), out);
}

int m_SeekPreview_ChapterLabel(wchar_t* out, int size, int number)
{
    if (!out || size < 1) return 0;
    return m_Done(StringCchPrintfW(out, size, L"CHAPTER``:``%d", number), out);
}

int m_SeekPreview_TargetAlpha(int percent)
{
    return static_cast<int>(std::lround(percent * 255 / 100.0));
}

int m_SeekPreview_FadeStep(int target, int steps)
{
    if (steps < 1) steps = 1;
    const int step = (target + steps - 1) / steps;
    return step < 1 ? 1 : step;
}
