// The audio output device in use.
#pragma once
#include <windows.h>

constexpr int kAudioDeviceNameCap = 256;

// Its name; empty for the system default device.
extern wchar_t g_AudioDeviceName[kAudioDeviceNameCap];
