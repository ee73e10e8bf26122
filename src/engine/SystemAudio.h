// The system's master volume beside the player's own: through the winmm
// mixer (mode 0) or Core Audio (mode 1), with a hidden window that turns the
// system's notices into the registered "SystemAudioCtrlClass_Notify" message
// to the main window: wParam 1 with the volume (0..10,000), or wParam 2 with
// the device event kind (1 default changed, 2 added, 3 removed, 4 state).
#pragma once
#include <windows.h>
#include <mmsystem.h>

struct IAudioEndpointVolume;
struct IMMDeviceEnumerator;
class CAudioEndpointVolumeCallback;
class CMMNotificationClient;

constexpr UINT kSysAudioVolumeMessage = WM_APP + 1;
constexpr UINT kSysAudioDeviceMessage = WM_APP + 2;
constexpr UINT_PTR kSysAudioQuietTimer = 1;
constexpr UINT kSysAudioQuietMs = 100;
constexpr int kSysAudioDeviceIdCap = 256;
constexpr DWORD kSysAudioNotOpen = 0xFFFFFFFF;

struct SSYSTEMAUDIO {
    SSYSTEMAUDIO() = default;
    ~SSYSTEMAUDIO();
    SSYSTEMAUDIO(const SSYSTEMAUDIO&) = delete;
    SSYSTEMAUDIO& operator=(const SSYSTEMAUDIO&) = delete;

    WNDPROC OldWindowProc = nullptr;
    DWORD Initialised = 0;
    DWORD Mode = 1;
    DWORD Quiet = 0;
    HWND NotifyWindow = nullptr;
    HWND OwnWindow = nullptr;
    HMIXER Mixer = nullptr;
    IAudioEndpointVolume* EndpointVolume = nullptr;
    CAudioEndpointVolumeCallback* VolumeCallback = nullptr;
    CMMNotificationClient* NotificationClient = nullptr;
    IMMDeviceEnumerator* DeviceEnumerator = nullptr;
    UINT NoticeMessage = 0;
};

extern SSYSTEMAUDIO g_SystemAudio;
// The id of the default device from the last default-device notice.
extern wchar_t g_SysAudioDefaultDevice[kSysAudioDeviceIdCap];
// The first DirectSound device's description.
extern wchar_t g_DefaultDirectSoundName[256];

// Makes the hidden window; notices go to the main window. The message.
UINT m_SysAudio_CreateWindow(HWND mainWindow);
int m_SysAudio_Open(DWORD mode);
void m_SysAudio_Close();
// 1 set, 0 failed, kSysAudioNotOpen when not open.
DWORD m_SysAudio_SetVolume(DWORD volume);
// 0..10,000, or kSysAudioNotOpen.
DWORD m_SysAudio_GetVolume();
// Core Audio only: 1 done, 0 failed, kSysAudioNotOpen otherwise.
DWORD m_SysAudio_SetMute(int mute);
// 1 muted, 0 not, kSysAudioNotOpen when unknown.
DWORD m_SysAudio_GetMute();
int m_GetDefaultDirectSoundName();

// The mixer's unsigned 0..65535 scale and ours, 0..10,000.
DWORD m_SysAudio_ToMixer(DWORD volume);
DWORD m_SysAudio_FromMixer(DWORD value);
// Core Audio's scalar 0..1 on ours.
DWORD m_SysAudio_FromScalar(float scalar);
