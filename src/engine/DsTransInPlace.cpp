#include "engine/DsTransInPlace.h"
#include "engine/DsLock.h"
#include "engine/DsMediaType.h"

// ---- input pin ------------------------------------------------------------

CTransInPlaceInputPin::CTransInPlaceInputPin(CTransInPlaceFilter* filter)
    : CBaseInputPin(filter, L"Input"), m_Owner(filter)
{
}

HRESULT CTransInPlaceInputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return m_Owner->CheckInputType(type);
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::QueryAccept(const AM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    if (CheckMediaType(type) != S_OK) return S_FALSE;
    // Samples of the new type pass on unchanged: downstream must take it too.
    IPin* downstream = m_Owner->OutputPin()->GetPeer();
    return downstream ? downstream->QueryAccept(type) : S_OK;
}

HRESULT STDMETHODCALLTYPE
CTransInPlaceInputPin::GetAllocatorRequirements(ALLOCATOR_PROPERTIES* props)
{
    IMemInputPin* downstream = m_Owner->OutputPin()->GetPeerInput();
    return downstream ? downstream->GetAllocatorRequirements(props) : E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::Receive(IMediaSample* sample)
{
    HRESULT hr = CBaseInputPin::Receive(sample);
    if (hr != S_OK) return hr;
    CDsLock lock(m_Owner->GetReceiveLock());
    hr = m_Owner->Transform(sample);
    if (hr == S_FALSE) return S_OK;
    if (FAILED(hr)) return hr;
    CTransInPlaceOutputPin* output = m_Owner->OutputPin();
    return output->IsConnected() ? output->Deliver(sample) : S_OK;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::ReceiveCanBlock()
{
    IMemInputPin* downstream = m_Owner->OutputPin()->GetPeerInput();
    return downstream ? downstream->ReceiveCanBlock() : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::EndOfStream()
{
    HRESULT hr = CheckStreaming();
    if (hr != S_OK) return hr;
    CTransInPlaceOutputPin* output = m_Owner->OutputPin();
    return output->IsConnected() ? output->DeliverEndOfStream() : S_OK;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::BeginFlush()
{
    CBaseInputPin::BeginFlush();
    CTransInPlaceOutputPin* output = m_Owner->OutputPin();
    return output->IsConnected() ? output->DeliverBeginFlush() : S_OK;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::EndFlush()
{
    CTransInPlaceOutputPin* output = m_Owner->OutputPin();
    HRESULT hr = output->IsConnected() ? output->DeliverEndFlush() : S_OK;
    CBaseInputPin::EndFlush();
    return hr;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceInputPin::NewSegment(REFERENCE_TIME start,
                                                            REFERENCE_TIME stop, double rate)
{
    CBasePin::NewSegment(start, stop, rate);
    CTransInPlaceOutputPin* output = m_Owner->OutputPin();
    return output->IsConnected() ? output->DeliverNewSegment(start, stop, rate) : S_OK;
}

// ---- output pin -----------------------------------------------------------

CTransInPlaceOutputPin::CTransInPlaceOutputPin(CTransInPlaceFilter* filter)
    : CBaseOutputPin(filter, L"Output"),
      m_Owner(filter),
      m_Seeking(static_cast<IPin*>(this), filter->InputPin())
{
}

HRESULT CTransInPlaceOutputPin::QueryPinInterface(REFIID iid, void** out)
{
    // Renderers ask the pin that feeds them for seeking.
    if (IsEqualIID(iid, IID_IMediaSeeking)) {
        *out = static_cast<IMediaSeeking*>(&m_Seeking);
        AddRef();
        return S_OK;
    }
    return CBaseOutputPin::QueryPinInterface(iid, out);
}

HRESULT CTransInPlaceOutputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    CTransInPlaceInputPin* input = m_Owner->InputPin();
    if (!input->IsConnected()) return VFW_E_NOT_CONNECTED;
    return m_Ds_MediaTypeEqual(type, input->GetConnectedType()) ? S_OK : S_FALSE;
}

HRESULT CTransInPlaceOutputPin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index < 0) return E_INVALIDARG;
    CTransInPlaceInputPin* input = m_Owner->InputPin();
    if (index > 0 || !input->IsConnected()) return VFW_S_NO_MORE_ITEMS;
    return m_Ds_CopyMediaType(type, input->GetConnectedType());
}

HRESULT CTransInPlaceOutputPin::DecideAllocator(IMemInputPin* input, IMemAllocator** allocator)
{
    *allocator = nullptr;
    CTransInPlaceInputPin* ours = m_Owner->InputPin();
    IMemAllocator* shared = ours->GetAllocatorInUse();
    m_OwnsAllocator = false;
    if (!shared) {
        // Upstream delivers from buffers it never told us of (Wine's Sample
        // Grabber does): the connection takes downstream's allocator or one
        // of ours, which this pin then commits itself.
        HRESULT hr = CBaseOutputPin::DecideAllocator(input, allocator);
        m_OwnsAllocator = SUCCEEDED(hr);
        return hr;
    }
    // Grow the shared buffers to what downstream asks for; the allocator
    // takes new properties only while it is not committed.
    ALLOCATOR_PROPERTIES wanted = {}, current = {}, actual = {};
    if (SUCCEEDED(input->GetAllocatorRequirements(&wanted)) &&
        SUCCEEDED(shared->GetProperties(&current))) {
        if (wanted.cBuffers > current.cBuffers) current.cBuffers = wanted.cBuffers;
        if (wanted.cbBuffer > current.cbBuffer) current.cbBuffer = wanted.cbBuffer;
        if (wanted.cbAlign > current.cbAlign) current.cbAlign = wanted.cbAlign;
        if (wanted.cbPrefix > current.cbPrefix) current.cbPrefix = wanted.cbPrefix;
        shared->SetProperties(&current, &actual);
    }
    HRESULT hr = input->NotifyAllocator(shared, ours->IsReadOnly());
    if (FAILED(hr)) return hr;
    shared->AddRef();
    *allocator = shared;
    return S_OK;
}

HRESULT CTransInPlaceOutputPin::DecideBufferSize(IMemAllocator* allocator,
                                                 ALLOCATOR_PROPERTIES* request)
{
    ALLOCATOR_PROPERTIES wanted = *request, actual = {};
    if (wanted.cBuffers < 1) wanted.cBuffers = 1;
    if (wanted.cbAlign < 1) wanted.cbAlign = 1;
    const AM_MEDIA_TYPE* type = m_Owner->InputPin()->GetConnectedType();
    LONG sampleSize = type ? static_cast<LONG>(type->lSampleSize) : 0;
    if (wanted.cbBuffer < sampleSize) wanted.cbBuffer = sampleSize;
    if (wanted.cbBuffer < 1) wanted.cbBuffer = 1;
    return allocator->SetProperties(&wanted, &actual);
}

HRESULT CTransInPlaceOutputPin::Active()
{
    return m_OwnsAllocator ? CBaseOutputPin::Active() : S_OK;
}

HRESULT CTransInPlaceOutputPin::Inactive()
{
    return m_OwnsAllocator ? CBaseOutputPin::Inactive() : S_OK;
}

// ---- filter ---------------------------------------------------------------

CTransInPlaceFilter::CTransInPlaceFilter(const wchar_t* objectName, REFCLSID clsid)
    : CBaseFilter(objectName, clsid), m_Input(this), m_Output(this)
{
    InitializeCriticalSection(&m_ReceiveLock);
}

CTransInPlaceFilter::~CTransInPlaceFilter() { DeleteCriticalSection(&m_ReceiveLock); }

CBasePin* CTransInPlaceFilter::GetPin(int index)
{
    if (index == 0) return &m_Input;
    if (index == 1) return &m_Output;
    return nullptr;
}

HRESULT STDMETHODCALLTYPE CTransInPlaceFilter::Stop()
{
    HRESULT hr = CBaseFilter::Stop();
    // New samples are refused now; wait for one still passing.
    EnterCriticalSection(&m_ReceiveLock);
    LeaveCriticalSection(&m_ReceiveLock);
    return hr;
}
