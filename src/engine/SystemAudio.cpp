// The system-audio object: its window, opening and closing, and the volume.
#include "engine/SystemAudio.h"

#include <dsound.h>
#include <functiondiscoverykeys_devpkey.h>
#include <wchar.h>

#include <new>

#include "engine/GraphUtil.h"
#include "engine/SystemAudioCallbacks.h"
#include "engine/SystemAudioMixer.h"
#include "playback/AudioDeviceName.h"

SSYSTEMAUDIO g_SystemAudio;
wchar_t g_SysAudioDefaultDevice[kSysAudioDeviceIdCap];
wchar_t g_DefaultDirectSoundName[256];

namespace {

const CLSID kCLSID_MMDeviceEnumerator = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
const IID kIID_IMMDeviceEnumerator = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
const IID kIID_IAudioEndpointVolume = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};
const PROPERTYKEY kFriendlyName = {
    {0xA45C254E, 0xDF1C, 0x4EFD, {0x80, 0x20, 0x67, 0xD1, 0x46, 0xA8, 0x50, 0xE0}}, 14};

void m_BeQuiet(SSYSTEMAUDIO& s)
{
    s.Quiet = 1;
    if (s.OwnWindow) SetTimer(s.OwnWindow, kSysAudioQuietTimer, kSysAudioQuietMs, nullptr);
}

void m_Notify(const SSYSTEMAUDIO& s, WPARAM what, LPARAM value)
{
    if (s.NotifyWindow && s.NoticeMessage)
        PostMessageW(s.NotifyWindow, s.NoticeMessage, what, value);
}

void m_OnDeviceNotice(SSYSTEMAUDIO& s, WPARAM kind, LPARAM lParam)
{
    auto* notice = reinterpret_cast<SSYSAUDIONOTICE*>(lParam);
    if (kind != 5 && !s.Quiet) {
        m_BeQuiet(s);
        if (notice) {
            wcsncpy(g_SysAudioDefaultDevice, notice->DeviceId, kSysAudioDeviceIdCap - 1);
            g_SysAudioDefaultDevice[kSysAudioDeviceIdCap - 1] = 0;
        }
        m_Notify(s, 2, static_cast<LPARAM>(kind));
    }
    delete notice;
}

LRESULT CALLBACK m_SysAudio_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* s = reinterpret_cast<SSYSTEMAUDIO*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!s) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_TIMER && wParam == kSysAudioQuietTimer) {
        KillTimer(window, kSysAudioQuietTimer);
        s->Quiet = 0;
    } else if (message == MM_MIXM_CONTROL_CHANGE) {
        if (!s->Quiet) m_Notify(*s, 1, static_cast<LPARAM>(m_SysAudio_GetVolume()));
    } else if (message == kSysAudioVolumeMessage) {
        if (!s->Quiet) m_Notify(*s, 1, static_cast<LPARAM>(wParam));  // already 0..10,000
    } else if (message == kSysAudioDeviceMessage) {
        m_OnDeviceNotice(*s, wParam, lParam);
        return 0;  // the copy is ours, not the old procedure's
    }
    return CallWindowProcW(s->OldWindowProc, window, message, wParam, lParam);
}

// The active render endpoint whose friendly name is the configured name.
IMMDevice* m_FindNamedEndpoint(IMMDeviceEnumerator* enumerator)
{
    if (!g_AudioDeviceName[0]) return nullptr;
    IMMDeviceCollection* devices = nullptr;
    if (FAILED(enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &devices)) || !devices)
        return nullptr;
    UINT count = 0;
    if (FAILED(devices->GetCount(&count))) count = 0;
    IMMDevice* found = nullptr;
    for (UINT i = 0; i < count && !found; ++i) {
        IMMDevice* device = nullptr;
        if (FAILED(devices->Item(i, &device)) || !device) continue;
        IPropertyStore* store = nullptr;
        PROPVARIANT name;
        PropVariantInit(&name);
        if (SUCCEEDED(device->OpenPropertyStore(STGM_READ, &store)) && store &&
            SUCCEEDED(store->GetValue(kFriendlyName, &name)) && name.vt == VT_LPWSTR &&
            wcscmp(name.pwszVal, g_AudioDeviceName) == 0)
            found = device;
        PropVariantClear(&name);
        if (store) store->Release();
        if (found != device) device->Release();
    }
    devices->Release();
    return found;
}

