#include "playback/PlaybackEvents.h"

#include "engine/VideoRenderer.h"
#include "playback/PlaybackControl.h"

BOOL m_Playback_NextGraphEvent(long* code)
{
    if (!g_VideoRenderer || !g_MediaOpen) return FALSE;
    LONG_PTR p1 = 0, p2 = 0;
    if (g_VideoRenderer->m_VR_GetEvent(code, &p1, &p2) != S_OK) return FALSE;
    g_VideoRenderer->m_VR_FreeEventParams(*code, p1, p2);
    return TRUE;
}
void m_Playback_OnLengthChanged() {}
void m_PlayRange_OnEnd() {}
void m_Rate_Set(int, int, int) {}
int m_SeekPreview_IsActive() { return 0; }
void m_SeekPreview_OnOpened() {}
void m_SeekPreview_Draw() {}
void m_SysVol_OnNotify(WPARAM, LPARAM) {}
void m_Playback_OnTimer(UINT) {}
