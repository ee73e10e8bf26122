// Switching the audio output device: by name, by number or in turn, by the
// monitor the window is on, with the device's volume offset.
#pragma once
#include <windows.h>

#include "playback/AudioDeviceList.h"

// Start: the configured device becomes the one in use and the table is
// built (a first start writes [AudDev]).
void m_AudioDevice_StartUp();
// Switches to the device (empty name: the system default). 1 when found.
int m_AudioDevice_Select(const wchar_t* name, int show, int byUser);
// The monitor rule: the device number of the window's monitor, 0 when it
// went back to the configured device, -1 when nothing changed.
int m_AudioDevice_Apply(int show);
// > 0 the device of that number, 0 the default, < 0 the next one.
void m_AudioDevice_Choose(int value);

// With [Main] "Test" on, logs the device in use, the volume and the mute
// state, with the cause.
void m_AudioDevice_Trace(const wchar_t* cause);

// The name as the message shows it: upper case, known words in English,
// blanks as four narrow blanks.
void m_AudioDevice_ShortName(const wchar_t* name, wchar_t* out, int cap);

// The volume (0..10000) with an offset (percent, held within -99..99) put
// in, to a whole hundred; a negative offset takes it out again.
int m_AudDev_OffsetVolume(int volume, int offset);
// The volume moved from a device of one offset to one of another: a
// multiple of 500 within 100..10000.
int m_AudDev_MoveVolume(int volume, int fromOffset, int toOffset);
// The offset that explains the volume the user chose after a switch that
// left the volume at kept, on a device of the offset; within -99..99.
int m_AudDev_LearnOffset(int kept, int volume, int offset);
// With [Common] "AtVol" on and playback running, keeps the volume and
// starts timer 61: a volume the user sets meanwhile is learnt.
void m_AudDev_StartLearning();
// Timer 61: learns the offset of the device in use.
void m_AudDev_OnLearnTimer();
