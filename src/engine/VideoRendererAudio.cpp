// The audio renderer of a named output device: binding, listing the
// devices and switching the renderer inside an open graph.
#include "engine/VideoRenderer.h"

#include <wchar.h>

#include <new>

#include "base/ErrorLog.h"
#include "base/TextSearch.h"
#include "engine/GraphUtil.h"
#include "playback/PlaybackControl.h"

namespace {

const wchar_t kDirectSoundPrefix[] = L"DirectSound: ";
const wchar_t kDefaultDevice[] = L"Default DirectSound Device";
constexpr int kDeviceNameCap = 256;

// The category's enumerator of monikers; S_FALSE and a null enumerator when
// the category is empty.
HRESULT m_EnumAudioCategory(IEnumMoniker** out)
{
    *out = nullptr;
    ICreateDevEnum* devices = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_ICreateDevEnum, reinterpret_cast<void**>(&devices));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(IID_ICreateDevEnum) = 0x%08X", __LINE__, hr);
        return hr;
    }
    hr = devices->CreateClassEnumerator(CLSID_AudioRendererCategory, out, 0);
    if (FAILED(hr)) {
        m_WriteLog(
            L"VR_%d : Error / ICreateDevEnum::CreateClassEnumerator(CLSID_AudioRendererCategory) = "
            L"0x%08X",
            __LINE__, hr);
        *out = nullptr;
    }
    devices->Release();
    return hr;
}

// The moniker's "FriendlyName" (at most 255 characters); 1 when read.
int m_ReadFriendlyName(IMoniker* moniker, wchar_t* out)
{
    out[0] = 0;
    IPropertyBag* bag = nullptr;
    HRESULT hr =
        moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, reinterpret_cast<void**>(&bag));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IMoniker::BindToStorage() = 0x%08X", __LINE__, hr);
        return 0;
    }
    VARIANT name;
    VariantInit(&name);
    int ok = SUCCEEDED(bag->Read(L"FriendlyName", &name, nullptr)) && name.vt == VT_BSTR;
    if (ok) wcsncpy_s(out, kDeviceNameCap, name.bstrVal ? name.bstrVal : L"", _TRUNCATE);
    VariantClear(&name);
    bag->Release();
    return ok;
}

}  // namespace

// Walks the audio renderers for the friendly name and binds and adds the
// first that matches exactly.
HRESULT CVideoRenderer::m_BindDevice(const wchar_t* wantedName)
{
    IEnumMoniker* monikers = nullptr;
    HRESULT hr = m_EnumAudioCategory(&monikers);
    if (FAILED(hr)) return hr;
    if (!monikers) return S_OK;
    IMoniker* moniker = nullptr;
    while (!m_pAudioRenderer && monikers->Next(1, &moniker, nullptr) == S_OK) {
        wchar_t name[kDeviceNameCap];
        if (m_ReadFriendlyName(moniker, name) && wcscmp(name, wantedName) == 0) {
            hr = moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                       reinterpret_cast<void**>(&m_pAudioRenderer));
            if (FAILED(hr)) {
                m_WriteLog(L"VR_%d : Error / IMoniker::BindToObject() = 0x%08X", __LINE__, hr);
                m_pAudioRenderer = nullptr;
            } else if (FAILED(hr = m_pGraph->AddFilter(m_pAudioRenderer, L"Audio Device Filter"))) {
                m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter() = 0x%08X", __LINE__, hr);
                m_VR_Release(m_pAudioRenderer);
            }
        }
        moniker->Release();
        moniker = nullptr;
    }
    monikers->Release();
    return S_OK;
}

HRESULT CVideoRenderer::BindAudioRenderFilter(const wchar_t* deviceName)
{
    wchar_t wanted[kDeviceNameCap];
    if (!deviceName || !deviceName[0]) {
        m_AudioDeviceName[0] = 0;
        wcsncpy_s(wanted, kDefaultDevice, _TRUNCATE);
    } else {
        wcsncpy_s(m_AudioDeviceName, deviceName, _TRUNCATE);
        if (m_FullDeviceNames) {
            wcsncpy_s(wanted, deviceName, _TRUNCATE);
        } else {
            _snwprintf_s(wanted, kDeviceNameCap, _TRUNCATE, L"%s%s", kDirectSoundPrefix,
                         deviceName);
        }
    }
    if (!m_pGraph) return kVrNotAvailable;
    return m_BindDevice(wanted);
}

