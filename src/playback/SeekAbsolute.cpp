// Seeks to a place: a time, a percentage of the length, a seek-bar ms with
// optional key-frame snapping, and a frame.
#include "app/StatusText.h"
#include "base/UiLook.h"
#include "engine/KeyFrameSearch.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "playback/AutoNext.h"
#include "playback/DisplayRefresh.h"
#include "playback/EndOfStream.h"
#include "playback/FrameStep.h"
#include "playback/PlayPause.h"
#include "playback/Seek.h"
#include "playback/SeekMath.h"
#include "settings/Settings.h"

namespace {

void m_HideCountdown()
{
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    m_FrameStep_ClearBase();
}

// The ends of the percentage and seek-bar seeks: message with the total,
// the series, the display and the hold of the end rule.
void m_FinishPlaceSeek(double percent, LONGLONG target, int toEnd)
{
    wchar_t text[kSeekTextCap];
    m_SeekMath_PercentText(text, kSeekTextCap, percent);
    if (g_Settings.Seek_Sum && g_Duration100ns && g_SeekSeries.start >= 0)
        m_SeekMath_AppendTotal(text, kSeekTextCap, target - g_SeekSeries.start, TOTAL_PERCENT);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    m_SeekSeries_Arm();
    m_TimeDisplay_Update(0);
    m_Chapter_AfterSeek();
    if (toEnd) m_SetHold(1, 1);
}

LONGLONG m_CurrentPosition()
{
    LONGLONG p = 0;
    if (g_VideoRenderer) g_VideoRenderer->m_VR_GetCurrentPosition(&p, 1);
    return p;
}

}  // namespace

void m_SeekToTime(int ms, int showMessage, int holdRule)
{
    if (!g_MediaOpen) return;
    m_HideCountdown();
    const STIMESEEK s = m_SeekMath_Time(ms, g_Duration100ns, g_PlayStarted);
    if (showMessage) m_OSD_ShowText(s.text, -1, -1, -1, -1, -1, -1);
    g_LastSeekTarget = s.target;
    m_Seek_Engine(s.target, s.toEnd, -1, 0);
    m_Chapter_AfterSeek();
    m_TimeDisplay_Update(0);
    if (holdRule) m_SetHold(s.toEnd, 1);
}

void m_SeekToPercent(int hundredths)
{
    if (!g_MediaOpen || g_PlayState == 2) return;
    m_HideCountdown();
    if (!g_SeekSeries.state) g_SeekSeries.start = m_CurrentPosition();
    int toEnd = 0;
    const LONGLONG target = m_SeekMath_Percent(hundredths, g_Duration100ns, g_PlayStarted, &toEnd);
    g_LastSeekTarget = target;
    m_Seek_Engine(target, toEnd, 0, 1);
    const int shown = hundredths < 0 ? 0 : (hundredths > 10000 ? 10000 : hundredths);
    m_FinishPlaceSeek(toEnd ? 100.0 : shown / 100.0, target, toEnd);
}

int m_SeekToMsSnap(int ms, int direction)
{
    if (!g_MediaOpen || g_PlayState == 2 || !g_VideoRenderer) return -1;
    m_HideCountdown();
    if (!g_SeekSeries.state) g_SeekSeries.start = m_CurrentPosition();
    const int snap =
        direction != -2 && g_Settings.Seek_Key && g_VideoRenderer->m_VR_GetKeyFrameKind() != 0;
    int used = ms;
    if (snap && ms > 0 && ms < g_DurationMs) {
        const DWORD k = g_VideoRenderer->m_VR_FindKeyFrame(static_cast<DWORD>(ms), direction);
        if (k != kKeyFrameNoMs) used = static_cast<int>(k);
    }
    int toEnd = 0;
    const int at = m_SeekTarget(used, g_DurationMs, g_PlayStarted, &toEnd);
    // A snapped target keeps its key frame's ms in the message, even at the end.
    if (!snap)
        used = at;
    else if (used < 0 || used > g_DurationMs)
        used = used < 0 ? 0 : g_DurationMs;
    const LONGLONG target = toEnd ? g_Duration100ns : LONGLONG(at) * kSeekUnitsPerMs;
    // A snapped drag that stays on one key frame is not sought again.
    if (!snap || target != g_LastSeekTarget) m_Seek_Engine(target, toEnd, -1, 0);
    g_LastSeekTarget = target;
    m_FinishPlaceSeek(g_DurationMs > 0 ? used * 100.0 / g_DurationMs : 0.0, target, toEnd);
    return used;
}

void m_SeekToFrame(LONGLONG frame)
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    wchar_t text[64];
    m_FormatW64(text, 64, L"POS : %I64d```FRAME", frame);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    LONGLONG duration = 0, frames = 0;
    double fps = 0;
    g_VideoRenderer->m_VR_GetDurationInfo(&duration, &frames, &fps);
    const LONGLONG target = m_SeekMath_Frame(frame, frames, fps, g_Duration100ns);
    g_LastSeekTarget = target;
    m_Seek_Engine(target, 0, 0, 0);
    m_TimeDisplay_Update(0);
}
