// Building the graph of a media file for the main player.
#include "engine/VideoRenderer.h"

#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/GraphBuilderCB.h"
#include "engine/GraphUtil.h"

namespace {

template <class T>
void m_QueryGraph(IGraphBuilder* graph, REFIID iid, T** out, const wchar_t* name)
{
    HRESULT hr = graph->QueryInterface(iid, reinterpret_cast<void**>(out));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::QueryInterface(%s) = 0x%08X", __LINE__, name,
                   hr);
        *out = nullptr;
    }
}

}  // namespace

HRESULT CVideoRenderer::InitGraph(int preview)
{
    HRESULT hr =
        CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                         IID_IGraphBuilder, reinterpret_cast<void**>(&m_pGraph));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(IID_IGraphBuilder) = 0x%08X", __LINE__, hr);
        m_pGraph = nullptr;
        return hr;
    }
    m_QueryGraph(m_pGraph, IID_IMediaControl, &m_pMediaControl, L"IID_IMediaControl");
    m_QueryGraph(m_pGraph, IID_IMediaEventEx, &m_pMediaEvent, L"IID_IMediaEventEx");
    m_QueryGraph(m_pGraph, IID_IMediaSeeking, &m_pMediaSeeking, L"IID_IMediaSeeking");
    if (!preview) m_QueryGraph(m_pGraph, IID_IBasicAudio, &m_pBasicAudio, L"IID_IBasicAudio");
    hr = kVrNotAvailable;
    if (m_pMediaEvent) {
        hr = m_pMediaEvent->SetNotifyWindow(reinterpret_cast<OAHWND>(m_hNotifyWindow),
                                            m_NotifyMessage, 0);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IMediaEventEx::SetNotifyWindow() = 0x%08X", __LINE__, hr);
    }
    m_VR_InstallGraphBuilderCB(preview);
    m_State = VR_STATE_CREATED;
    m_RatePending = 0;
    return hr;
}

void CVideoRenderer::m_VR_InstallGraphBuilderCB(int preview)
{
    m_pGraphBuilderCB = GraphBuilderCB::Create();
    if (!m_pGraphBuilderCB) {
        m_WriteLog(
            L"VR_%d : Error / GraphBuilderCB::NonDelegatingQueryInterface(IID_IUnknown) = 0x%08X",
            __LINE__, E_OUTOFMEMORY);
        return;
    }
    m_pGraphBuilderCB->SetPreview(preview);
    IObjectWithSite* site = nullptr;
    HRESULT hr = m_pGraph->QueryInterface(IID_IObjectWithSite, reinterpret_cast<void**>(&site));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::QueryInterface(IID_IObjectWithSite) = 0x%08X",
                   __LINE__, hr);
        return;
    }
    hr = site->SetSite(static_cast<IAMGraphBuilderCallback*>(m_pGraphBuilderCB));
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IObjectWithSite::SetSite(GraphBuilderCB) = 0x%08X", __LINE__,
                   hr);
    site->Release();
}

HRESULT CVideoRenderer::m_AddSource(const wchar_t* path)
{
    wcsncpy_s(m_MediaPath, path ? path : L"", _TRUNCATE);
    HRESULT hr = m_pGraph->AddSourceFilter(m_MediaPath, L"SourceFilter", &m_pSourceFilter);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddSourceFilter() = 0x%08X", __LINE__, hr);
        m_pSourceFilter = nullptr;
    }
    return hr;
}

// The steps that add filters before rendering.
void CVideoRenderer::m_AddFilters(int rendererKind, const wchar_t* deviceName, DWORD flags)
{
    if (flags & VR_OPEN_VIDEO) m_VR_CreateRenderer(rendererKind);
    if (flags & VR_OPEN_AUDIO) {
        BindAudioRenderFilter(deviceName);
        if (!m_pAudioRenderer) BindAudioRenderFilter(nullptr);
    }
    if (m_TimeStretchWanted) m_AddTimeStretchFilter();
    if (m_pGraphBuilderCB) m_pGraphBuilderCB->SetStretch(m_TimeStretchInGraph);
    if (flags & VR_OPEN_AUDIO) m_VR_AddAudioGrabber();
    if (flags & VR_OPEN_VIDEO) m_AddSubtitleFilter();
    m_AddUserFilters();
    if (m_pGraphBuilderCB)
        m_pGraphBuilderCB->SetFilterList(m_pFilterList, m_FilterListCount, m_MediaPath);
}

// The steps after rendering: the video window, the notify filter and what
// the build reads about the file.
void CVideoRenderer::m_FinishBuild(DWORD flags)
{
    m_SetUpVideoWindow();
    if (flags & VR_OPEN_VIDEO) {
        m_NotifyFilterInserted = m_VR_InsertNotifyFilter() == 1 ? 1 : 0;
        m_VR_ReadStreams();
        m_VR_ReadDuration();
        m_VR_ReadChapters();
        m_VR_ReadKeyFrames();
        if (FAILED(m_UpdatetNativeVideoSize())) {
            HRESULT hr = m_UpdatetNativeVideoSize();
            m_WriteLog(L"RETRY / m_UpdatetNativeVideoSize() == 0x%08X", hr);
        }
    } else {
        m_VR_ReadDuration();
        m_VR_ReadChapters();
    }
    m_VR_ReadRendererInputFormat();
    m_ZoomRect[0] = m_ZoomRect[1] = 0;
    m_ZoomRect[2] = m_ZoomRect[3] = 1;
    m_State = VR_STATE_BUILT;
    m_Opened = 1;
    if (flags & VR_OPEN_AUDIO) m_ReadAudioFormat();
}

HRESULT CVideoRenderer::m_VR_Open(const wchar_t* path, int rendererKind, const wchar_t* deviceName,
                                  DWORD flags)
{
    // A threaded open still building would build into the same graph.
    m_WaitOpenThread();
    // A graph still open would otherwise be replaced without its release.
    if (m_Opened) m_VR_Close();
    HRESULT hr = InitGraph();
    if (!m_pGraph) {
        m_WriteLog(L"VR_%d : Error / InitGraph() = 0x%08X", __LINE__, hr);
        return hr;
    }
    hr = m_AddSource(path);
    if (FAILED(hr)) {
        m_ReleaseAll();
        return hr;
    }
    m_AddFilters(rendererKind, deviceName, flags);
    if (!m_RenderSourcePins()) {
        // Nothing of the file can play: this is no open file.
        m_ReleaseAll();
        return VFW_E_CANNOT_RENDER;
    }
    m_FinishBuild(flags);
    return hr;
}
