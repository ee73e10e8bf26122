// The seek series shared by every seek, the seek's note of time, and the
// one way a seek reaches the engine.
#include <windows.h>
#include <mmsystem.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "base/ErrorLog.h"
#include "engine/VideoRenderer.h"
#include "playback/EndOfStream.h"
#include "playback/FrameStep.h"
#include "playback/Seek.h"
#include "playback/SeekMath.h"
#include "settings/Settings.h"

LONGLONG g_LastSeekTarget;
DWORD g_LastSeekTick;
SSEEKSERIES g_SeekSeries = {0, -1, 0};

void m_SeekSeries_Begin(LONGLONG position)
{
    if (!g_SeekSeries.state || g_SeekSeries.start == -1) g_SeekSeries.start = position;
}

void m_SeekSeries_Show(const wchar_t* text, LONGLONG target, int form, int colour, int blink)
{
    // The first message of a series sets the centre the later ones keep, so
    // that a total appended to them does not shift the text.
    if (!g_SeekSeries.state) g_SeekSeries.width = m_GetBmpFontTextWidth(0, text);
    wchar_t shown[kSeekTextCap];
    lstrcpynW(shown, text, kSeekTextCap);
    if (g_Settings.Seek_Sum && g_SeekSeries.state && g_SeekSeries.start >= 0)
        m_SeekMath_AppendTotal(shown, kSeekTextCap, target - g_SeekSeries.start, form);
    m_OSD_ShowText(shown, colour, -1, blink, -1, g_SeekSeries.width, -1);
}

void m_SeekSeries_Arm()
{
    const int ms = g_Settings.Common_SeekCnt > 0 ? g_Settings.Common_SeekCnt : 2500;
    SetTimer(g_hWndMain, kTimerSeekEnd, static_cast<UINT>(ms), nullptr);
    if (g_SeekSeries.state != 3) g_SeekSeries.state = 1;
}

void m_SeekSeries_End()
{
    KillTimer(g_hWndMain, kTimerSeekEnd);
    g_SeekSeries.start = -1;
    g_SeekSeries.state = 0;
}

int m_Seek_Engine(LONGLONG target, int toEnd, int before, int rangeMode)
{
    g_LastSeekTick = timeGetTime();
    if (toEnd) {
        m_SeekToPlayEnd(before, rangeMode);
        return 1;
    }
    if (!g_VideoRenderer) return 0;
    const HRESULT hr = g_VideoRenderer->m_VR_SetPosition(target);
    if (FAILED(hr)) {
        m_WriteLog(L"SEEK : Error 0x%08X / %I64d", static_cast<unsigned>(hr), target);
        return 0;
    }
    return 1;
}

int m_Seek_OnTimer(UINT id)
{
    if (id == kTimerSeekEnd) {
        m_SeekSeries_End();
        return 1;
    }
    if (id == kTimerFrameFirst || id == kTimerFrameRepeat) {
        m_FrameStep_OnTimer(id);
        return 1;
    }
    return 0;
}
