// The chapter table of the open file, the chapter at the playing position
// and the chapter timer that reports each change of chapter. The timer is a
// one-shot multimedia timer re-armed by its callback under m_TimerLock, like
// the stop timer: a callback whose id is no longer the armed one does nothing.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "engine/EngineMessages.h"
#include "engine/MarkerChapters.h"

namespace {

constexpr double kUnitsPerSecond = 1e7;
constexpr DWORD kNoChapter = 0xFFFFFFFF;

}  // namespace

int CVideoRenderer::m_VR_ReadChapters()
{
    if (m_State == VR_STATE_NONE) return 1;
    SCHAPTERITEM* items = nullptr;
    int count = 0;
    if (FAILED(m_Chapters_ReadFromSource(m_pSourceFilter, m_Duration / kUnitsPerSecond, &items,
                                         &count)))
        return 1;
    delete[] m_pMarkerChapters;
    m_pMarkerChapters = items;
    m_MarkerChapterCount = count;
    if (!m_ChaptersFromOutside) m_ChapterCount = m_Chapters_Copy(m_Chapters, items, count);
    return 1;
}

int CVideoRenderer::m_VR_GetChapters(const SCHAPTERITEM** table, int* fromOutside) const
{
    if (table) *table = m_Chapters;
    if (fromOutside) *fromOutside = m_ChaptersFromOutside;
    return m_ChapterCount;
}

void CVideoRenderer::m_VR_SetChapters(int set, const SCHAPTERITEM* items, int count)
{
    if (set) {
        if (items) m_ChapterCount = m_Chapters_Copy(m_Chapters, items, count);
        m_ChaptersFromOutside = 1;
        return;
    }
    m_ChapterCount = m_Chapters_Copy(m_Chapters, m_pMarkerChapters, m_MarkerChapterCount);
    m_ChaptersFromOutside = 0;
}

DWORD CVideoRenderer::m_VR_GetChapterIndex(LONGLONG position, LONGLONG* rest)
{
    if (rest) *rest = -1;
    if (!m_Opened || !m_pMediaSeeking) return kNoChapter;
    if (position == -1) {
        HRESULT hr = m_pMediaSeeking->GetCurrentPosition(&position);
        if (FAILED(hr)) {
            m_WriteLog(L"VR_%d : Error / IAMExtendedSeeking::GetCurrentPosition() = 0x%08X",
                       __LINE__, hr);
            return kNoChapter;
        }
    }
    const int running = m_State == VR_STATE_RUNNING ? 1 : 0;
    const int index = m_Chapters_IndexAt(m_Chapters, m_ChapterCount, m_Duration / kUnitsPerSecond,
                                         position / kUnitsPerSecond, running, &m_SelectedChapter);
    if (rest) *rest = m_Chapters_Rest(m_Chapters, m_ChapterCount, index, position, running);
    return static_cast<DWORD>(index);
}

void CVideoRenderer::m_VR_UpdateChapter(int post)
{
    const DWORD index = m_VR_GetChapterIndex(-1, nullptr);
    // An unknown position says nothing about the chapter.
    if (index == kNoChapter || static_cast<int>(index) == m_CurrentChapter) return;
    const int old = m_CurrentChapter;
    m_CurrentChapter = static_cast<int>(index);
    if (post)
        PostMessageW(m_hNotifyWindow, WM_APP_CHAPTERCHANGED, static_cast<WPARAM>(old),
                     static_cast<LPARAM>(index));
}

void CVideoRenderer::m_VR_ChapterTimer(int on, int updateFirst)
{
    EnterCriticalSection(&m_TimerLock);
    if (m_ChapterTimerId) timeKillEvent(m_ChapterTimerId);
    m_ChapterTimerId = 0;
    if (on && m_ChapterCount >= 2 && m_State == VR_STATE_RUNNING) {
        if (updateFirst) m_VR_UpdateChapter(0);
        if (m_CurrentChapter < m_ChapterCount - 1) m_ArmChapterTimer();
    }
    LeaveCriticalSection(&m_TimerLock);
}

// Under the lock: the next shot at half the way to the next chapter.
void CVideoRenderer::m_ArmChapterTimer()
{
    LONGLONG rest = -1;
    m_VR_GetChapterIndex(-1, &rest);
    if (rest == -1) return;
    m_ChapterTimerId =
        timeSetEvent(m_Chapters_TimerDelay(rest, m_Rate), 0, m_VR_ChapterTimerProc,
                     reinterpret_cast<DWORD_PTR>(this), TIME_ONESHOT | TIME_CALLBACK_FUNCTION);
}

void CALLBACK CVideoRenderer::m_VR_ChapterTimerProc(UINT id, UINT, DWORD_PTR user, DWORD_PTR,
                                                    DWORD_PTR)
{
    CVideoRenderer* engine = reinterpret_cast<CVideoRenderer*>(user);
    InterlockedIncrement(&engine->m_TimerCallbacks);
    EnterCriticalSection(&engine->m_TimerLock);
    if (id == engine->m_ChapterTimerId) {
        engine->m_ChapterTimerId = 0;  // this shot is over
        engine->m_VR_UpdateChapter(1);
        engine->m_VR_ChapterTimer(1, 0);
    }
    LeaveCriticalSection(&engine->m_TimerLock);
    InterlockedDecrement(&engine->m_TimerCallbacks);
}

int CVideoRenderer::m_VR_GoToChapter(int index)
{
    if (index >= m_ChapterCount) {
        m_VR_SeekNearEnd();
    } else if (index >= 0) {
        m_SelectedChapter = index;
        m_VR_SetPosition(static_cast<LONGLONG>(m_Chapters[index].Start * kUnitsPerSecond));
    }
    return 1;
}
