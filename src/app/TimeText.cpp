// The texts of the time and state panes. "`" is the bitmap font's narrow
// blank, so runs of it set the spacing.
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "app/TimeDisplay.h"
#include "base/StringEdit.h"

namespace {

constexpr int kClockCap = 48;
constexpr int kRangeSlackMs = 100;

void Print(wchar_t* out, int capacity, const wchar_t* format, ...)
{
    if (!out || capacity < 1) return;
    va_list args;
    va_start(args, format);
    _vsnwprintf(out, capacity - 1, format, args);
    va_end(args);
    out[capacity - 1] = 0;
}

// "%d:%02d", from an hour "%d:%02d:%02d", with ".%03d" when asked.
void Clock(wchar_t* out, int ms, bool withMs, const wchar_t* sign)
{
    if (ms < 0) ms = 0;
    const int s = ms / 1000, h = s / 3600, m = (s / 60) % 60, sec = s % 60, milli = ms % 1000;
    if (h > 0 && withMs)
        Print(out, kClockCap, L"%s%d:%02d:%02d.%03d", sign, h, m, sec, milli);
    else if (h > 0)
        Print(out, kClockCap, L"%s%d:%02d:%02d", sign, h, m, sec);
    else if (withMs)
        Print(out, kClockCap, L"%s%d:%02d.%03d", sign, s / 60, sec, milli);
    else
        Print(out, kClockCap, L"%s%d:%02d", sign, s / 60, sec);
}

struct SReference {
    int elapsed;
    int total;
    int mark;
    const wchar_t* modeMark;
};

SReference Reference(const STIMEFACTS& f, const STIMEOPTIONS& o)
{
    // At the end the engine's near-end stands for the whole duration, as
    // on the seek bar, so the clock reaches the total.
    const int pos = f.bNearEnd && f.nDurationMs > 0 ? f.nDurationMs : f.nPositionMs;
    SReference r = {pos, f.nDurationMs, 0, L""};
    if (o.bRangeTime && f.bRangeActive) {
        const int start = f.nRangeStartMs < 0 ? 0 : f.nRangeStartMs;
        const int end = f.nRangeEndMs < 0 ? f.nDurationMs : f.nRangeEndMs;
        r = {pos - start, end - start, 0, L"R`:`"};
        if (pos < start - kRangeSlackMs) r.elapsed = 0, r.mark = -1;
        if (pos > end + kRangeSlackMs) r.elapsed = r.total, r.mark = 1;
    } else if (o.bChapterTime && f.nChapterCount >= 2) {
        r = {pos - f.nChapterStartMs, f.nChapterLengthMs, 0, L"C`:`"};
    } else if (o.bCheckedTime && f.bSomeChaptersChecked) {
        r = {pos - f.nUncheckedBeforeMs, f.nCheckedLengthMs, 0, L"E`:`"};
    }
    if (r.total < 0) r.total = 0;
    if (r.elapsed < 0) r.elapsed = 0;
    return r;
}

// The remaining time in whole seconds is the shown total less the shown
// elapsed time, so the three always add up and the remaining time never
// exceeds the total; with the real-time switch at a rate other than 100 %
// the remaining time at that rate follows it.
void Remaining(const STIMEFACTS& f, const STIMEOPTIONS& o, const SReference& r, wchar_t* out)
{
    int rest = r.total - r.elapsed;
    if (rest < 0) rest = 0;
    int restSec = r.total / 1000 - r.elapsed / 1000;
    if (restSec < 0) restSec = 0;
    Clock(out, restSec * 1000, false, L"-");
    if (!o.bRealRemaining || f.nRate == 100 || f.nRate <= 0) return;
    wchar_t real[kClockCap];
    const long long realSec = std::llround(rest / (f.nRate / 100.0) / 1000.0);
    Clock(real, int(realSec * 1000), false, L"-");
    wchar_t joined[kClockCap * 2];
    Print(joined, kClockCap * 2, L"%s``>`%s", out, real);
    lstrcpynW(out, joined, kClockCap);
}

}  // namespace

void m_ComposeVolumeText(const STIMEFACTS& f, wchar_t* out, int capacity)
{
    const int percent = int(f.nVolume / 100.0 + 0.5);
    if (f.bMuted)
        Print(out, capacity, L"^````MUTE");
    else if (percent == 100)
        Print(out, capacity, L"^`100%%");
    else
        Print(out, capacity, L"^````%d%%", percent);
}

void m_ComposeTimeText(const STIMEFACTS& f, const STIMEOPTIONS& o, wchar_t* out, int capacity,
                       int* elapsedSec, int* mark)
{
    const SReference r = Reference(f, o);
    if (elapsedSec) *elapsedSec = r.elapsed / 1000;
    if (mark) *mark = r.mark;
    wchar_t elapsed[kClockCap], total[kClockCap], rest[kClockCap], time[256];
    Clock(elapsed, r.elapsed, o.bMilliseconds != 0, L"");
    Clock(total, r.total, false, L"");
    Remaining(f, o, r, rest);
    int mode = o.nMode;
    if (mode == 2) mode = r.elapsed * 2LL <= r.total ? 0 : 1;
    if (r.total < 1000)
        Print(time, 256, L"%s", elapsed);
    else if (mode == 1)
        Print(time, 256, L"%s``/``%s", rest, total);
    else if (mode == 3)
        Print(time, 256, L"%s``/``%s", elapsed, rest);
    else if (mode == 4)
        Print(time, 256, L"%s```(`%s`)``/``%s", elapsed, rest, total);
    else
        Print(time, 256, L"%s``/``%s", elapsed, total);
    if (r.mark) m_PrependString(time, 256, r.mark < 0 ? L"<``" : L">``");
    m_PrependString(time, 256, r.modeMark);
    if (o.bShowVolume) {
        wchar_t volume[32];
        m_ComposeVolumeText(f, volume, 32);
        Print(out, capacity, L"%s````%s", time, volume);
    } else {
        Print(out, capacity, L"%s", time);
    }
}

void m_ComposeStateText(const STIMEFACTS& f, wchar_t* out, int capacity)
{
    const int state = f.nPlayState;
    if (f.bPicture)
        Print(out, capacity, L"PICTURE");
    else if (state == 0 || (state == 1 && f.bOpenedMarker))
        Print(out, capacity, f.bFileWaiting ? L"READY````FILE" : L"NO````FILE");
    else if (state == 2)
        Print(out, capacity, L"LOADING`...");
    else if (state == 3)
        Print(out, capacity, L"STOPPED");
    else if (state == 4)
        Print(out, capacity, L"PAUSED");
    else if (state == 5 && f.nRate != 100 && f.nRate % 10 == 0)
        Print(out, capacity, L"%s```(`*%0.1f`)", f.bHeld ? L"PLAYING`." : L"PLAYING",
              f.nRate / 100.0);
    else if (state == 5 && f.nRate != 100)
        Print(out, capacity, L"%s```(`*%0.2f`)", f.bHeld ? L"PLAYING`." : L"PLAYING",
              f.nRate / 100.0);
    else if (state == 5)
        Print(out, capacity, L"%s", f.bHeld ? L"PLAYING`." : L"PLAYING");
    else if (out && capacity > 0)
        out[0] = 0;
}
