#include "playback/PlaybackControl.h"

// Nothing can be opened yet: the engine and the playlist arrive later, so
// these keep the state a player with no file open has.
int g_PlayState = 0;
wchar_t g_AudioDeviceName[kAudioDeviceNameCap];

void m_CloseFile(int, int, int, int) { g_PlayState = 0; }
int m_OpenPlayListFile(int, int, int, int, int) { return 0; }
void m_SavePlayPosition(int) {}
void m_PlayRange_SetPending(int, int, int, int) {}
int m_Balance_Read() { return 0; }
void m_AudioOut_SetMode(int, int) {}
void m_Repeat_SetMode(int, int) {}
void m_PowerSaving_Set(int, int) {}
void m_UpdateToolbar() {}
void m_CustomButton_UpdateTooltips() {}
int m_AudioDevice_Apply(int) { return -1; }
void m_AudDev_SelectCurrent() {}
