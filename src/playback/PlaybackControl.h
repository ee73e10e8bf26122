// Playback control: play state, opening playlist entries, closing, the
// audio output and the control-bar state. Grows with the playback code.
#pragma once
#include <windows.h>

#include "playback/AudioDeviceName.h"

// 0 nothing open, 1 ready, 2 loading, 3 stopped, 4 paused, 5 playing.
extern int g_PlayState;

void m_CloseFile(int showMessage, int a, int b, int c);
int m_OpenPlayListFile(int track, int startMs, int showLoadTime, int startState, int skipOnError);
void m_SavePlayPosition(int force);
// Remembers a play range that the next open applies.
void m_PlayRange_SetPending(int pending, int single, int from, int to);
int m_Balance_Read();
void m_AudioOut_SetMode(int mode, int showMessage);
void m_Repeat_SetMode(int mode, int showMessage);
void m_PowerSaving_Set(int on, int showMessage);
void m_UpdateToolbar();
void m_CustomButton_UpdateTooltips();
int m_AudioDevice_Apply(int mode);
void m_AudDev_SelectCurrent();
