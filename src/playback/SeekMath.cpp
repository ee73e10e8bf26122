#include "playback/SeekMath.h"

#include <math.h>
#include <stdarg.h>
#include <stdio.h>
#include <wchar.h>

namespace {

constexpr int kEndMarginMs = 1000;
constexpr LONGLONG kUnitsPerSecond = 10000000;
constexpr LONGLONG kEndMargin = kUnitsPerSecond;
constexpr LONGLONG kTimeEndMargin = kUnitsPerSecond / 2;
constexpr LONGLONG kSnapEndMargin = kUnitsPerSecond / 2;
constexpr LONGLONG kKeyFrameReach = 30000 * kSeekUnitsPerMs;
constexpr double kDefaultFps = 29.97;

// Bounded printf at the end of what out already holds.
void m_Append(wchar_t* out, int cap, const wchar_t* format, ...)
{
    const int used = static_cast<int>(wcsnlen(out, cap));
    if (used >= cap - 1) return;
    va_list args;
    va_start(args, format);
    _vsnwprintf(out + used, cap - used - 1, format, args);
    va_end(args);
    out[cap - 1] = 0;
}

void m_Format(wchar_t* out, int cap, const wchar_t* format, double value)
{
    out[0] = 0;
    m_Append(out, cap, format, value);
}

LONGLONG m_Clamp(LONGLONG v, LONGLONG low, LONGLONG high)
{
    return v < low ? low : (v > high ? high : v);
}

// The key frame of a positive delta: between the one after t (b) and the
// one before it (a), the nearer in proportion to the step.
SSNAPCHOICE m_SnapForward(LONGLONG p, LONGLONG d, LONGLONG t, LONGLONG duration, IKEYFRAMES* keys)
{
    LONGLONG b = keys->m_Find(t, 1);
    LONGLONG a = keys->m_Find(t, -1);
    if (a == -1 && b == -1) return {SNAP_PLAIN, 0, 0};
    if (b == -2) b = duration;
    if (a < 0) a = 0;
    LONGLONG chosen;
    if (a > p)
        chosen = b == -1 || double(b - p) / d > double(d) / (a - p) ? a : b;
    else if (b != -1)
        chosen = b;
    else
        return {SNAP_PLAIN, 0, 0};
    if (chosen > duration - kSnapEndMargin) return {SNAP_KEY, duration, 1};
    return {SNAP_KEY, chosen, 0};
}

SSNAPCHOICE m_SnapBackward(LONGLONG p, LONGLONG d, LONGLONG t, LONGLONG duration, int started,
                           IKEYFRAMES* keys)
{
    LONGLONG b = keys->m_Find(t, 1);
    LONGLONG a = keys->m_Find(t, -1);
    if (a == -1 && b == -1) return {SNAP_PLAIN, 0, 0};
    if (b == -2 || b > duration) b = duration;
    if (a < 0) a = 0;
    if (b == -1 || (started && b > p - kUnitsPerSecond)) b = a;
    if (b < p) return {SNAP_KEY, double(d) / (b - p) > double(a - p) / d ? a : b, 0};
    return {SNAP_KEY, a, 0};
}

}  // namespace

int m_SeekTarget(int ms, int durationMs, int started, int* toEnd)
{
    *toEnd = 0;
    if (ms < 0) ms = 0;
    if (ms > durationMs) ms = durationMs;
    if (started && ms > durationMs - kEndMarginMs) {
        *toEnd = 1;
        return durationMs;
    }
    return ms;
}

STIMESEEK m_SeekMath_Time(int ms, LONGLONG duration, int started)
{
    STIMESEEK s = {};
    // One ms more keeps a whole second from showing the frame before it.
    const LONGLONG m = ms >= 1 ? LONGLONG(ms) + 1 : ms;
    s.target = m_Clamp(m >= 0 ? m * kSeekUnitsPerMs : duration + m * kSeekUnitsPerMs, 0, duration);
    if (started && duration - s.target < kTimeEndMargin) {
        s.target = duration;
        s.toEnd = 1;
    }
    const LONGLONG r =
        m >= 0 ? s.target / kSeekUnitsPerMs : (s.target - duration) / kSeekUnitsPerMs;
    const int shown = static_cast<int>(m / 1000);
    if (r == m)
        _snwprintf(s.text, kSeekTextCap - 1, L"POS : %d``SEC", shown);
    else
        _snwprintf(s.text, kSeekTextCap - 1, L"POS : %d``(%0.0f)``SEC", shown, r / 1000.0);
    return s;
}

LONGLONG m_SeekMath_Percent(int hundredths, LONGLONG duration, int started, int* toEnd)
{
    *toEnd = 0;
    const LONGLONG p = m_Clamp(hundredths, 0, 10000);
    LONGLONG target = p * duration / 10000;
    if (started && duration - target < kEndMargin) {
        *toEnd = 1;
        target = duration;
    }
    return target;
}

LONGLONG m_SeekMath_Frame(LONGLONG frame, LONGLONG frames, double fps, LONGLONG duration)
{
    if (frame < 0) frame = 0;
    if (frames <= 0) return static_cast<LONGLONG>(frame * double(kUnitsPerSecond) / kDefaultFps);
    frame = m_Clamp(frame, 0, frames);
    const double at = fps > 0 ? frame * double(kUnitsPerSecond) / fps
                              : double(duration) * double(frame) / double(frames);
    return m_Clamp(static_cast<LONGLONG>(at), 0, duration);
}

