// A filter that works on each sample where it lies and hands it on: one
// input and one output pin, the media type and the upstream allocator
// passed through unchanged, seeking answered upstream.
#pragma once
#include <windows.h>
#include <dshow.h>
#include "engine/DsFilter.h"
#include "engine/DsPin.h"
#include "engine/DsSeeking.h"

class CTransInPlaceFilter;

class CTransInPlaceInputPin : public CBaseInputPin {
public:
    explicit CTransInPlaceInputPin(CTransInPlaceFilter* filter);

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE GetAllocatorRequirements(ALLOCATOR_PROPERTIES* props) override;
    HRESULT STDMETHODCALLTYPE Receive(IMediaSample* sample) override;
    HRESULT STDMETHODCALLTYPE ReceiveCanBlock() override;
    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;
    HRESULT STDMETHODCALLTYPE EndFlush() override;
    HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop,
                                         double rate) override;

private:
    CTransInPlaceFilter* m_Owner;
};

class CTransInPlaceOutputPin : public CBaseOutputPin {
public:
    explicit CTransInPlaceOutputPin(CTransInPlaceFilter* filter);

    HRESULT QueryPinInterface(REFIID iid, void** out) override;
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;
    // The upstream allocator, so that samples pass without a copy.
    HRESULT DecideAllocator(IMemInputPin* input, IMemAllocator** allocator) override;
    HRESULT DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request) override;
    // Upstream commits and decommits its own allocator; a fallback one is ours.
    HRESULT Active() override;
    HRESULT Inactive() override;

private:
    bool m_OwnsAllocator = false;
    CTransInPlaceFilter* m_Owner;
    CDsSeekingPassThru m_Seeking;
};

class CTransInPlaceFilter : public CBaseFilter {
public:
    CTransInPlaceFilter(const wchar_t* objectName, REFCLSID clsid);
    ~CTransInPlaceFilter() override;

    int GetPinCount() override { return 2; }
    CBasePin* GetPin(int index) override;
    HRESULT STDMETHODCALLTYPE Stop() override;

    // S_OK when the filter takes the type on its input.
    virtual HRESULT CheckInputType(const AM_MEDIA_TYPE* type) = 0;
    // Works on the sample in place on the streaming thread; S_OK hands
    // it on, S_FALSE drops it, an error stops the stream. A filter that
    // writes must leave samples alone while InputPin()->IsReadOnly().
    virtual HRESULT Transform(IMediaSample* sample) = 0;

    CTransInPlaceInputPin* InputPin() { return &m_Input; }
    CTransInPlaceOutputPin* OutputPin() { return &m_Output; }
    // Held while a sample passes, so that Stop waits for it.
    CRITICAL_SECTION* GetReceiveLock() { return &m_ReceiveLock; }

private:
    CRITICAL_SECTION m_ReceiveLock;
    CTransInPlaceInputPin m_Input;
    CTransInPlaceOutputPin m_Output;
};
