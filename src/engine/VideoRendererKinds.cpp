// The video renderer of each kind: creation, set-up and the renderer window.
#include "engine/VideoRenderer.h"

#include <evr.h>
#include <evr9.h>
#include <mfidl.h>

#include "base/ErrorLog.h"
#include "engine/DsGuids.h"
#include "engine/ExternalFilters.h"
#include "engine/GraphUtil.h"
#include "engine/WineQuirks.h"

int g_RendererKind = -1;

int m_VR_IsWindowlessRenderer()
{
    int kind = g_RendererKind;
    if (kind == -1 && g_VideoRenderer) kind = g_VideoRenderer->m_GetRendererKind();
    return (kind == 4 || kind == 6 || kind == 7) ? 1 : 0;
}

// Creates the renderer and adds it to the graph as m_pVideoRenderer. A
// renderer that cannot be created is not handed to AddFilter.
HRESULT CVideoRenderer::m_AddRenderer(REFCLSID clsid, DWORD context, const wchar_t* name, int line,
                                      const wchar_t* clsidName, const wchar_t* addText)
{
    HRESULT hr = CoCreateInstance(clsid, nullptr, context, IID_IBaseFilter,
                                  reinterpret_cast<void**>(&m_pVideoRenderer));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(%s) = 0x%08X", line, clsidName, hr);
        m_pVideoRenderer = nullptr;
        return hr;
    }
    hr = m_pGraph->AddFilter(m_pVideoRenderer, name);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / %s = 0x%08X", line, addText, hr);
        m_VR_Release(m_pVideoRenderer);
    }
    return hr;
}

HRESULT CVideoRenderer::m_SetUpVmr7()
{
    IVMRFilterConfig* config = nullptr;
    HRESULT hr =
        m_pVideoRenderer->QueryInterface(IID_IVMRFilterConfig, reinterpret_cast<void**>(&config));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / QueryInterface(IID_IVMRFilterConfig) = 0x%08X", __LINE__, hr);
        return hr;
    }
    hr = config->SetRenderingMode(VMRMode_Windowless);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRFilterConfig::SetRenderingMode() = 0x%08X", __LINE__, hr);
    hr = config->SetNumberOfStreams(2);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRFilterConfig::SetNumberOfStreams() = 0x%08X", __LINE__,
                   hr);
    config->Release();
    if (!m_hVideoWindow) return hr;
    hr = m_pVideoRenderer->QueryInterface(IID_IVMRWindowlessControl,
                                          reinterpret_cast<void**>(&m_pVmr7Control));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / QueryInterface(IID_IVMRWindowlessControl) = 0x%08X", __LINE__,
                   hr);
        m_pVmr7Control = nullptr;
        return hr;
    }
    hr = m_pVmr7Control->SetVideoClippingWindow(m_hVideoWindow);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl::SetVideoClippingWindow() = 0x%08X",
                   __LINE__, hr);
    hr = m_pVmr7Control->SetAspectRatioMode(VMR_ARMODE_NONE);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl::SetAspectRatioMode() = 0x%08X",
                   __LINE__, hr);
    return hr;
}

