#include "engine/AudioGrab.h"
#include <new>
#include <uuids.h>

CAudioGrabCB* CAudioGrabCB::Create() { return new (std::nothrow) CAudioGrabCB(); }

CAudioGrabCB::CAudioGrabCB() : CUnknown(L"SGCB") { ResetFormat(); }

HRESULT STDMETHODCALLTYPE CAudioGrabCB::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_ISampleGrabberCB))
        return m_Ds_GetInterface(static_cast<ISampleGrabberCB*>(this), out);
    return CUnknown::NonDelegatingQueryInterface(iid, out);
}

HRESULT STDMETHODCALLTYPE CAudioGrabCB::SampleCB(double, IMediaSample*) { return S_OK; }

HRESULT STDMETHODCALLTYPE CAudioGrabCB::BufferCB(double, BYTE* buffer, LONG length)
{
    m_Audio_Process(buffer, length, GetFormat(), GetOptions());
    // The grabber ignores what a buffer callback returns.
    return E_NOTIMPL;
}

void CAudioGrabCB::SetGain(int percent)
{
    InterlockedExchange(&m_Gain, m_Audio_ClampOptions({percent, 0, 0, 0}).Gain);
}

void CAudioGrabCB::SetMix(int percent)
{
    InterlockedExchange(&m_Mix, m_Audio_ClampOptions({100, percent, 0, 0}).Mix);
}

void CAudioGrabCB::SetSwap(int swap) { InterlockedExchange(&m_Swap, swap ? 1 : 0); }

void CAudioGrabCB::SetBalance(int balance)
{
    InterlockedExchange(&m_Balance, m_Audio_ClampOptions({100, 0, 0, balance}).Balance);
}

SAUDIOOPTIONS CAudioGrabCB::GetOptions() const { return {m_Gain, m_Mix, m_Swap, m_Balance}; }

void CAudioGrabCB::ResetFormat()
{
    SAUDIOFORMAT f = m_Audio_DefaultFormat();
    InterlockedExchange(&m_Kind, f.Kind);
    InterlockedExchange(&m_Channels, f.Channels);
    InterlockedExchange(&m_BlockAlign, f.BlockAlign);
}

int CAudioGrabCB::SetMediaType(const AM_MEDIA_TYPE* type)
{
    SAUDIOFORMAT f = {AUDIO_SAMPLE_NONE, 0, 0};
    if (type && IsEqualGUID(type->majortype, MEDIATYPE_Audio) &&
        IsEqualGUID(type->formattype, FORMAT_WaveFormatEx) && type->pbFormat)
        f = m_Audio_FormatFromWave(reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat),
                                   type->cbFormat);
    InterlockedExchange(&m_Kind, f.Kind);
    InterlockedExchange(&m_Channels, f.Channels);
    InterlockedExchange(&m_BlockAlign, f.BlockAlign);
    return f.Kind != AUDIO_SAMPLE_NONE;
}

SAUDIOFORMAT CAudioGrabCB::GetFormat() const { return {m_Kind, m_Channels, m_BlockAlign}; }
