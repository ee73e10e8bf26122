// The Core Audio callbacks of the system-audio object. They run on Core
// Audio's threads and only post copies of what they were told to the
// object's window: the notification data lives only during the call.
#pragma once
#include <windows.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>

#include "engine/SystemAudio.h"

// What a device event posts (lParam of kSysAudioDeviceMessage, wParam the
// kind); new-allocated, the receiver deletes it.
struct SSYSAUDIONOTICE {
    wchar_t DeviceId[kSysAudioDeviceIdCap];
    DWORD Flow;
    DWORD Role;
    DWORD NewState;
    PROPERTYKEY Key;
};

class CAudioEndpointVolumeCallback : public IAudioEndpointVolumeCallback {
public:
    CAudioEndpointVolumeCallback(HWND window, UINT message);
    const GUID& m_GetEventContext() const { return m_EventContext; }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // Posts the master volume as a value in 0..10,000 (wParam) and the mute
    // flag (lParam); changes made with our own event context are ignored.
    STDMETHODIMP OnNotify(PAUDIO_VOLUME_NOTIFICATION_DATA data) override;

private:
    virtual ~CAudioEndpointVolumeCallback() = default;
    volatile LONG m_RefCount = 1;
    HWND m_hWindow;
    GUID m_EventContext = {};
    UINT m_Message;
};

class CMMNotificationClient : public IMMNotificationClient {
public:
    CMMNotificationClient(HWND window, UINT message);

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR id) override;
    STDMETHODIMP OnDeviceAdded(LPCWSTR id) override;
    STDMETHODIMP OnDeviceRemoved(LPCWSTR id) override;
    STDMETHODIMP OnDeviceStateChanged(LPCWSTR id, DWORD state) override;
    STDMETHODIMP OnPropertyValueChanged(LPCWSTR id, const PROPERTYKEY key) override;

private:
    virtual ~CMMNotificationClient() = default;
    void m_Post(WPARAM kind, SSYSAUDIONOTICE* notice);
    volatile LONG m_RefCount = 1;
    HWND m_hWindow;
    UINT m_Message;
};