int m_VR_EnumAudioRenderers(wchar_t* names[kVrAudioRendererCap])
{
    IEnumMoniker* monikers = nullptr;
    if (FAILED(m_EnumAudioCategory(&monikers)) || !monikers) return 0;
    const int prefix = static_cast<int>(wcslen(kDirectSoundPrefix));
    int count = 0;
    IMoniker* moniker = nullptr;
    while (count < kVrAudioRendererCap && monikers->Next(1, &moniker, nullptr) == S_OK) {
        wchar_t name[kDeviceNameCap];
        if (m_ReadFriendlyName(moniker, name) && m_StartsWith(name, kDirectSoundPrefix, true)) {
            names[count] = new (std::nothrow) wchar_t[kDeviceNameCap];
            if (names[count]) wcsncpy_s(names[count++], kDeviceNameCap, name + prefix, _TRUNCATE);
        }
        moniker->Release();
        moniker = nullptr;
    }
    monikers->Release();
    return count;
}

void CVideoRenderer::m_VR_StoreAudioDeviceName() const
{
    wcsncpy_s(g_AudioDeviceName, m_AudioDeviceName, _TRUNCATE);
}

// After a switch, the graph runs or pauses again as the engine's state says.
void CVideoRenderer::m_RestoreRunState()
{
    if (!m_pMediaControl) return;
    if (m_State == VR_STATE_RUNNING)
        m_VR_Checked(m_pMediaControl->Run(), __LINE__, L"IMediaControl::Run()");
    else
        m_VR_Checked(m_pMediaControl->Pause(), __LINE__, L"IMediaControl::Pause()");
}

// Takes the renderer out of the graph and binds the one of the current
// device name (or the default device when that one is gone).
HRESULT CVideoRenderer::m_ReplaceAudioRenderer()
{
    HRESULT hr = m_pGraph->RemoveFilter(m_pAudioRenderer);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::RemoveFilter() = 0x%08X", __LINE__, hr);
        return hr;
    }
    m_VR_Release(m_pAudioRenderer);
    hr = BindAudioRenderFilter(g_AudioDeviceName);
    if (SUCCEEDED(hr) && !m_pAudioRenderer) hr = BindAudioRenderFilter(nullptr);
    if (FAILED(hr)) m_WriteLog(L"VR_%d : Error / BindAudioRenderFilter() = 0x%08X", __LINE__, hr);
    if (SUCCEEDED(hr) && !m_pAudioRenderer) hr = VFW_E_NO_AUDIO_HARDWARE;
    return hr;
}

HRESULT CVideoRenderer::m_VR_SwitchAudioRenderer()
{
    if (!m_Opened || !m_pGraph) return kVrNotAvailable;
    if (!m_pAudioRenderer) return VFW_E_NOT_FOUND;  // 0x80040216: no audio renderer
    IPin* input = m_VR_FindPin(m_pAudioRenderer, PINDIR_INPUT, &MEDIATYPE_Audio);
    if (!input) return VFW_E_NOT_CONNECTED;
    IPin* upstream = nullptr;
    HRESULT hr = input->ConnectedTo(&upstream);
    if (FAILED(hr) || !upstream) {
        m_WriteLog(L"VR_%d : Error / IPin::ConnectedTo() = 0x%08X", __LINE__, hr);
        input->Release();
        return FAILED(hr) ? hr : VFW_E_NOT_CONNECTED;
    }
    // Stopping may take the graph back to the start: the position is kept
    // and set again before the graph runs on.
    LONGLONG position = 0;
    const bool atKnown =
        m_pMediaSeeking && SUCCEEDED(m_pMediaSeeking->GetCurrentPosition(&position));
    if (m_pMediaControl) m_VR_Checked(m_pMediaControl->Stop(), __LINE__, L"IMediaControl::Stop()");
    hr = upstream->Disconnect();
    if (FAILED(hr)) m_WriteLog(L"VR_%d : Error / IPin::Disconnect() = 0x%08X", __LINE__, hr);
    IBaseFilter* old = m_pAudioRenderer;
    old->AddRef();
    hr = m_ReplaceAudioRenderer();
    if (m_pAudioRenderer == old) {
        // Still in the graph: it plays on as before.
        m_VR_Checked(m_pGraph->ConnectDirect(upstream, input, nullptr), __LINE__,
                     L"IGraphBuilder::ConnectDirect()");
    } else if (m_pAudioRenderer) {
        IPin* newInput = m_VR_FindPin(m_pAudioRenderer, PINDIR_INPUT, nullptr);
        hr = newInput ? m_pGraph->Connect(upstream, newInput) : VFW_E_NO_ACCEPTABLE_TYPES;
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IGraphBuilder::Connect() = 0x%08X", __LINE__, hr);
        if (newInput) newInput->Release();
        if (SUCCEEDED(hr) && m_pBasicAudio) m_pBasicAudio->put_Volume(m_Volume);
    }
    old->Release();
    input->Release();
    upstream->Release();
    if (atKnown)
        m_VR_Checked(m_pMediaSeeking->SetPositions(&position, AM_SEEKING_AbsolutePositioning,
                                                   nullptr, AM_SEEKING_NoPositioning),
                     __LINE__, L"IMediaSeeking::SetPositions()");
    m_RestoreRunState();
    return hr;
}