SSNAPCHOICE m_SeekMath_Snap(LONGLONG p, int deltaMs, LONGLONG duration, int started, int snapMode,
                            IKEYFRAMES* keys)
{
    const LONGLONG d = deltaMs * kSeekUnitsPerMs;
    LONGLONG t = p + d;
    if (t < 0) t = 0;
    if (t > duration) return {SNAP_KEY, duration, 1};
    SSNAPCHOICE c;
    if (deltaMs > 0) {
        c = m_SnapForward(p, d, t, duration, keys);
    } else if (deltaMs == 0) {
        if (snapMode != 1) return {SNAP_NOTHING, 0, 0};
        const LONGLONG k = keys->m_Find(t, 0);
        c = {SNAP_KEY, k == -2 ? duration : (k < 0 ? t : k), 0};
    } else if (deltaMs == -1 && started) {
        const LONGLONG k = keys->m_Find(t - kUnitsPerSecond, -1);
        c = k < 0 ? SSNAPCHOICE{SNAP_PLAIN, 0, 0} : SSNAPCHOICE{SNAP_KEY, k, 0};
    } else {
        c = m_SnapBackward(p, d, t, duration, started, keys);
    }
    if (c.kind == SNAP_KEY && llabs(c.target - (p + d)) > kKeyFrameReach) return {SNAP_PLAIN, 0, 0};
    return c;
}

LONGLONG m_SeekMath_Plain(LONGLONG p, int deltaMs, LONGLONG duration, int* hold)
{
    *hold = 0;
    LONGLONG t = p + deltaMs * kSeekUnitsPerMs;
    if (t < 0) t = 0;
    if (deltaMs > 0 && t > duration - kEndMargin) {
        *hold = 1;
        t = duration;
    }
    return t;
}

int m_SeekMath_RelativeText(wchar_t* out, int cap, int snapped, int snapMode, int deltaMs,
                            LONGLONG moved, const wchar_t* padLeft, const wchar_t* padRight)
{
    out[0] = 0;
    const double movedSec = moved / double(kSeekUnitsPerMs) / 1000.0;
    if (!snapped) {
        m_Append(out, cap, L"SEEK````%+0.1f", deltaMs / 1000.0);
        return TOTAL_PLAIN;
    }
    if (snapMode == 1 && deltaMs >= -1 && deltaMs <= 1) {
        if (deltaMs == 1)
            m_Append(out, cap, L"NEXT```KEYFRAME````%+5.1f", movedSec);
        else if (deltaMs == -1)
            m_Append(out, cap, L"`` PRE```KEYFRAME````%+5.1f", movedSec);
        else
            m_Append(out, cap, L"NEAR````KEYFRAME````%+0.1f", movedSec);
        return TOTAL_KEYFRAME;
    }
    wchar_t asked[32], actual[32];
    m_Format(asked, 32, L"%+0.1f", deltaMs / 1000.0);
    m_Format(actual, 32, L"%+0.1f", movedSec);
    if (fabs(movedSec) >= 10.0)
        m_Append(out, cap, L"SEEK````%s``(%s`)", asked, actual);
    else
        m_Append(out, cap, L"SEEK````%s``%s(%s`)%s", asked, padLeft ? padLeft : L"", actual,
                 padRight ? padRight : L"");
    return TOTAL_SNAP_SEEK;
}

void m_SeekMath_AppendTotal(wchar_t* text, int cap, LONGLONG moved, int form)
{
    const LONGLONG seconds = llround(moved / double(kUnitsPerSecond));
    const bool minus = form == TOTAL_PERCENT ? seconds <= 0 : seconds < 0;
    const LONGLONG size = seconds < 0 ? -seconds : seconds;
    const wchar_t* gap =
        form == TOTAL_PLAIN ? L"`````" : (form == TOTAL_SNAP_SEEK ? L"``" : L"```");
    m_Append(text, cap, L"%s[%c%d:%02d`]", gap, minus ? L'-' : L'+', int(size / 60),
             int(size % 60));
}

void m_SeekMath_PercentText(wchar_t* out, int cap, double percent)
{
    m_Format(out, cap, L"POS : %0.1f`%%", percent);
}

void m_SeekMath_FrameStepText(wchar_t* out, int cap, double fps, int frames, int total)
{
    wchar_t rate[32];
    m_Format(rate, 32, L"%0.3f", fps);
    const size_t n = wcslen(rate);
    if (n > 2 && rate[n - 1] == L'0' && rate[n - 2] == L'0') rate[n - 2] = 0;
    out[0] = 0;
    m_Append(out, cap, L"FRAME````STEP`````(%s``FPS) : %+d [%+d`]", rate, frames, total);
    if (total > -10 && total < 10) m_Append(out, cap, L" ");
}

int m_FrameCompare_Score(const DWORD* current, const DWORD* previous, int width, int height)
{
    if (!current || !previous || width <= 0 || height <= 0) return 0;
    long long sum = 0;
    for (int i = 1; i <= 9; ++i) {
        const int y = static_cast<int>(i * height / 10.0);
        for (int k = 1; k <= 16; ++k) {
            const int x = static_cast<int>(k * width / 17.0);
            const DWORD a = current[size_t(y) * width + x];
            const DWORD b = previous[size_t(y) * width + x];
            for (int shift = 0; shift <= 16; shift += 8) {
                const int da = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
                sum += da < 0 ? -da : da;
            }
        }
    }
    return static_cast<int>(sum / 144);
}

int m_FrameCompare_Feed(SFRAMERING* ring, int score, int threshold)
{
    if (score < 1) return COMPARE_SAME;
    if (ring->count >= 2) {
        int positive = 0, largest = 0;
        for (int s : ring->slots) {
            if (s <= 0) continue;
            ++positive;
            if (s > largest) largest = s;
        }
        if (positive >= 2 && score > threshold + largest) {
            ring->count = 0;
            return COMPARE_CUT;
        }
    }
    ring->slots[ring->count % 5] = score;
    ++ring->count;
    return COMPARE_KEEP;
}
