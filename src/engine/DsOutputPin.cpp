#include "engine/DsPin.h"
#include "engine/DsFilter.h"
#include "engine/DsLock.h"
#include "engine/DsMediaType.h"

namespace {

// A candidate fits the type asked for when it agrees on every part the
// asked type names.
bool FitsPartialType(const AM_MEDIA_TYPE* asked, const AM_MEDIA_TYPE* candidate)
{
    if (!asked) return true;
    if (!IsEqualGUID(asked->majortype, GUID_NULL) &&
        !IsEqualGUID(asked->majortype, candidate->majortype))
        return false;
    if (!IsEqualGUID(asked->subtype, GUID_NULL) && !IsEqualGUID(asked->subtype, candidate->subtype))
        return false;
    return IsEqualGUID(asked->formattype, GUID_NULL) ||
           IsEqualGUID(asked->formattype, candidate->formattype);
}

}  // namespace

CBaseOutputPin::CBaseOutputPin(CBaseFilter* filter, const wchar_t* name)
    : CBasePin(filter, name, PINDIR_OUTPUT)
{
}

CBaseOutputPin::~CBaseOutputPin()
{
    if (m_Allocator) m_Allocator->Release();
    if (m_PeerInput) m_PeerInput->Release();
}

HRESULT STDMETHODCALLTYPE CBaseOutputPin::Connect(IPin* pin, const AM_MEDIA_TYPE* type)
{
    if (!pin) return E_POINTER;
    CDsLock lock(m_Filter->GetFilterLock());
    if (m_Peer) return VFW_E_ALREADY_CONNECTED;
    if (m_Filter->GetFilterState() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (m_Ds_MediaTypeComplete(type)) return AttemptConnection(pin, type);

    // The receiving pin's preferences first, then ours.
    IEnumMediaTypes* types = nullptr;
    if (SUCCEEDED(pin->EnumMediaTypes(&types)) && types) {
        HRESULT hr = TryMediaTypes(pin, types, type);
        types->Release();
        if (SUCCEEDED(hr)) return hr;
    }
    types = nullptr;
    if (SUCCEEDED(EnumMediaTypes(&types)) && types) {
        HRESULT hr = TryMediaTypes(pin, types, type);
        types->Release();
        if (SUCCEEDED(hr)) return hr;
    }
    return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT CBaseOutputPin::TryMediaTypes(IPin* pin, IEnumMediaTypes* types, const AM_MEDIA_TYPE* asked)
{
    AM_MEDIA_TYPE* candidate = nullptr;
    ULONG fetched = 0;
    while (types->Next(1, &candidate, &fetched) == S_OK && fetched == 1) {
        HRESULT hr = FitsPartialType(asked, candidate) ? AttemptConnection(pin, candidate)
                                                       : VFW_E_TYPE_NOT_ACCEPTED;
        m_Ds_DeleteMediaType(candidate);
        if (SUCCEEDED(hr)) return hr;
    }
    return VFW_E_NO_ACCEPTABLE_TYPES;
}

HRESULT CBaseOutputPin::AttemptConnection(IPin* pin, const AM_MEDIA_TYPE* type)
{
    if (CheckMediaType(type) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
    HRESULT hr = SetConnection(pin, type);
    if (FAILED(hr)) return hr;
    hr = pin->ReceiveConnection(this, type);
    if (FAILED(hr)) {
        ClearConnection();
        return hr;
    }
    hr = pin->QueryInterface(IID_IMemInputPin, reinterpret_cast<void**>(&m_PeerInput));
    if (SUCCEEDED(hr)) hr = DecideAllocator(m_PeerInput, &m_Allocator);
    if (SUCCEEDED(hr)) hr = CompleteConnect(pin);
    if (FAILED(hr)) {
        if (m_Allocator) m_Allocator->Release();
        if (m_PeerInput) m_PeerInput->Release();
        m_Allocator = nullptr;
        m_PeerInput = nullptr;
        pin->Disconnect();
        ClearConnection();
    }
    return hr;
}

HRESULT STDMETHODCALLTYPE CBaseOutputPin::ReceiveConnection(IPin*, const AM_MEDIA_TYPE*)
{
    return E_UNEXPECTED;
}

HRESULT STDMETHODCALLTYPE CBaseOutputPin::Disconnect()
{
    CDsLock lock(m_Filter->GetFilterLock());
    if (m_Filter->GetFilterState() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!m_Peer) return S_FALSE;
    if (m_Allocator) {
        m_Allocator->Decommit();
        m_Allocator->Release();
        m_Allocator = nullptr;
    }
    if (m_PeerInput) m_PeerInput->Release();
    m_PeerInput = nullptr;
    BreakConnect();
    ClearConnection();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseOutputPin::EndOfStream() { return E_UNEXPECTED; }

HRESULT STDMETHODCALLTYPE CBaseOutputPin::BeginFlush() { return E_UNEXPECTED; }

HRESULT STDMETHODCALLTYPE CBaseOutputPin::EndFlush() { return E_UNEXPECTED; }

HRESULT CBaseOutputPin::DecideAllocator(IMemInputPin* input, IMemAllocator** allocator)
{
    *allocator = nullptr;
    ALLOCATOR_PROPERTIES request = {};
    input->GetAllocatorRequirements(&request);  // optional for the input pin
    IMemAllocator* candidate = nullptr;
    HRESULT hr = input->GetAllocator(&candidate);
    if (SUCCEEDED(hr)) {
        hr = DecideBufferSize(candidate, &request);
        if (SUCCEEDED(hr)) hr = input->NotifyAllocator(candidate, FALSE);
        if (SUCCEEDED(hr)) {
            *allocator = candidate;
            return hr;
        }
        candidate->Release();
        candidate = nullptr;
    }
    hr = CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER, IID_IMemAllocator,
                          reinterpret_cast<void**>(&candidate));
    if (FAILED(hr)) return hr;
    hr = DecideBufferSize(candidate, &request);
    if (SUCCEEDED(hr)) hr = input->NotifyAllocator(candidate, FALSE);
    if (FAILED(hr)) {
        candidate->Release();
        return hr;
    }
    *allocator = candidate;
    return hr;
}

HRESULT CBaseOutputPin::DecideBufferSize(IMemAllocator*, ALLOCATOR_PROPERTIES*)
{
    return E_NOTIMPL;
}

HRESULT CBaseOutputPin::Active() { return m_Allocator ? m_Allocator->Commit() : S_OK; }

HRESULT CBaseOutputPin::Inactive() { return m_Allocator ? m_Allocator->Decommit() : S_OK; }

HRESULT CBaseOutputPin::Deliver(IMediaSample* sample)
{
    IMemInputPin* input = m_PeerInput;
    return input ? input->Receive(sample) : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverEndOfStream()
{
    IPin* peer = m_Peer;
    return peer ? peer->EndOfStream() : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverBeginFlush()
{
    IPin* peer = m_Peer;
    return peer ? peer->BeginFlush() : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverEndFlush()
{
    IPin* peer = m_Peer;
    return peer ? peer->EndFlush() : VFW_E_NOT_CONNECTED;
}

HRESULT CBaseOutputPin::DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate)
{
    IPin* peer = m_Peer;
    return peer ? peer->NewSegment(start, stop, rate) : VFW_E_NOT_CONNECTED;
}
