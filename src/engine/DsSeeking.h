// IMediaSeeking handed on upstream: a renderer and a filter between the
// decoder and the renderer answer seeking by asking the pin that feeds
// their input.
#pragma once
#include <windows.h>
#include <dshow.h>

class CBasePin;

class CDsSeekingPassThru : public IMediaSeeking {
public:
    // owner: the IUnknown this interface belongs to; input: the pin whose
    // upstream peer answers.
    CDsSeekingPassThru(IUnknown* owner, CBasePin* input);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetCapabilities(DWORD* caps) override;
    HRESULT STDMETHODCALLTYPE CheckCapabilities(DWORD* caps) override;
    HRESULT STDMETHODCALLTYPE IsFormatSupported(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE QueryPreferredFormat(GUID* format) override;
    HRESULT STDMETHODCALLTYPE GetTimeFormat(GUID* format) override;
    HRESULT STDMETHODCALLTYPE IsUsingTimeFormat(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE SetTimeFormat(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE GetDuration(LONGLONG* duration) override;
    HRESULT STDMETHODCALLTYPE GetStopPosition(LONGLONG* stop) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LONGLONG* current) override;
    HRESULT STDMETHODCALLTYPE ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat,
                                                LONGLONG source, const GUID* sourceFormat) override;
    HRESULT STDMETHODCALLTYPE SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop,
                                           DWORD stopFlags) override;
    HRESULT STDMETHODCALLTYPE GetPositions(LONGLONG* current, LONGLONG* stop) override;
    HRESULT STDMETHODCALLTYPE GetAvailable(LONGLONG* earliest, LONGLONG* latest) override;
    HRESULT STDMETHODCALLTYPE SetRate(double rate) override;
    HRESULT STDMETHODCALLTYPE GetRate(double* rate) override;
    HRESULT STDMETHODCALLTYPE GetPreroll(LONGLONG* preroll) override;

private:
    // The upstream IMediaSeeking (counted), or an error when there is none.
    HRESULT Upstream(IMediaSeeking** out);
    template <class TCall>
    HRESULT Pass(TCall call);

    IUnknown* m_Owner;
    CBasePin* m_Input;
};
