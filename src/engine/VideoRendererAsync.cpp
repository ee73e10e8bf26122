// The threaded build of the preview player: a silent graph with a video
// grabber, built on a thread of its own and reported by WM_APP_GRAPHBUILT.
#include "engine/VideoRenderer.h"

#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/DsGuids.h"
#include "engine/DsMediaType.h"
#include "engine/EngineMessages.h"
#include "engine/GraphUtil.h"
#include "engine/NotifyFilter.h"
#include "engine/VideoGrab.h"

HANDLE CVideoRenderer::m_VR_OpenAsync(const wchar_t* path)
{
    if (m_Opening) return nullptr;
    if (m_Opened) m_VR_Close();
    m_WaitOpenThread();
    m_Opening = 1;
    wcsncpy_s(m_MediaPath, path ? path : L"", _TRUNCATE);
    HANDLE thread = CreateThread(nullptr, 0, m_VR_OpenThread, this, 0, nullptr);
    if (!thread) {
        m_Opening = 0;
        return nullptr;
    }
    // The engine keeps its own handle, to wait for the thread before it ends.
    if (!DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &m_hOpenThread,
                         SYNCHRONIZE, FALSE, 0))
        m_hOpenThread = nullptr;
    return thread;
}

// The last threaded open builds into the same graph members as any open:
// it must have ended before another open or the engine's end.
void CVideoRenderer::m_WaitOpenThread()
{
    if (!m_hOpenThread) return;
    WaitForSingleObject(m_hOpenThread, INFINITE);
    CloseHandle(m_hOpenThread);
    m_hOpenThread = nullptr;
}

DWORD WINAPI CVideoRenderer::m_VR_OpenThread(void* parameter)
{
    CVideoRenderer* engine = static_cast<CVideoRenderer*>(parameter);
    HRESULT init = CoInitialize(nullptr);
    HRESULT hr = engine->m_BuildPreviewGraph();
    // Under the lock, so that a close that arrives now either finds the
    // open running (and is left to this thread) or finds it ended.
    EnterCriticalSection(&engine->m_OpenLock);
    engine->m_Opening = 0;
    const bool closeNow = SUCCEEDED(hr) && engine->m_CloseRequested;
    engine->m_CloseRequested = 0;
    if (closeNow)
        engine->m_VR_Close();
    else
        PostMessageW(engine->m_hNotifyWindow, WM_APP_GRAPHBUILT, SUCCEEDED(hr) ? 1 : 0, 0);
    LeaveCriticalSection(&engine->m_OpenLock);
    if (SUCCEEDED(init)) CoUninitialize();
    return 0;
}

// Creates the grabber that hands RGB32 frames to the preview.
void CVideoRenderer::m_AddVideoGrabber()
{
    HRESULT hr =
        CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                         IID_IBaseFilter, reinterpret_cast<void**>(&m_pVideoGrabberFilter));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(CLSID_SampleGrabber) = 0x%08X", __LINE__, hr);
        m_pVideoGrabberFilter = nullptr;
        return;
    }
    hr = m_pVideoGrabberFilter->QueryInterface(IID_ISampleGrabber,
                                               reinterpret_cast<void**>(&m_pVideoGrabber));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IBaseFilter::QueryInterface(IID_ISampleGrabber) = 0x%08X",
                   __LINE__, hr);
        m_pVideoGrabber = nullptr;
        m_VR_Release(m_pVideoGrabberFilter);
        return;
    }
    AM_MEDIA_TYPE type = {};
    type.majortype = MEDIATYPE_Video;
    type.subtype = MEDIASUBTYPE_RGB32;
    type.formattype = FORMAT_VideoInfo;
    hr = m_pVideoGrabber->SetMediaType(&type);
    if (SUCCEEDED(hr)) hr = m_pGraph->AddFilter(m_pVideoGrabberFilter, L"GrabberVideo");
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / ISampleGrabber::SetMediaType() = 0x%08X", __LINE__, hr);
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter() = 0x%08X", __LINE__, hr);
    }
}

// The grabbed frame facts and the callback, once the grabber is connected.
void CVideoRenderer::m_SetUpVideoGrabCB()
{
    if (!m_pVideoGrabber) return;
    AM_MEDIA_TYPE type = {};
    HRESULT hr = m_pVideoGrabber->GetConnectedMediaType(&type);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / ISampleGrabber::GetConnectedMediaType() = 0x%08X", __LINE__,
                   hr);
    } else {
        if (IsEqualGUID(type.formattype, FORMAT_VideoInfo) && type.pbFormat &&
            type.cbFormat >= sizeof(VIDEOINFOHEADER)) {
            const VIDEOINFOHEADER* info = reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat);
            m_GrabFrameFacts[0] = info->bmiHeader.biWidth;
            m_GrabFrameFacts[1] = info->bmiHeader.biHeight;
        }
        m_GrabFrameFacts[2] = static_cast<int>(type.lSampleSize);
        m_Ds_FreeMediaType(&type);
    }
    m_VR_Checked(m_pVideoGrabber->SetBufferSamples(FALSE), __LINE__,
                 L"ISampleGrabber::SetBufferSamples()");
    m_VR_Checked(m_pVideoGrabber->SetOneShot(FALSE), __LINE__, L"ISampleGrabber::SetOneShot()");
    m_pVideoGrabCB = CVideoGrabCB::Create();
    if (!m_pVideoGrabCB) return;
    m_pVideoGrabCB->SetWindow(m_hNotifyWindow);
    hr = m_pVideoGrabber->SetCallback(m_pVideoGrabCB, 1);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / ISampleGrabber::SetCallback() = 0x%08X", __LINE__, hr);
}

HRESULT CVideoRenderer::m_BuildPreviewGraph()
{
    HRESULT hr = InitGraph(1);
    if (!m_pGraph) return hr;
    hr = m_AddSource(m_MediaPath);
    if (SUCCEEDED(hr)) hr = m_BuildPreviewRest();
    if (FAILED(hr)) m_ReleaseAll();
    return hr;
}

HRESULT CVideoRenderer::m_BuildPreviewRest()
{
    m_VR_CreateRenderer(VR_KIND_EVR);
    m_AddVideoGrabber();
    if (!m_RenderSourcePins()) return VFW_E_CANNOT_RENDER;
    m_VR_InsertNotifyFilter();
    m_VR_ReadDuration();
    m_VR_ReadKeyFrames();
    m_SetUpVideoGrabCB();
    HRESULT hr = m_pMediaControl ? m_pMediaControl->Pause() : kVrNotAvailable;
    if (FAILED(m_UpdatetNativeVideoSize())) {
        HRESULT again = m_UpdatetNativeVideoSize();
        m_WriteLog(L"RETRY / m_UpdatetNativeVideoSize() == 0x%08X", again);
    }
    m_VR_ReadRendererInputFormat();
    m_State = VR_STATE_BUILT;
    m_VideoGrabPresent = 1;
    m_Opened = 1;
    return hr;
}
