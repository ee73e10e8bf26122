// Seeking on a test source pin: media time only; a seek while streaming
// flushes downstream and restarts the thread at the new start.
#include "TestSourceFilter.h"

#include "engine/DsLock.h"

namespace {

constexpr DWORD kCaps = AM_SEEKING_CanSeekAbsolute | AM_SEEKING_CanSeekForwards |
                        AM_SEEKING_CanSeekBackwards | AM_SEEKING_CanGetCurrentPos |
                        AM_SEEKING_CanGetStopPos | AM_SEEKING_CanGetDuration;

bool m_IsMediaTime(const GUID* format)
{
    return format && IsEqualGUID(*format, TIME_FORMAT_MEDIA_TIME);
}

// The new value of a position by the seeking flags; false for flags that
// are not understood.
bool m_NewPosition(const LONGLONG* given, DWORD flags, LONGLONG old, LONGLONG* out)
{
    *out = old;
    switch (flags & AM_SEEKING_PositioningBitsMask) {
        case AM_SEEKING_NoPositioning:
            return true;
        case AM_SEEKING_AbsolutePositioning:
            if (!given) return false;
            *out = *given;
            return true;
        case AM_SEEKING_RelativePositioning:
        case AM_SEEKING_IncrementalPositioning:
            if (!given) return false;
            *out = old + *given;
            return true;
        default:
            return false;
    }
}

}  // namespace

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetCapabilities(DWORD* caps)
{
    if (!caps) return E_POINTER;
    *caps = kCaps;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::CheckCapabilities(DWORD* caps)
{
    if (!caps) return E_POINTER;
    const DWORD asked = *caps;
    *caps &= kCaps;
    return *caps == asked ? S_OK : (*caps ? S_FALSE : E_FAIL);
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::IsFormatSupported(const GUID* format)
{
    if (!format) return E_POINTER;
    return m_IsMediaTime(format) ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::QueryPreferredFormat(GUID* format)
{
    if (!format) return E_POINTER;
    *format = TIME_FORMAT_MEDIA_TIME;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetTimeFormat(GUID* format)
{
    return QueryPreferredFormat(format);
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::IsUsingTimeFormat(const GUID* format)
{
    if (!format) return E_POINTER;
    return m_IsMediaTime(format) ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::SetTimeFormat(const GUID* format)
{
    if (!format) return E_POINTER;
    return m_IsMediaTime(format) ? S_OK : E_INVALIDARG;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetDuration(LONGLONG* duration)
{
    if (!duration) return E_POINTER;
    *duration = static_cast<LONGLONG>(m_Source->Description().Duration * 1e7);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetStopPosition(LONGLONG* stop)
{
    if (!stop) return E_POINTER;
    CDsLock lock(&m_SeekLock);
    *stop = m_Stop;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetCurrentPosition(LONGLONG* current)
{
    if (!current) return E_POINTER;
    *current = GetStart();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::ConvertTimeFormat(LONGLONG* target,
                                                            const GUID* targetFormat,
                                                            LONGLONG source,
                                                            const GUID* sourceFormat)
{
    if (!target) return E_POINTER;
    if ((targetFormat && !m_IsMediaTime(targetFormat)) ||
        (sourceFormat && !m_IsMediaTime(sourceFormat)))
        return E_INVALIDARG;
    *target = source;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::SetPositions(LONGLONG* current, DWORD currentFlags,
                                                       LONGLONG* stop, DWORD stopFlags)
{
    CDsLock lock(&m_SeekLock);
    LONGLONG start = 0, end = 0, duration = 0;
    GetDuration(&duration);
    if (!m_NewPosition(current, currentFlags, m_Start, &start) ||
        !m_NewPosition(stop, stopFlags, m_Stop, &end))
        return E_INVALIDARG;
    if (start < 0) start = 0;
    if (start > duration) start = duration;
    if (end > duration || end <= 0) end = duration;
    const bool restart = m_Thread && (currentFlags & AM_SEEKING_PositioningBitsMask);
    if (restart) {
        DeliverBeginFlush();
        StopThread();
        DeliverEndFlush();
    }
    m_Start = start;
    m_Stop = end;
    if (currentFlags & AM_SEEKING_PositioningBitsMask) m_Source->SeekDone();
    HRESULT hr = restart ? StartThread() : S_OK;
    if (current && (currentFlags & AM_SEEKING_ReturnTime)) *current = m_Start;
    if (stop && (stopFlags & AM_SEEKING_ReturnTime)) *stop = m_Stop;
    return hr;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetPositions(LONGLONG* current, LONGLONG* stop)
{
    CDsLock lock(&m_SeekLock);
    if (current) *current = m_Start;
    if (stop) *stop = m_Stop;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetAvailable(LONGLONG* earliest, LONGLONG* latest)
{
    if (earliest) *earliest = 0;
    return latest ? GetDuration(latest) : S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::SetRate(double rate)
{
    if (rate <= 0) return E_INVALIDARG;
    CDsLock lock(&m_SeekLock);
    m_Rate = rate;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetRate(double* rate)
{
    if (!rate) return E_POINTER;
    CDsLock lock(&m_SeekLock);
    *rate = m_Rate;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::GetPreroll(LONGLONG* preroll)
{
    if (!preroll) return E_POINTER;
    *preroll = 0;
    return S_OK;
}
