// The engine object: construction, reset and the windows it reports to.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "engine/EngineMessages.h"
#include "engine/WineQuirks.h"

CVideoRenderer* g_VideoRenderer = nullptr;

CVideoRenderer::CVideoRenderer()
{
    InitializeCriticalSection(&m_TimerLock);
    InitializeCriticalSection(&m_OpenLock);
    m_Wine_IsWine();  // told once, before any graph exists
    m_VR_Construct();
}

CVideoRenderer::~CVideoRenderer()
{
    delete[] m_pRegisteredFilters;
    m_WaitOpenThread();
    m_VR_Close();
    m_StopAllTimers();
    DeleteCriticalSection(&m_OpenLock);
    DeleteCriticalSection(&m_TimerLock);
}

void CVideoRenderer::m_VR_Construct()
{
    m_Streams_Clear(&m_Streams);
    m_LastSource = RECT{};
    m_LastDestination = RECT{};
    m_LastSourceFractions[0] = m_LastSourceFractions[1] = 0;
    m_LastSourceFractions[2] = m_LastSourceFractions[3] = 1;
    m_AudioOptions[0] = 100;
    m_StopPosition = -1;
    m_SelectedChapter = -1;
    m_Rate = 100;
    m_VR_Reset();
}

void CVideoRenderer::m_VR_Reset()
{
    m_ZoomRect[0] = m_ZoomRect[1] = 0;
    m_ZoomRect[2] = m_ZoomRect[3] = 1;
    m_RendererKind = 0;
    m_AudioDeviceName[0] = 0;
    m_Duration = 0;
    m_FrameCount = 0;
    m_FramesPerSecond = 0;
    m_FrameTime = 0;
    m_Position = 0;
    m_TimeFormatKind = 0;
}

HRESULT CVideoRenderer::m_VR_SetWindows(HWND videoWindow, HWND notifyWindow)
{
    if (videoWindow) m_hVideoWindow = videoWindow;
    if (notifyWindow) m_hNotifyWindow = notifyWindow;
    m_NotifyMessage = WM_APP_GRAPHEVENT;
    if (!m_pGraph || !m_pMediaEvent) return kVrNotAvailable;
    HRESULT hr = m_pMediaEvent->SetNotifyWindow(reinterpret_cast<OAHWND>(m_hNotifyWindow),
                                                m_NotifyMessage, 0);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IMediaEventEx::SetNotifyWindow() = 0x%08X", __LINE__, hr);
    m_VR_SetVideoWindow(videoWindow);
    return hr;
}

void CVideoRenderer::m_VR_SetTimeStretchTarget(HWND window)
{
    m_hTimeStretchWindow = window;
    m_TimeStretchMessage = WM_APP_TIMESTRETCH;
}

void CVideoRenderer::m_VR_SetFilterList(const SFILTERITEM* list, int count)
{
    m_pFilterList = list;
    m_FilterListCount = list ? count : 0;
}
