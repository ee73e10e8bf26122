// The stop-position timer, both timers' restart and stop, and the frame wait.
// The timers are one-shot multimedia timers whose callbacks re-arm them;
// arming, killing and the callbacks' work all happen under m_TimerLock, and
// a callback whose id is no longer the armed one does nothing, so that no
// timer survives a stop and no callback touches a released graph.
#include "engine/VideoRenderer.h"

#include "engine/EngineMessages.h"
#include "engine/EngineTiming.h"
#include "engine/NotifyFilter.h"

namespace {

constexpr LONGLONG kUnitsPerMs = 10000;

UINT m_KillTimer(UINT* id)
{
    if (*id) timeKillEvent(*id);
    *id = 0;
    return 0;
}

}  // namespace

void CVideoRenderer::m_VR_SetStopPosition(LONGLONG stop)
{
    m_StopPosition = stop;
    m_VR_StopTimer(1);
}

void CVideoRenderer::m_VR_StopTimer(int on)
{
    EnterCriticalSection(&m_TimerLock);
    m_KillTimer(&m_StopTimerId);
    if (on && m_StopPosition >= 1 && m_State == VR_STATE_RUNNING && m_pMediaSeeking)
        m_ArmStopTimer();
    LeaveCriticalSection(&m_TimerLock);
}

// Under the lock: arms the next shot at half the rest, or reports the stop
// position when it is reached.
void CVideoRenderer::m_ArmStopTimer()
{
    LONGLONG position = 0;
    if (FAILED(m_pMediaSeeking->GetCurrentPosition(&position))) return;
    const LONGLONG delay = m_VR_ShotDelayMs((m_StopPosition - position) / kUnitsPerMs, m_Rate);
    if (delay > 0) {
        m_StopTimerId =
            timeSetEvent(static_cast<UINT>(delay), 0, m_VR_StopTimerProc,
                         reinterpret_cast<DWORD_PTR>(this), TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
    } else if (delay == 0) {
        PostMessageW(m_hNotifyWindow, WM_APP_STOPREACHED, 0, 0);
    }
}

void CALLBACK CVideoRenderer::m_VR_StopTimerProc(UINT id, UINT, DWORD_PTR user, DWORD_PTR,
                                                 DWORD_PTR)
{
    CVideoRenderer* engine = reinterpret_cast<CVideoRenderer*>(user);
    InterlockedIncrement(&engine->m_TimerCallbacks);
    EnterCriticalSection(&engine->m_TimerLock);
    if (id == engine->m_StopTimerId) {
        engine->m_StopTimerId = 0;  // this shot is over
        engine->m_VR_StopTimer(1);
    }
    LeaveCriticalSection(&engine->m_TimerLock);
    InterlockedDecrement(&engine->m_TimerCallbacks);
}

void CVideoRenderer::m_RestartTimers()
{
    m_VR_ChapterTimer(1, 1);
    m_VR_StopTimer(1);
}

// Stops both timers and waits until no callback runs, before the graph
// they read is released.
void CVideoRenderer::m_StopAllTimers()
{
    m_VR_ChapterTimer(0, 0);
    m_VR_StopTimer(0);
    while (InterlockedCompareExchange(&m_TimerCallbacks, 0, 0) != 0) Sleep(1);
}

int CVideoRenderer::m_VR_IsFramePending() const
{
    return m_pNotifyFilter && m_pNotifyFilter->IsFramePending() ? 1 : 0;
}

int CVideoRenderer::m_VR_WaitFrame(int timeoutMs)
{
    if (!m_VR_IsFramePending()) return 0;
    if (timeoutMs <= 0) return -1;
    const DWORD start = GetTickCount();
    while (m_VR_IsFramePending()) {
        if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) return -1;
        Sleep(5);
    }
    return 0;
}
