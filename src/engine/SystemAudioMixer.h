// The winmm mixer side of the system-audio object.
#pragma once
#include <windows.h>
#include <mmsystem.h>

UINT m_SysAudio_ChooseMixer();
// 1 set, 0 when the speakers line or its volume control is missing.
DWORD m_SysAudio_MixerSet(HMIXER mixer, DWORD volume);
// 0..10,000, or 0xFFFFFFFF.
DWORD m_SysAudio_MixerGet(HMIXER mixer);
