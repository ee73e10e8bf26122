// Control of a built graph: run, pause, rate, volume, balance and events.
#include "engine/VideoRenderer.h"

#include <math.h>

#include "base/ErrorLog.h"
#include "engine/EngineTiming.h"
#include "engine/GraphUtil.h"
#include "engine/ExternalFilters.h"
#include "engine/WineQuirks.h"

HRESULT CVideoRenderer::m_VR_Run()
{
    if (!m_pMediaControl) return kVrNotAvailable;
    HRESULT hr = m_pMediaControl->Run();
    if (FAILED(hr)) {
        // The graph did not start: the state and the timers stay as they were.
        m_WriteLog(L"VR_%d : Error / IMediaControl::Run() = 0x%08X", __LINE__, hr);
        return hr;
    }
    m_State = VR_STATE_RUNNING;
    if (m_RatePending) {
        m_RatePending = 0;
        m_VR_SetRate(m_Rate);
    }
    m_RestartTimers();
    return hr;
}

HRESULT CVideoRenderer::m_VR_Pause()
{
    if (!m_pMediaControl) return kVrNotAvailable;
    HRESULT hr = m_pMediaControl->Pause();
    if (FAILED(hr)) return hr;
    m_State = VR_STATE_PAUSED;
    if (m_pMediaSeeking) {
        LONGLONG position = 0;
        if (SUCCEEDED(m_pMediaSeeking->GetCurrentPosition(&position))) m_Position = position;
    }
    m_VR_ChapterTimer(0, 0);
    m_VR_StopTimer(0);
    return hr;
}

HRESULT CVideoRenderer::m_VR_StopWhenReady()
{
    if (!m_pMediaControl) return kVrNotAvailable;
    HRESULT hr = m_pMediaControl->StopWhenReady();
    OAFilterState state;
    m_VR_Checked(m_pMediaControl->GetState(INFINITE, &state), __LINE__,
                 L"IMediaControl::GetState()");
    return hr;
}

namespace {

// The rate through the time-stretch filter's rate call.
HRESULT m_SetStretchRate(IBaseFilter* filter, int percent)
{
    ITimeStretchFilter* stretch = nullptr;
    HRESULT hr = filter->QueryInterface(IID_ITimeStretchFilter, reinterpret_cast<void**>(&stretch));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / ITimeStretchFilter::QueryInterface() = 0x%08X", __LINE__, hr);
        return hr;
    }
    hr = stretch->SetRate(percent);
    stretch->Release();
    return hr;
}

// The rate through the graph; *applied is the percent the graph plays at.
HRESULT m_SetGraphRate(IGraphBuilder* graph, int percent, int* applied)
{
    IMediaPosition* position = nullptr;
    HRESULT hr = graph->QueryInterface(IID_IMediaPosition, reinterpret_cast<void**>(&position));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::QueryInterface(IID_IMediaPosition) = 0x%08X",
                   __LINE__, hr);
        return hr;
    }
    hr = position->put_Rate(m_VR_RateValue(percent));
    if (SUCCEEDED(hr)) *applied = percent;
    double rate = 0;
    if (SUCCEEDED(hr) && m_Wine_ReadBackRate() && SUCCEEDED(position->get_Rate(&rate))) {
        *applied = static_cast<int>(lround(rate * 100.0));
        if (*applied != percent) hr = E_NOTIMPL;
    }
    position->Release();
    return hr;
}

}  // namespace

HRESULT CVideoRenderer::m_VR_SetRate(int percent)
{
    if (!m_Opened || percent < 10 || percent > 1000) return kVrNotAvailable;
    const int previous = m_Rate;
    m_Rate = percent;
    if (m_State == VR_STATE_PAUSED) {
        m_RatePending = 1;
        return S_OK;
    }
    HRESULT hr;
    if (m_pTimeStretchFilter) {
        hr = m_SetStretchRate(m_pTimeStretchFilter, percent);
        if (FAILED(hr)) m_Rate = previous;
    } else {
        int applied = previous;
        hr = m_SetGraphRate(m_pGraph, percent, &applied);
        m_Rate = applied;
    }
    if (m_State == VR_STATE_RUNNING) m_RestartTimers();
    return hr;
}

HRESULT CVideoRenderer::m_VR_SetVolume(long volume)
{
    if (volume > 0) volume = 0;
    if (volume < -10000) volume = -10000;
    m_Volume = volume;
    if (!m_pBasicAudio) return kVrNotAvailable;
    return m_pBasicAudio->put_Volume(volume);
}

HRESULT CVideoRenderer::m_VR_SetBalance(long balance)
{
    if (!m_pBasicAudio) return kVrNotAvailable;
    return m_pBasicAudio->put_Balance(balance);
}

HRESULT CVideoRenderer::m_VR_GetEvent(long* code, LONG_PTR* param1, LONG_PTR* param2)
{
    if (!m_pMediaEvent) return kVrNotAvailable;
    return m_pMediaEvent->GetEvent(code, param1, param2, 0);
}

HRESULT CVideoRenderer::m_VR_FreeEventParams(long code, LONG_PTR param1, LONG_PTR param2)
{
    if (!m_pMediaEvent) return kVrNotAvailable;
    HRESULT hr = m_pMediaEvent->FreeEventParams(code, param1, param2);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IMediaEventEx::FreeEventParams() = 0x%08X", __LINE__, hr);
    return hr;
}