IMMDevice* m_ChooseEndpoint(IMMDeviceEnumerator* enumerator)
{
    IMMDevice* device = m_FindNamedEndpoint(enumerator);
    if (!device && FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)))
        device = nullptr;
    return device;
}

int m_OpenMixer(SSYSTEMAUDIO& s)
{
    if (mixerGetNumDevs() == 0) return 0;
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, m_SysAudio_ChooseMixer(), reinterpret_cast<DWORD_PTR>(s.OwnWindow), 0,
                  CALLBACK_WINDOW | MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR)
        return 0;
    s.Mixer = mixer;
    return 1;
}

// Activates the endpoint's volume and registers our volume callback.
int m_OpenEndpointVolume(SSYSTEMAUDIO& s, IMMDevice* device)
{
    HRESULT hr = device->Activate(kIID_IAudioEndpointVolume, CLSCTX_ALL, nullptr,
                                  reinterpret_cast<void**>(&s.EndpointVolume));
    if (FAILED(hr) || !s.EndpointVolume) {
        s.EndpointVolume = nullptr;
        return 0;
    }
    s.VolumeCallback =
        new (std::nothrow) CAudioEndpointVolumeCallback(s.OwnWindow, kSysAudioVolumeMessage);
    if (s.VolumeCallback &&
        SUCCEEDED(s.EndpointVolume->RegisterControlChangeNotify(s.VolumeCallback)))
        return 1;
    m_VR_Release(s.VolumeCallback);
    m_VR_Release(s.EndpointVolume);
    return 0;
}

int m_OpenCoreAudio(SSYSTEMAUDIO& s)
{
    if (FAILED(CoCreateInstance(kCLSID_MMDeviceEnumerator, nullptr, CLSCTX_ALL,
                                kIID_IMMDeviceEnumerator,
                                reinterpret_cast<void**>(&s.DeviceEnumerator))))
        return s.DeviceEnumerator = nullptr, 0;
    s.NotificationClient =
        new (std::nothrow) CMMNotificationClient(s.OwnWindow, kSysAudioDeviceMessage);
    if (!s.NotificationClient ||
        FAILED(s.DeviceEnumerator->RegisterEndpointNotificationCallback(s.NotificationClient))) {
        m_VR_Release(s.NotificationClient);
        m_VR_Release(s.DeviceEnumerator);
        return 0;
    }
    IMMDevice* device = m_ChooseEndpoint(s.DeviceEnumerator);
    const int opened = device ? m_OpenEndpointVolume(s, device) : 0;
    if (device) device->Release();
    if (!opened) {
        s.DeviceEnumerator->UnregisterEndpointNotificationCallback(s.NotificationClient);
        m_VR_Release(s.NotificationClient);
        m_VR_Release(s.DeviceEnumerator);
    }
    return opened;
}

BOOL CALLBACK m_FirstDeviceWithGuid(GUID* guid, const wchar_t* description, const wchar_t*,
                                    void* found)
{
    if (!guid) return TRUE;  // the primary sound driver entry
    wcsncpy(g_DefaultDirectSoundName, description, 255);
    g_DefaultDirectSoundName[255] = 0;
    *static_cast<int*>(found) = 1;
    return FALSE;
}

}  // namespace

SSYSTEMAUDIO::~SSYSTEMAUDIO()
{
    m_SysAudio_Close();
    if (OwnWindow) DestroyWindow(OwnWindow);
}

