// Closing the open file: stopping the graph and releasing everything a
// build created, in an order that leaves no callback pointing at freed
// objects.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "engine/AudioGrab.h"
#include "engine/AviFileLibrary.h"
#include "engine/GraphBuilderCB.h"
#include "engine/GraphUtil.h"
#include "engine/NotifyFilter.h"
#include "engine/VideoGrab.h"
#include "engine/WineQuirks.h"

HRESULT CVideoRenderer::m_VR_Close()
{
    EnterCriticalSection(&m_OpenLock);
    if (m_Opening) {
        m_CloseRequested = 1;  // the open's thread closes when it ends
        LeaveCriticalSection(&m_OpenLock);
        return kVrNotAvailable;
    }
    HRESULT hr = m_Opened ? m_CloseGraph() : kVrNotAvailable;
    LeaveCriticalSection(&m_OpenLock);
    return hr;
}

HRESULT CVideoRenderer::m_CloseGraph()
{
    m_Opened = 0;
    m_StopAllTimers();
    if (m_State == VR_STATE_RUNNING && m_pMediaControl)
        m_VR_Checked(m_pMediaControl->Pause(), __LINE__, L"IMediaControl::Pause()");
    if (m_pMediaEvent)
        m_VR_Checked(m_pMediaEvent->SetNotifyWindow(0, 0, 0), __LINE__,
                     L"IMediaEventEx::SetNotifyWindow()");
    m_ForgetFile();
    HRESULT hr = kVrNotAvailable;
    if (m_pMediaControl) {
        OAFilterState state = State_Stopped;
        hr = m_pMediaControl->GetState(5000, &state);
        if (state != State_Stopped) {
            m_VR_Checked(m_pMediaControl->Stop(), __LINE__, L"IMediaControl::Stop()");
            hr = m_pMediaControl->GetState(5000, &state);
        }
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IMediaControl::GetState() = 0x%08X", __LINE__, hr);
    }
    m_ReleaseAll();
    return hr;
}

// The per-file tables of streams, chapters and key frames.
void CVideoRenderer::m_ForgetFile()
{
    m_Streams_Clear(&m_Streams);
    m_SubtitleFlags[0] = m_SubtitleFlags[1] = 0;
    m_SubtitlePath[0] = L'\0';
    delete[] m_pMarkerChapters;
    m_pMarkerChapters = nullptr;
    m_MarkerChapterCount = 0;
    m_ChapterCount = 0;
    m_CurrentChapter = 0;
    m_SelectedChapter = -1;
    m_ChaptersFromOutside = 0;
    delete[] m_pKeyFrameTimes;
    delete[] m_pKeyFrameMs;
    m_pKeyFrameTimes = nullptr;
    m_pKeyFrameMs = nullptr;
    m_KeyFrameCount = 0;
    if (m_AviIndexOpen) {
        if (m_pAviStream) m_pAviStream->Release();
        if (m_pAviFile) m_pAviFile->Release();
        // An index was opened, so the library is loaded.
        if (const SAVIFILEAPI* avi = m_AviFileApi()) avi->Exit();
        m_pAviStream = nullptr;
        m_pAviFile = nullptr;
        m_AviIndexOpen = 0;
    }
    m_KeyFrameKind = 0;
}

// Takes the engine's own filters out of the graph and detaches the
// callbacks the grabbers and the graph hold, before anything is released.
void CVideoRenderer::m_DetachOwnObjects()
{
    for (int i = 0; i < m_UserFilterCount; ++i) {
        HRESULT hr = m_pGraph->RemoveFilter(m_pUserFilters[i]);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IGraphBuilder::RemoveFilter() = 0x%08X", __LINE__, hr);
        m_VR_Release(m_pUserFilters[i]);
    }
    m_UserFilterCount = 0;
    if (m_pNotifyFilter) {
        HRESULT hr = m_pGraph->RemoveFilter(m_pNotifyFilter);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IGraphBuilder::RemoveFilter(CNotifyFilter) = 0x%08X",
                       __LINE__, hr);
    }
    if (m_pVideoGrabber)
        m_VR_Checked(m_pVideoGrabber->SetCallback(nullptr, 0), __LINE__,
                     L"ISampleGrabber::SetCallback(null)");
    if (m_pVideoGrabberFilter) {
        HRESULT hr = m_pGraph->RemoveFilter(m_pVideoGrabberFilter);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IGraphBuilder::RemoveFilter(CLSID_SampleGrabber) = 0x%08X",
                       __LINE__, hr);
    }
    m_VideoGrabPresent = 0;
    if (m_pAudioGrabber)
        m_VR_Checked(m_pAudioGrabber->SetCallback(nullptr, 0), __LINE__,
                     L"ISampleGrabber::SetCallback(null)");
    IObjectWithSite* site = nullptr;
    if (m_pGraphBuilderCB && m_Wine_CanClearGraphSite() &&
        SUCCEEDED(m_pGraph->QueryInterface(IID_IObjectWithSite, reinterpret_cast<void**>(&site)))) {
        m_VR_Checked(site->SetSite(nullptr), __LINE__, L"IObjectWithSite::SetSite(null)");
        site->Release();
    }
}

void CVideoRenderer::m_ReleaseInterfaces()
{
    m_VR_Release(m_pNotifyFilter);
    m_VR_Release(m_pVideoGrabber);
    m_VR_Release(m_pVideoGrabberFilter);
    m_VR_Release(m_pAudioGrabber);
    m_VR_Release(m_pAudioGrabberFilter);
    m_VR_Release(m_pVideoGrabCB);
    m_VR_Release(m_pAudioGrabCB);
    m_VR_Release(m_pTimeStretchFilter);
    m_VR_Release(m_pVmr9Mixer);
    m_VR_Release(m_pVmr9Control);
    m_VR_Release(m_pVmr7Control);
    m_VR_Release(m_pSubtitleFilter);
    m_VR_Release(m_pAudioRenderer);
    m_VR_Release(m_pVideoRenderer);
    m_VR_Release(m_pVideoWindow);
    m_VR_Release(m_pBasicVideo);
    m_VR_Release(m_pSourceFilter);
    m_VR_Release(m_pGraphBuilderCB);
    m_VR_Release(m_pBasicAudio);
    m_VR_Release(m_pMediaSeeking);
    m_VR_Release(m_pMediaEvent);
    m_VR_Release(m_pMediaControl);
    m_VR_Release(m_pGraph);
}

// Releases all a build created, also after a build that failed half-way,
// and leaves the engine as a closed one.
void CVideoRenderer::m_ReleaseAll()
{
    m_StopAllTimers();
    if (m_pGraph) m_DetachOwnObjects();
    m_ReleaseInterfaces();
    if (m_hTimeStretchModule) FreeLibrary(m_hTimeStretchModule);
    m_hTimeStretchModule = nullptr;
    m_VR_Reset();
    m_Opened = 0;
    m_NotifyFilterInserted = 0;
    m_NullRendererInUse = 0;
    m_TimeStretchInGraph = 0;
    m_RatePending = 0;
    m_State = VR_STATE_NONE;
    m_StopPosition = 0;
    m_LastSource = RECT{};
    m_LastDestination = RECT{};
    m_LastSourceFractions[0] = m_LastSourceFractions[1] = 0;
    m_LastSourceFractions[2] = m_LastSourceFractions[3] = 1;
    m_MediaPath[0] = 0;
    m_SubtitlePath[0] = 0;
}
