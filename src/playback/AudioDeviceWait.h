// A device that vanished while in use: playback moves to the system
// default, and the device is awaited to come back.
#pragma once
#include <windows.h>

#include "playback/AudioDeviceName.h"

struct SAUDIODEVICEWAIT {
    wchar_t Name[kAudioDeviceNameCap];
    int Waiting;
    int Reason;  // 0 the chosen device, 1 the system default
    int Volume;  // to restore, -1 none
    DWORD Tick;  // when waiting began, 0 none
};

extern SAUDIODEVICEWAIT g_AudioDeviceWait;

// Awaits the device; keeps the volume and the time unless noVolume.
void m_AudioDevice_SetWait(const wchar_t* name, int reason, int noVolume);
void m_AudioDevice_ClearWait();
// Before an open: a device chosen by name that is not there is awaited.
void m_AudioDevice_WaitIfAbsent();
// After the system's device list changed: a vanished device in use is
// left for the default, an awaited one that returned is taken again.
void m_AudioDevice_OnChange();
// The system-audio notice (wParam 2 a device event); 1 when it was one.
int m_AudioDevice_OnNotice(WPARAM code);