UINT m_SysAudio_CreateWindow(HWND mainWindow)
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    s.NotifyWindow = mainWindow;
    if (!s.OwnWindow) {
        s.OwnWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", SS_NOTIFY, 0, 0, 0, 0,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (s.OwnWindow) {
            SetWindowLongPtrW(s.OwnWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&s));
            s.OldWindowProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                s.OwnWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_SysAudio_WindowProc)));
        }
    }
    s.NoticeMessage = RegisterWindowMessageW(L"SystemAudioCtrlClass_Notify");
    return s.NoticeMessage;
}

int m_SysAudio_Open(DWORD mode)
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    if (s.Initialised) m_SysAudio_Close();
    s.Mode = mode;
    const int opened = mode == 0 ? m_OpenMixer(s) : m_OpenCoreAudio(s);
    s.Initialised = opened ? 1 : 0;
    return opened;
}

void m_SysAudio_Close()
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    if (!s.Initialised) return;
    if (s.Mode == 1 && s.EndpointVolume) {
        s.EndpointVolume->UnregisterControlChangeNotify(s.VolumeCallback);
        m_VR_Release(s.EndpointVolume);
        m_VR_Release(s.VolumeCallback);
        if (s.DeviceEnumerator && s.NotificationClient)
            s.DeviceEnumerator->UnregisterEndpointNotificationCallback(s.NotificationClient);
        m_VR_Release(s.NotificationClient);
        m_VR_Release(s.DeviceEnumerator);
    } else if (s.Mode == 0 && s.Mixer) {
        mixerClose(s.Mixer);
        s.Mixer = nullptr;
    }
    s.Initialised = 0;
}

DWORD m_SysAudio_SetVolume(DWORD volume)
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    if (!s.Initialised) return kSysAudioNotOpen;
    if (volume > 10000) volume = 10000;
    if (s.Mode == 1) {
        if (!s.EndpointVolume || !s.VolumeCallback) return kSysAudioNotOpen;
        // Our own event context lets the callback drop the echo of this change.
        HRESULT hr = s.EndpointVolume->SetMasterVolumeLevelScalar(
            static_cast<float>(volume / 10000.0), &s.VolumeCallback->m_GetEventContext());
        m_BeQuiet(s);
        return SUCCEEDED(hr) ? 1 : 0;
    }
    const DWORD set = m_SysAudio_MixerSet(s.Mixer, volume);
    if (set) m_BeQuiet(s);
    return set;
}

DWORD m_SysAudio_GetVolume()
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    if (!s.Initialised) return kSysAudioNotOpen;
    if (s.Mode == 0) return m_SysAudio_MixerGet(s.Mixer);
    float scalar = 0;
    if (!s.EndpointVolume || FAILED(s.EndpointVolume->GetMasterVolumeLevelScalar(&scalar)))
        return kSysAudioNotOpen;
    return m_SysAudio_FromScalar(scalar);
}

DWORD m_SysAudio_SetMute(int mute)
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    if (!s.Initialised || s.Mode != 1 || !s.EndpointVolume || !s.VolumeCallback)
        return kSysAudioNotOpen;
    HRESULT hr =
        s.EndpointVolume->SetMute(mute ? TRUE : FALSE, &s.VolumeCallback->m_GetEventContext());
    m_BeQuiet(s);
    return SUCCEEDED(hr) ? 1 : 0;
}

DWORD m_SysAudio_GetMute()
{
    SSYSTEMAUDIO& s = g_SystemAudio;
    BOOL muted = FALSE;
    if (!s.Initialised || s.Mode != 1 || !s.EndpointVolume ||
        FAILED(s.EndpointVolume->GetMute(&muted)))
        return kSysAudioNotOpen;
    return muted ? 1 : 0;
}

int m_GetDefaultDirectSoundName()
{
    int found = 0;
    g_DefaultDirectSoundName[0] = 0;
    if (FAILED(DirectSoundEnumerateW(m_FirstDeviceWithGuid, &found))) return 0;
    return found;
}
