#include "engine/DsSeeking.h"
#include "engine/DsPin.h"

CDsSeekingPassThru::CDsSeekingPassThru(IUnknown* owner, CBasePin* input)
    : m_Owner(owner), m_Input(input)
{
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::QueryInterface(REFIID iid, void** out)
{
    return m_Owner->QueryInterface(iid, out);
}

ULONG STDMETHODCALLTYPE CDsSeekingPassThru::AddRef() { return m_Owner->AddRef(); }

ULONG STDMETHODCALLTYPE CDsSeekingPassThru::Release() { return m_Owner->Release(); }

HRESULT CDsSeekingPassThru::Upstream(IMediaSeeking** out)
{
    *out = nullptr;
    IPin* peer = nullptr;
    if (FAILED(m_Input->ConnectedTo(&peer)) || !peer) return VFW_E_NOT_CONNECTED;
    HRESULT hr = peer->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(out));
    peer->Release();
    return FAILED(hr) ? E_NOTIMPL : hr;
}

// Each call goes to the upstream pin as it stands at the time.
template <class TCall>
HRESULT CDsSeekingPassThru::Pass(TCall call)
{
    IMediaSeeking* upstream = nullptr;
    HRESULT hr = Upstream(&upstream);
    if (FAILED(hr)) return hr;
    hr = call(upstream);
    upstream->Release();
    return hr;
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetCapabilities(DWORD* caps)
{
    return Pass([&](IMediaSeeking* s) { return s->GetCapabilities(caps); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::CheckCapabilities(DWORD* caps)
{
    return Pass([&](IMediaSeeking* s) { return s->CheckCapabilities(caps); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::IsFormatSupported(const GUID* format)
{
    return Pass([&](IMediaSeeking* s) { return s->IsFormatSupported(format); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::QueryPreferredFormat(GUID* format)
{
    return Pass([&](IMediaSeeking* s) { return s->QueryPreferredFormat(format); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetTimeFormat(GUID* format)
{
    return Pass([&](IMediaSeeking* s) { return s->GetTimeFormat(format); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::IsUsingTimeFormat(const GUID* format)
{
    return Pass([&](IMediaSeeking* s) { return s->IsUsingTimeFormat(format); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::SetTimeFormat(const GUID* format)
{
    return Pass([&](IMediaSeeking* s) { return s->SetTimeFormat(format); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetDuration(LONGLONG* duration)
{
    return Pass([&](IMediaSeeking* s) { return s->GetDuration(duration); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetStopPosition(LONGLONG* stop)
{
    return Pass([&](IMediaSeeking* s) { return s->GetStopPosition(stop); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetCurrentPosition(LONGLONG* current)
{
    return Pass([&](IMediaSeeking* s) { return s->GetCurrentPosition(current); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::ConvertTimeFormat(LONGLONG* target,
                                                                const GUID* targetFormat,
                                                                LONGLONG source,
                                                                const GUID* sourceFormat)
{
    return Pass([&](IMediaSeeking* s) {
        return s->ConvertTimeFormat(target, targetFormat, source, sourceFormat);
    });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::SetPositions(LONGLONG* current, DWORD currentFlags,
                                                           LONGLONG* stop, DWORD stopFlags)
{
    return Pass(
        [&](IMediaSeeking* s) { return s->SetPositions(current, currentFlags, stop, stopFlags); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetPositions(LONGLONG* current, LONGLONG* stop)
{
    return Pass([&](IMediaSeeking* s) { return s->GetPositions(current, stop); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetAvailable(LONGLONG* earliest, LONGLONG* latest)
{
    return Pass([&](IMediaSeeking* s) { return s->GetAvailable(earliest, latest); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::SetRate(double rate)
{
    return Pass([&](IMediaSeeking* s) { return s->SetRate(rate); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetRate(double* rate)
{
    return Pass([&](IMediaSeeking* s) { return s->GetRate(rate); });
}

HRESULT STDMETHODCALLTYPE CDsSeekingPassThru::GetPreroll(LONGLONG* preroll)
{
    return Pass([&](IMediaSeeking* s) { return s->GetPreroll(preroll); });
}