HRESULT CVideoRenderer::m_SetUpVmr9()
{
    IVMRFilterConfig9* config = nullptr;
    HRESULT hr =
        m_pVideoRenderer->QueryInterface(IID_IVMRFilterConfig9, reinterpret_cast<void**>(&config));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / QueryInterface(IID_IVMRFilterConfig9) = 0x%08X", __LINE__, hr);
        return hr;
    }
    hr = config->SetRenderingMode(VMR9Mode_Windowless);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRFilterConfig9::SetRenderingMode() = 0x%08X", __LINE__, hr);
    hr = config->SetNumberOfStreams(2);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRFilterConfig9::SetNumberOfStreams() = 0x%08X", __LINE__,
                   hr);
    config->Release();
    hr = m_pVideoRenderer->QueryInterface(IID_IVMRWindowlessControl9,
                                          reinterpret_cast<void**>(&m_pVmr9Control));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / QueryInterface(IID_IVMRWindowlessControl9) = 0x%08X", __LINE__,
                   hr);
        m_pVmr9Control = nullptr;
    } else {
        hr = m_pVmr9Control->SetVideoClippingWindow(m_hVideoWindow);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl9::SetVideoClippingWindow() = 0x%08X",
                       __LINE__, hr);
        hr = m_pVmr9Control->SetAspectRatioMode(VMR9ARMode_None);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl9::SetAspectRatioMode() = 0x%08X",
                       __LINE__, hr);
    }
    HRESULT mixer = m_pVideoRenderer->QueryInterface(IID_IVMRMixerControl9,
                                                     reinterpret_cast<void**>(&m_pVmr9Mixer));
    if (FAILED(mixer)) {
        m_WriteLog(L"VR_%d : Error / IBaserFilter::QueryInterface(IID_IVMRMixerControl9) = 0x%08X",
                   __LINE__, mixer);
        m_pVmr9Mixer = nullptr;
    }
    return hr;
}

HRESULT CVideoRenderer::m_SetUpEvr()
{
    IMFVideoDisplayControl* display = nullptr;
    HRESULT hr = EVRGetVideoDisplayControl(&display);
    if (SUCCEEDED(hr)) {
        if (m_hVideoWindow) {
            hr = display->SetVideoWindow(m_hVideoWindow);
            if (FAILED(hr))
                m_WriteLog(L"VR_%d : Error / IMFVideoDisplayControl::SetVideoWindow() = 0x%08X",
                           __LINE__, hr);
        }
        hr = display->SetAspectRatioMode(MFVideoARMode_None);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IMFVideoDisplayControl::SetAspectRatioMode() = 0x%08X",
                       __LINE__, hr);
        hr = display->SetBorderColor(0);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IMFVideoDisplayControl::SetBorderColor() = 0x%08X",
                       __LINE__, hr);
        display->Release();
    }
    IMFVideoProcessor* processor = nullptr;
    if (SUCCEEDED(m_VR_GetVideoProcessor(&processor))) {
        m_VR_Checked(processor->SetBackgroundColor(0), __LINE__,
                     L"IMFVideoProcessor::SetBackgroundColor()");
        processor->Release();
    }
    return hr;
}

