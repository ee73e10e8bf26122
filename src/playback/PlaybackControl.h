// Playback control: play state, opening playlist entries, closing, the
// audio output and the control-bar state. Grows with the playback code.
#pragma once
#include <windows.h>

#include "playback/AudioDeviceLock.h"
#include "playback/AudioDeviceName.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/AudioOutMode.h"
#include "playback/ControlBarState.h"
#include "playback/CustomButtonTips.h"
#include "playback/PlayState.h"
#include "playback/RepeatMode.h"

void m_SavePlayPosition(int force);
// Remembers a play range that the next open applies.
void m_PlayRange_SetPending(int pending, int single, int from, int to);
void m_PowerSaving_Set(int on, int showMessage);
