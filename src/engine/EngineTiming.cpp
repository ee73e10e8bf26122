#include "engine/EngineTiming.h"

#include <math.h>

namespace {

constexpr double kUnitsPerSecond = 10000000.0;

}  // namespace

LONGLONG m_VR_ShotDelayMs(LONGLONG restMs, int rate)
{
    if (restMs <= 10) return restMs > -1000 ? 0 : -1;
    if (rate != 100 && rate > 0) restMs = restMs * 100 / rate;
    LONGLONG delay = restMs / 2;
    if (delay < 10) delay = 10;
    if (delay > 60000) delay = 60000;
    return delay;
}

LONGLONG m_VR_StepTarget(LONGLONG position, LONGLONG duration, double frameTime, int frames)
{
    const LONGLONG current = llround(position / kUnitsPerSecond / frameTime);
    const LONGLONG last = static_cast<LONGLONG>(duration / kUnitsPerSecond / frameTime);
    if (current == last && frames > 0) return -1;
    LONGLONG target = current + frames;
    if (target > last) target = last;
    LONGLONG next = static_cast<LONGLONG>(ceil(target * frameTime * kUnitsPerSecond));
    if (next < 0) next = 0;
    if (next > duration) next = duration;
    return next;
}

LONGLONG m_VR_FrameStartMs(double time, double frameTime, int frames)
{
    const LONGLONG frame =
        static_cast<LONGLONG>(time / kUnitsPerSecond / frameTime + 0.001) + frames;
    const LONGLONG ms = llround(frame * frameTime * kUnitsPerSecond) / 10000 + 1;
    return ms < 0 ? 0 : ms;
}

int m_VR_IsNearEndOf(LONGLONG position, LONGLONG duration)
{
    return position >= static_cast<LONGLONG>(duration - 2333333.3333333335) ? 1 : 0;
}

double m_VR_RateValue(int percent) { return percent == 100 ? 1.0 : percent / 100.0; }
