// Build steps around rendering: the audio grabber, rendering the source's
// pins, the video window, the notify filter and the audio format.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "engine/AudioGrab.h"
#include "engine/DsGuids.h"
#include "engine/DsMediaType.h"
#include "engine/GraphUtil.h"

int CVideoRenderer::m_VR_AddAudioGrabber()
{
    HRESULT hr =
        CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                         IID_IBaseFilter, reinterpret_cast<void**>(&m_pAudioGrabberFilter));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(CLSID_SampleGrabber) = 0x%08X", __LINE__, hr);
        m_pAudioGrabberFilter = nullptr;
        return 0;
    }
    hr = m_pAudioGrabberFilter->QueryInterface(IID_ISampleGrabber,
                                               reinterpret_cast<void**>(&m_pAudioGrabber));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / QueryInterface(IID_ISampleGrabber) = 0x%08X", __LINE__, hr);
        m_pAudioGrabber = nullptr;
        m_VR_Release(m_pAudioGrabberFilter);
        return 0;
    }
    AM_MEDIA_TYPE type = {};
    type.majortype = MEDIATYPE_Audio;
    type.subtype = MEDIASUBTYPE_PCM;
    type.formattype = FORMAT_WaveFormatEx;
    hr = m_pAudioGrabber->SetMediaType(&type);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / ISampleGrabber::SetMediaType() = 0x%08X", __LINE__, hr);
        m_VR_Release(m_pAudioGrabber);
        m_VR_Release(m_pAudioGrabberFilter);
        return 0;
    }
    m_VR_Checked(m_pAudioGrabber->SetOneShot(FALSE), __LINE__, L"ISampleGrabber::SetOneShot()");
    m_VR_Checked(m_pAudioGrabber->SetBufferSamples(FALSE), __LINE__,
                 L"ISampleGrabber::SetBufferSamples()");
    m_pAudioGrabCB = CAudioGrabCB::Create();
    if (m_pAudioGrabCB) {
        m_VR_Checked(m_pAudioGrabber->SetCallback(m_pAudioGrabCB, 1), __LINE__,
                     L"ISampleGrabber::SetCallback()");
        m_pAudioGrabCB->SetGain(m_AudioOptions[0]);
        m_pAudioGrabCB->SetMix(m_AudioOptions[1]);
        m_pAudioGrabCB->SetSwap(m_AudioOptions[2]);
        m_pAudioGrabCB->SetBalance(m_AudioOptions[3]);
    }
    hr = m_pGraph->AddFilter(m_pAudioGrabberFilter, L"GrabberAudio");
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter(GrabberAudio) = 0x%08X", __LINE__,
                   hr);
    return 1;
}

// RenderEx on every pin of the source, to the renderers already in the
// graph; the number of pins rendered.
int CVideoRenderer::m_RenderSourcePins()
{
    const bool parkNull = m_NullRendererInUse && m_pVideoRenderer;
    if (parkNull)
        m_VR_Checked(m_pGraph->RemoveFilter(m_pVideoRenderer), __LINE__,
                     L"IGraphBuilder::RemoveFilter(Null Renderer)");
    IFilterGraph2* graph = nullptr;
    IEnumPins* pins = nullptr;
    int rendered = 0;
    if (SUCCEEDED(m_pGraph->QueryInterface(IID_IFilterGraph2, reinterpret_cast<void**>(&graph))) &&
        m_pSourceFilter && SUCCEEDED(m_pSourceFilter->EnumPins(&pins)) && pins) {
        IPin* pin = nullptr;
        while (pins->Next(1, &pin, nullptr) == S_OK) {
            HRESULT hr = graph->RenderEx(pin, AM_RENDEREX_RENDERTOEXISTINGRENDERERS, nullptr);
            if (FAILED(hr))
                m_WriteLog(L"VR_%d : Error / IFilterGraph2::RenderEx() = 0x%08X", __LINE__, hr);
            else
                ++rendered;
            pin->Release();
        }
        pins->Release();
    }
    if (graph) graph->Release();
    if (parkNull) m_AttachNullRenderer();
    if (!rendered)
        m_WriteLog(L"VR_%d : Error / IFilterGraph2::RenderEx() = 0x%08X", __LINE__,
                   VFW_E_CANNOT_RENDER);
    return rendered;
}

void CVideoRenderer::m_SetUpVideoWindow()
{
    if (!m_pVideoWindow) return;
    const OAHWND owner = reinterpret_cast<OAHWND>(m_hVideoWindow);
    RECT client = {};
    if (m_hVideoWindow) GetClientRect(m_hVideoWindow, &client);
    HRESULT hr;
    if (FAILED(hr = m_pVideoWindow->put_Owner(owner)))
        m_WriteLog(L"VR_%d : Error / IVideoWindow::put_Owner() = 0x%08X", __LINE__, hr);
    if (FAILED(hr = m_pVideoWindow->put_MessageDrain(owner)))
        m_WriteLog(L"VR_%d : Error / IVideoWindow::put_MessageDrain() = 0x%08X", __LINE__, hr);
    if (FAILED(hr = m_pVideoWindow->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS)))
        m_WriteLog(L"VR_%d : Error / IVideoWindow::put_WindowStyle() = 0x%08X", __LINE__, hr);
    if (FAILED(hr = m_pVideoWindow->SetWindowPosition(0, 0, client.right, client.bottom)))
        m_WriteLog(L"VR_%d : Error / IVideoWindow::SetWindowPosition() = 0x%08X", __LINE__, hr);
    if (FAILED(hr = m_pVideoWindow->SetWindowForeground(OATRUE)))
        m_WriteLog(L"VR_%d : Error / IVideoWindow::SetWindowForeground() = 0x%08X", __LINE__, hr);
    if (FAILED(hr = m_pVideoWindow->put_Visible(OATRUE)))
        m_WriteLog(L"VR_%d : Error / IVideoWindow::put_Visible() = 0x%08X", __LINE__, hr);
}

void CVideoRenderer::m_ReadAudioFormat()
{
    if (!m_pAudioGrabCB) return;
    m_pAudioGrabCB->ResetFormat();
    if (!m_pAudioGrabber) return;
    AM_MEDIA_TYPE type = {};
    if (FAILED(m_pAudioGrabber->GetConnectedMediaType(&type))) return;
    m_pAudioGrabCB->SetMediaType(&type);
    m_Ds_FreeMediaType(&type);
}
