// Core Audio's volume and device callbacks.
#include "engine/SystemAudioCallbacks.h"

#include <wchar.h>

#include <new>

namespace {

template <class T>
HRESULT m_QueryOne(T* self, REFIID iid, REFIID own, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, own)) {
        *out = self;
        self->AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

const IID kIID_IAudioEndpointVolumeCallback = {
    0x657804FA, 0xD6AD, 0x4496, {0x8A, 0x60, 0x35, 0x27, 0x52, 0xAF, 0x4F, 0x89}};
const IID kIID_IMMNotificationClient = {
    0x7991EEC9, 0x7E89, 0x4D85, {0x83, 0x90, 0x6C, 0x70, 0x3C, 0xEC, 0x60, 0xC0}};

}  // namespace

CAudioEndpointVolumeCallback::CAudioEndpointVolumeCallback(HWND window, UINT message)
    : m_hWindow(window), m_Message(message)
{
    if (FAILED(CoCreateGuid(&m_EventContext))) m_EventContext = GUID{};
}

STDMETHODIMP CAudioEndpointVolumeCallback::QueryInterface(REFIID iid, void** out)
{
    return m_QueryOne(this, iid, kIID_IAudioEndpointVolumeCallback, out);
}

STDMETHODIMP_(ULONG) CAudioEndpointVolumeCallback::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_RefCount));
}

STDMETHODIMP_(ULONG) CAudioEndpointVolumeCallback::Release()
{
    const LONG count = InterlockedDecrement(&m_RefCount);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

STDMETHODIMP CAudioEndpointVolumeCallback::OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data)
{
    if (!data) return E_INVALIDARG;
    if (!m_hWindow || !m_Message) return S_OK;
    if (IsEqualGUID(data->guidEventContext, m_EventContext)) return S_OK;
    PostMessageW(m_hWindow, m_Message, m_SysAudio_FromScalar(data->fMasterVolume),
                 data->bMuted ? 1 : 0);
    return S_OK;
}

CMMNotificationClient::CMMNotificationClient(HWND window, UINT message)
    : m_hWindow(window), m_Message(message)
{
}

STDMETHODIMP CMMNotificationClient::QueryInterface(REFIID iid, void** out)
{
    return m_QueryOne(this, iid, kIID_IMMNotificationClient, out);
}

STDMETHODIMP_(ULONG) CMMNotificationClient::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&m_RefCount));
}

STDMETHODIMP_(ULONG) CMMNotificationClient::Release()
{
    const LONG count = InterlockedDecrement(&m_RefCount);
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

// Each event posts a copy of its own, so that the next event cannot change
// what the window reads.
void CMMNotificationClient::m_Post(WPARAM kind, SSYSAUDIONOTICE* notice)
{
    if (!notice) return;
    if (!m_hWindow || !m_Message ||
        !PostMessageW(m_hWindow, m_Message, kind, reinterpret_cast<LPARAM>(notice)))
        delete notice;
}

STDMETHODIMP CMMNotificationClient::OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR id)
{
    if (!id) return S_OK;
    auto* notice = new (std::nothrow) SSYSAUDIONOTICE{};
    if (!notice) return S_OK;
    wcsncpy(notice->DeviceId, id, kSysAudioDeviceIdCap - 1);
    notice->Flow = static_cast<DWORD>(flow);
    notice->Role = static_cast<DWORD>(role);
    m_Post(1, notice);
    return S_OK;
}

STDMETHODIMP CMMNotificationClient::OnDeviceAdded(LPCWSTR)
{
    m_Post(2, new (std::nothrow) SSYSAUDIONOTICE{});
    return S_OK;
}

STDMETHODIMP CMMNotificationClient::OnDeviceRemoved(LPCWSTR)
{
    m_Post(3, new (std::nothrow) SSYSAUDIONOTICE{});
    return S_OK;
}

STDMETHODIMP CMMNotificationClient::OnDeviceStateChanged(LPCWSTR, DWORD state)
{
    auto* notice = new (std::nothrow) SSYSAUDIONOTICE{};
    if (!notice) return S_OK;
    notice->NewState = state;
    m_Post(4, notice);
    return S_OK;
}

STDMETHODIMP CMMNotificationClient::OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY key)
{
    auto* notice = new (std::nothrow) SSYSAUDIONOTICE{};
    if (!notice) return S_OK;
    notice->Key = key;
    m_Post(5, notice);
    return S_OK;
}
