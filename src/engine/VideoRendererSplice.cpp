// The notify filter spliced in between the video renderer and the filter
// that feeds it, so that the first frame after a seek is reported.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "engine/DsMediaType.h"
#include "engine/GraphUtil.h"
#include "engine/NotifyFilter.h"
#include "engine/WineQuirks.h"

// 1 when the filter is in place, 0 when not (it is then taken out again),
// kVrNotAvailable without a video renderer.
int CVideoRenderer::m_VR_InsertNotifyFilter()
{
    if (!m_pVideoRenderer) return kVrNotAvailable;
    m_pNotifyFilter = CNotifyFilter::Create();
    if (!m_pNotifyFilter) {
        m_WriteLog(L"VR_%d : Error / new CNotifyFilter() = 0x%08X", __LINE__, E_OUTOFMEMORY);
        return 0;
    }
    HRESULT hr = m_pGraph->AddFilter(m_pNotifyFilter, L"NotifyFilter");
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / AddFilter(CNotifyFilter) = 0x%08X", __LINE__, hr);
        m_VR_Release(m_pNotifyFilter);
        return 0;
    }
    m_pNotifyFilter->SetWindow(m_hNotifyWindow);
    m_pNotifyFilter->SetSeeking(m_pMediaSeeking);
    if (m_SpliceNotifyFilter()) return 1;
    m_VR_Checked(m_pGraph->RemoveFilter(m_pNotifyFilter), __LINE__,
                 L"IGraphBuilder::RemoveFilter(CNotifyFilter)");
    m_VR_Release(m_pNotifyFilter);
    return 0;
}

int CVideoRenderer::m_SpliceNotifyFilter()
{
    IPin* videoIn = m_VR_FindPin(m_pVideoRenderer, PINDIR_INPUT, nullptr);
    if (!videoIn) {
        m_WriteLog(L"VR_%d : Error / IBaseFilter::EnumPins() = 0x%08X", __LINE__, VFW_E_NOT_FOUND);
        return 0;
    }
    IPin* videoOut = nullptr;
    HRESULT hr = videoIn->ConnectedTo(&videoOut);
    if (FAILED(hr) || !videoOut) {
        m_WriteLog(L"VR_%d : Error / IPin::ConnectedTo() = 0x%08X", __LINE__, hr);
        videoIn->Release();
        return 0;
    }
    // The type the renderer took: the upstream pin may offer first a type
    // the renderer cannot take.
    AM_MEDIA_TYPE type = {};
    const bool known = videoIn->ConnectionMediaType(&type) == S_OK;
    IPin* filterIn = m_VR_FindPin(m_pNotifyFilter, PINDIR_INPUT, nullptr);
    IPin* filterOut = m_VR_FindPin(m_pNotifyFilter, PINDIR_OUTPUT, nullptr);
    int done = 0;
    if (!filterIn || !filterOut) {
        m_WriteLog(L"VR_%d : Error / CNotifyFilter::EnumPins() = 0x%08X / pEnumPins=%d", __LINE__,
                   VFW_E_NOT_FOUND, 0);
    } else {
        m_DisconnectVideo(videoOut, videoIn);
        const int kind = m_NullRendererInUse ? -1 : m_RendererKind;
        if (m_Wine_RenewRendererToReconnect(kind)) m_RenewVideoRenderer(&videoIn);
        done = videoIn ? m_ConnectThrough(videoOut, filterIn, filterOut, videoIn,
                                          known ? &type : nullptr)
                       : 0;
    }
    if (known) m_Ds_FreeMediaType(&type);
    if (filterIn) filterIn->Release();
    if (filterOut) filterOut->Release();
    videoOut->Release();
    if (videoIn) videoIn->Release();
    return done;
}

void CVideoRenderer::m_DisconnectVideo(IPin* out, IPin* in)
{
    HRESULT hr;
    if (FAILED(hr = m_pGraph->Disconnect(in)))
        m_WriteLog(
            L"VR_%d : Error / IGraphBuilder::Disconnect(PinVideoIn)() = 0x%08X / PinVideoIn=%d",
            __LINE__, hr, 1);
    if (FAILED(hr = m_pGraph->Disconnect(out)))
        m_WriteLog(
            L"VR_%d : Error / IGraphBuilder::Disconnect(PinVideoOut) = 0x%08X / PinVideoOut=%d",
            __LINE__, hr, 1);
}

// Puts a new renderer of the kind in use in the place of the one the
// render step connected; *in becomes its input pin (null when it could
// not be made).
void CVideoRenderer::m_RenewVideoRenderer(IPin** in)
{
    const int kind = m_RendererKind;
    m_VR_Checked(m_pGraph->RemoveFilter(m_pVideoRenderer), __LINE__,
                 L"IGraphBuilder::RemoveFilter(video renderer)");
    m_VR_Release(m_pVmr9Mixer);
    m_VR_Release(m_pVmr9Control);
    m_VR_Release(m_pVmr7Control);
    m_VR_Release(m_pBasicVideo);
    m_VR_Release(m_pVideoWindow);
    m_VR_Release(m_pVideoRenderer);
    (*in)->Release();
    m_VR_CreateRenderer(kind);
    *in = m_VR_FindPin(m_pVideoRenderer, PINDIR_INPUT, nullptr);
}

// Connects out -> filterIn and filterOut -> in; when that fails, the
// direct connection is put back so that the picture still reaches the
// renderer.
int CVideoRenderer::m_ConnectThrough(IPin* out, IPin* filterIn, IPin* filterOut, IPin* in,
                                     const AM_MEDIA_TYPE* type)
{
    HRESULT hr = type ? m_pGraph->ConnectDirect(out, filterIn, type) : E_FAIL;
    if (FAILED(hr)) hr = m_pGraph->Connect(out, filterIn);
    if (FAILED(hr)) {
        m_WriteLog(
            L"VR_%d : Error / IGraphBuilder::Connect(PinVideoOut, PinFilterIn) = 0x%08X / "
            L"PinVideoOut=%d, PinFilterIn=%d",
            __LINE__, hr, 1, 1);
    } else {
        hr = m_pGraph->Connect(filterOut, in);
        if (FAILED(hr))
            m_WriteLog(
                L"VR_%d : Error / IGraphBuilder::Connect(PinFilterOut, PinVideoIn) = 0x%08X / "
                L"PinFilterOut=%d, PinVideoIn=%d",
                __LINE__, hr, 1, 1);
    }
    if (SUCCEEDED(hr)) return 1;
    m_VR_Checked(m_pGraph->Disconnect(filterIn), __LINE__,
                 L"IGraphBuilder::Disconnect(PinFilterIn)");
    m_VR_Checked(m_pGraph->Disconnect(filterOut), __LINE__,
                 L"IGraphBuilder::Disconnect(PinFilterOut)");
    m_VR_Checked(m_pGraph->Disconnect(out), __LINE__, L"IGraphBuilder::Disconnect(PinVideoOut)");
    if (!type || FAILED(m_pGraph->ConnectDirect(out, in, type)))
        m_VR_Checked(m_pGraph->Connect(out, in), __LINE__,
                     L"IGraphBuilder::Connect(PinVideoOut, PinVideoIn)");
    return 0;
}
