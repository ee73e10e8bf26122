#include "playback/PlaybackEvents.h"

#include "playback/PlaybackControl.h"

int m_IsPlaying() { return 0; }
int m_Playback_HasStarted() { return 0; }
void m_Pause() {}
int m_PowerSaving_IsKeepingAwake() { return 0; }
int m_PowerSaving_IsTempOn() { return 0; }
void m_PowerSaving_EndTemp() {}
BOOL m_Playback_NextGraphEvent(long*) { return FALSE; }
void m_Playback_OnLengthChanged() {}
void m_OnPlayEnd(int) {}
void m_PlayRange_OnEnd() {}
void m_OpenFile_Complete(int) {}
void m_OpenThread_Release() {}
void m_Playback_OnFrameShown() {}
void m_Rate_Set(int, int, int) {}
int m_SeekPreview_IsActive() { return 0; }
void m_SeekPreview_OnOpened() {}
void m_SeekPreview_Draw() {}
void m_SysVol_OnNotify(WPARAM, LPARAM) {}
void m_Playback_SetAutoStop(DWORD) {}
void m_Playback_OnSuspend()
{
    if (g_PlayState != 0) m_Pause();
}
void m_Playback_OnTimer(UINT) {}
