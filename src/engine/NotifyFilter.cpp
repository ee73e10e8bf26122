#include "engine/NotifyFilter.h"
#include <new>
#include "engine/EngineMessages.h"

CNotifyFilter* CNotifyFilter::Create() { return new (std::nothrow) CNotifyFilter(); }

CNotifyFilter::CNotifyFilter() : CTransInPlaceFilter(nullptr, CLSID_NotifyFilter) {}

HRESULT CNotifyFilter::CheckInputType(const AM_MEDIA_TYPE* type) { return type ? S_OK : E_POINTER; }

HRESULT CNotifyFilter::Transform(IMediaSample* sample)
{
    REFERENCE_TIME start = 0, stop = 0;
    if (sample && SUCCEEDED(sample->GetTime(&start, &stop)))
        InterlockedExchange64(&m_LastFrameTime, InputPin()->SegmentStart() + start);
    // Only this thread counts down; an Arm from the UI thread in between
    // wins, so two seeks before a frame still give one notice.
    LONG count = m_Countdown;
    if (count == 1) {
        if (InterlockedCompareExchange(&m_Countdown, 0, 1) == 1) {
            HWND window = m_Window;
            if (window) PostMessageW(window, WM_APP_FRAMESHOWN, 0, 0);
        }
    } else if (count >= 2) {
        InterlockedCompareExchange(&m_Countdown, count - 1, count);
    }
    return S_OK;
}