HRESULT CVideoRenderer::m_VR_CreateRenderer(int kind)
{
    m_RendererKind = 0;
    kind = m_Wine_RendererKind(kind);
    if (kind == 0 || kind == 1 || kind == 2 || kind == 8) {
        HRESULT hr =
            m_pGraph->QueryInterface(IID_IBasicVideo2, reinterpret_cast<void**>(&m_pBasicVideo));
        if (FAILED(hr)) {
            m_WriteLog(L"VR_%d : Error / IGraphBuilder::QueryInterface(IID_IBasicVideo2) = 0x%08X",
                       __LINE__, hr);
            m_pBasicVideo = nullptr;
        }
        hr = m_pGraph->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_pVideoWindow));
        if (FAILED(hr)) {
            m_WriteLog(L"VR_%d : Error / IGraphBuilder::QueryInterface(IID_IVideoWindow) = 0x%08X",
                       __LINE__, hr);
            m_pVideoWindow = nullptr;
        }
    }
    HRESULT hr = kVrNotAvailable;
    switch (kind) {
        case 0:
            hr = m_AddRenderer(CLSID_VideoRendererDefault,
                               CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                               L"VideoRendererDefault", __LINE__, L"CLSID_VideoRendererDefault",
                               L"AddFilter(CLSID_VideoRendererDefault)");
            break;
        case 1:
            hr = m_AddRenderer(CLSID_OverlayMixer, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                               L"Overlay Mixer", __LINE__, L"CLSID_OverlayMixer",
                               L"IGraphBuilder::AddFilter(Overlay Mixer)");
            break;
        case 2:
            hr = m_AddRenderer(CLSID_VideoRenderer, CLSCTX_INPROC_SERVER, L"Video Renderer",
                               __LINE__, L"CLSID_VideoRenderer",
                               L"IGraphBuilder::AddFilter(Video Renderer)");
            break;
        case 3:
            hr = m_AddRenderer(CLSID_VideoMixingRenderer,
                               CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                               L"Video Mixing Renderer", __LINE__, L"CLSID_VideoMixingRenderer",
                               L"IGraphBuilder::AddFilter(Video Mixing Renderer)");
            if (SUCCEEDED(hr)) hr = m_SetUpVmr7();
            break;
        case 4:
            hr = m_AddRenderer(CLSID_VideoMixingRenderer9, CLSCTX_INPROC_SERVER, L"VMR9", __LINE__,
                               L"CLSID_VideoMixingRenderer9", L"IGraphBuilder::AddFilter(VMR9)");
            if (SUCCEEDED(hr)) hr = m_SetUpVmr9();
            break;
        case 7:
            hr = m_AddRenderer(CLSID_EnhancedVideoRenderer, CLSCTX_INPROC_SERVER, L"EVR", __LINE__,
                               L"CLSID_EnhancedVideoRenderer",
                               L"IGraphBuilder::AddFilter(EnhancedVideoRenderer)");
            if (SUCCEEDED(hr)) hr = m_SetUpEvr();
            break;
        case 8:
            hr = m_AddRenderer(CLSID_madVR, CLSCTX_INPROC_SERVER, L"MADVR", __LINE__,
                               L"CLSID_madVR", L"IGraphBuilder::AddFilter(MADVR)");
            if (SUCCEEDED(hr) && m_pVideoWindow) {
                m_GiveVideoWindow(m_hVideoWindow);
            }
            break;
        case -1:
            // The kind in use stays 0: there is no picture to manage.
            hr = m_AddRenderer(CLSID_NullRenderer, CLSCTX_INPROC_SERVER, L"Null Renderer", __LINE__,
                               L"CLSID_NullRenderer", L"IGraphBuilder::AddFilter(Null Renderer)");
            m_NullRendererInUse = m_pVideoRenderer ? 1 : 0;
            return hr;
        default:
            return kVrNotAvailable;  // kinds 5 and 6: no video renderer
    }
    if (m_pVideoRenderer) m_RendererKind = kind;
    return hr;
}

// The renderer's own window becomes a child of the window.
void CVideoRenderer::m_GiveVideoWindow(HWND window)
{
    const OAHWND owner = reinterpret_cast<OAHWND>(window);
    m_VR_Checked(m_pVideoWindow->put_Owner(owner), __LINE__, L"IVideoWindow::put_Owner()");
    m_VR_Checked(m_pVideoWindow->put_MessageDrain(owner), __LINE__,
                 L"IVideoWindow::put_MessageDrain()");
}

HRESULT CVideoRenderer::m_VR_SetVideoWindow(HWND window)
{
    if (!m_pGraph) return kVrNotAvailable;
    m_hVideoWindow = window;
    if (m_RendererKind == 3 && m_pVmr7Control) {
        m_VR_Checked(m_pVmr7Control->SetVideoClippingWindow(window), __LINE__,
                     L"IVMRWindowlessControl::SetVideoClippingWindow()");
    } else if (m_RendererKind == 4 && m_pVmr9Control) {
        m_VR_Checked(m_pVmr9Control->SetVideoClippingWindow(window), __LINE__,
                     L"IVMRWindowlessControl9::SetVideoClippingWindow()");
    } else if (m_RendererKind == 7) {
        IMFVideoDisplayControl* display = nullptr;
        if (SUCCEEDED(EVRGetVideoDisplayControl(&display))) {
            m_VR_Checked(display->SetVideoWindow(window), __LINE__,
                         L"IMFVideoDisplayControl::SetVideoWindow()");
            display->Release();
        }
    } else if (m_pVideoWindow) {
        m_GiveVideoWindow(window);
    }
    return kVrNotAvailable;
}

