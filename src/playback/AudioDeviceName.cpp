#include "playback/AudioDeviceName.h"

wchar_t g_AudioDeviceName[kAudioDeviceNameCap];
