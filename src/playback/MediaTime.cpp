#include "playback/MediaTime.h"

#include "engine/VideoRenderer.h"
#include "playback/PlayState.h"

LONGLONG m_RoundTo_Ms(LONGLONG value100ns)
{
    if (value100ns >= 0) return (value100ns + 5000) / 10000;
    return -((-value100ns + 4999) / 10000);
}

void m_SplitDuration(LONGLONG value100ns, LONGLONG* duration, int* ms, int* sec)
{
    if (value100ns < 0 || value100ns > kDurationLimit100ns) value100ns = 0;
    *duration = value100ns;
    *ms = static_cast<int>(value100ns / 10000);
    *sec = static_cast<int>((value100ns + 5000000) / 10000000);
}

int m_GetCurrentPosMs()
{
    if (!g_VideoRenderer || !g_MediaOpen) return -1;
    LONGLONG pos = 0;
    if (FAILED(g_VideoRenderer->m_VR_GetCurrentPosition(&pos, 0))) return -1;
    return static_cast<int>(m_RoundTo_Ms(pos));
}

void m_UpdateDuration()
{
    const LONGLONG raw = g_VideoRenderer ? g_VideoRenderer->m_GetDuration() : 0;
    m_SplitDuration(raw, &g_Duration100ns, &g_DurationMs, &g_DurationSec);
}