namespace {

HRESULT m_GetRendererService(IBaseFilter* renderer, REFGUID service, REFIID iid, void** out,
                             const wchar_t* failText)
{
    *out = nullptr;
    if (!renderer) return kVrNotAvailable;
    IMFGetService* get = nullptr;
    HRESULT hr = renderer->QueryInterface(IID_IMFGetService, reinterpret_cast<void**>(&get));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / QueryInterface(IID_IMFGetService) = 0x%08X", __LINE__, hr);
        return hr;
    }
    hr = get->GetService(service, iid, out);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IMFGetService::GetService(%s) = 0x%08X", __LINE__, failText,
                   hr);
        *out = nullptr;
    }
    get->Release();
    return hr;
}

}  // namespace

HRESULT CVideoRenderer::EVRGetVideoDisplayControl(IMFVideoDisplayControl** out)
{
    return m_GetRendererService(m_pVideoRenderer, MR_VIDEO_RENDER_SERVICE,
                                __uuidof(IMFVideoDisplayControl), reinterpret_cast<void**>(out),
                                L"MR_VIDEO_RENDER_SERVICE, IID_IMFVideoDisplayControl");
}

HRESULT CVideoRenderer::m_VR_GetVideoProcessor(IMFVideoProcessor** out)
{
    return m_GetRendererService(m_pVideoRenderer, MR_VIDEO_MIXER_SERVICE,
                                __uuidof(IMFVideoProcessor), reinterpret_cast<void**>(out),
                                L"MR_VIDEO_MIXER_SERVICE, IID_IMFVideoProcessor");
}

namespace {

// An output pin of the filter that is not connected and offers video.
IPin* m_FindLooseVideoPin(IBaseFilter* filter)
{
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins)) || !pins) return nullptr;
    IPin* found = nullptr;
    IPin* pin = nullptr;
    while (!found && pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION direction;
        IPin* peer = nullptr;
        if (SUCCEEDED(pin->QueryDirection(&direction)) && direction == PINDIR_OUTPUT &&
            pin->ConnectedTo(&peer) == VFW_E_NOT_CONNECTED &&
            m_VR_PinOffersMajorType(pin, MEDIATYPE_Video)) {
            found = pin;
        } else {
            if (peer) peer->Release();
            pin->Release();
        }
        pin = nullptr;
    }
    pins->Release();
    return found;
}

}  // namespace

// The Null Renderer takes any type, so while the source's pins are rendered
// it stays out of the graph (it would swallow the file's byte stream); then
// it takes the video stream that found no renderer.
void CVideoRenderer::m_AttachNullRenderer()
{
    HRESULT hr = m_pGraph->AddFilter(m_pVideoRenderer, L"Null Renderer");
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter(Null Renderer) = 0x%08X", __LINE__,
                   hr);
        m_VR_Release(m_pVideoRenderer);
        return;
    }
    IPin* input = m_VR_FindPin(m_pVideoRenderer, PINDIR_INPUT, nullptr);
    IEnumFilters* filters = nullptr;
    if (!input || FAILED(m_pGraph->EnumFilters(&filters)) || !filters) {
        if (input) input->Release();
        return;
    }
    IBaseFilter* filter = nullptr;
    bool connected = false;
    while (!connected && filters->Next(1, &filter, nullptr) == S_OK) {
        IPin* video = filter != m_pVideoRenderer ? m_FindLooseVideoPin(filter) : nullptr;
        if (video) {
            connected = SUCCEEDED(m_pGraph->Connect(video, input));
            video->Release();
        }
        filter->Release();
    }
    filters->Release();
    input->Release();
}
