// Positions and seeking: absolute, near the end and by frames.
#include "engine/VideoRenderer.h"

#include <math.h>

#include "base/ErrorLog.h"
#include "engine/EngineTiming.h"
#include "engine/GraphUtil.h"
#include "engine/NotifyFilter.h"
#include "engine/WineQuirks.h"

namespace {

constexpr double kUnitsPerSecond = 10000000.0;

}  // namespace

HRESULT CVideoRenderer::m_VR_GetCurrentPosition(LONGLONG* out, int force)
{
    if (!m_pMediaSeeking) return kVrNotAvailable;
    HRESULT hr = S_OK;
    if (force || m_State == VR_STATE_RUNNING) {
        LONGLONG position = 0;
        hr = m_pMediaSeeking->GetCurrentPosition(&position);
        if (SUCCEEDED(hr)) m_Position = position;
    }
    if (out) *out = m_Position;
    return hr;
}

LONGLONG CVideoRenderer::m_VR_GetPositionMs()
{
    m_VR_GetCurrentPosition(nullptr, 0);
    return (m_Position + 9999) / 10000;
}

// One seek of the graph. Where a running or paused graph cannot be sought
// safely, it is stopped for the seek and put back in the state it was in
// (asked of the graph itself: an audio switch may have paused a graph the
// engine still counts as built).
HRESULT CVideoRenderer::m_SeekTo(LONGLONG position)
{
    OAFilterState state = State_Stopped;
    const bool restore = m_pMediaControl && m_Wine_SeekWhileStopped() &&
                         SUCCEEDED(m_pMediaControl->GetState(0, &state)) && state != State_Stopped;
    if (restore) m_VR_Checked(m_pMediaControl->Stop(), __LINE__, L"IMediaControl::Stop()");
    LONGLONG at = position;
    HRESULT hr = m_pMediaSeeking->SetPositions(&at, AM_SEEKING_AbsolutePositioning, nullptr,
                                               AM_SEEKING_NoPositioning);
    if (restore) {
        if (state == State_Running)
            m_VR_Checked(m_pMediaControl->Run(), __LINE__, L"IMediaControl::Run()");
        else
            m_VR_Checked(m_pMediaControl->Pause(), __LINE__, L"IMediaControl::Pause()");
    }
    return hr;
}

HRESULT CVideoRenderer::m_VR_SetPosition(LONGLONG position)
{
    if (!m_Duration || !m_pMediaSeeking) return kVrNotAvailable;
    if (m_pNotifyFilter) m_pNotifyFilter->Arm();
    HRESULT hr = m_SeekTo(position);
    m_Position = position;
    if (m_State == VR_STATE_RUNNING) m_RestartTimers();
    return hr;
}

void CVideoRenderer::m_VR_SeekNearEnd()
{
    if (m_State != VR_STATE_NONE && m_Duration) m_VR_SetPosition(m_Duration - 2000000);
}

int CVideoRenderer::m_VR_IsNearEnd(LONGLONG position)
{
    if (m_State == VR_STATE_NONE || !m_Duration) return 0;
    if (position == -1) m_VR_GetCurrentPosition(&position, 0);
    return m_VR_IsNearEndOf(position, m_Duration);
}

LONGLONG CVideoRenderer::m_VR_LastFrameTime() const
{
    return m_pNotifyFilter ? m_pNotifyFilter->LastFrameTime() : -1;
}

HRESULT CVideoRenderer::m_VR_ShowFrameAgain()
{
    if (m_State != VR_STATE_PAUSED || !m_Duration || !m_pMediaSeeking) return S_FALSE;
    if (!m_Wine_RepaintBySeek(m_RendererKind)) return S_FALSE;
    // After the end the graph's position is the length, past every frame.
    LONGLONG at = m_VR_LastFrameTime();
    if (at < 0) m_VR_GetCurrentPosition(&at, 1);
    if (at >= m_Duration) at = m_Duration - 1;
    const LONGLONG kept = m_Position;
    HRESULT hr = m_VR_SetPosition(at < 0 ? 0 : at);
    m_Position = kept;
    if (FAILED(hr)) return hr;
    return m_DrawPausedImage();
}

HRESULT CVideoRenderer::m_VR_FrameStep(int frames)
{
    if (!m_Opened || m_FrameTime == 0) return kVrNotAvailable;
    LONGLONG position = 0;
    HRESULT hr = m_VR_GetCurrentPosition(&position, 0);
    const LONGLONG next = m_VR_StepTarget(position, m_Duration, m_FrameTime, frames);
    if (next < 0) return hr;
    if (next == m_Position) return hr;
    hr = m_VR_SetPosition(next);
    m_Position = next;
    m_VR_UpdateChapter(1);
    return hr;
}

LONGLONG CVideoRenderer::m_VR_FrameTimeMs(LONGLONG ms, int frames) const
{
    if (!m_Opened || m_FrameTime == 0) return static_cast<LONGLONG>(0xFFFFFFFF);
    const double t = ms == -1 ? static_cast<double>(m_Position) : ms * 10000.0;
    return m_VR_FrameStartMs(t, m_FrameTime, frames);
}

HRESULT CVideoRenderer::m_VR_GetFrameNumber(LONGLONG* out)
{
    if (!m_Opened || m_FrameTime == 0) return kVrNotAvailable;
    if (!m_pMediaSeeking) {
        *out = 0;
        return kVrNotAvailable;
    }
    LONGLONG position = 0;
    HRESULT hr = m_pMediaSeeking->GetCurrentPosition(&position);
    *out = llround(position / kUnitsPerSecond / m_FrameTime);
    return hr;
}
