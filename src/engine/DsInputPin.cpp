#include "engine/DsPin.h"
#include "engine/DsFilter.h"
#include "engine/DsLock.h"

CBaseInputPin::CBaseInputPin(CBaseFilter* filter, const wchar_t* name)
    : CBasePin(filter, name, PINDIR_INPUT)
{
}

CBaseInputPin::~CBaseInputPin()
{
    if (m_Allocator) m_Allocator->Release();
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::QueryInterface(REFIID iid, void** out)
{
    return CBasePin::QueryInterface(iid, out);
}

ULONG STDMETHODCALLTYPE CBaseInputPin::AddRef() { return CBasePin::AddRef(); }

ULONG STDMETHODCALLTYPE CBaseInputPin::Release() { return CBasePin::Release(); }

HRESULT CBaseInputPin::QueryPinInterface(REFIID iid, void** out)
{
    if (IsEqualIID(iid, IID_IMemInputPin)) {
        *out = static_cast<IMemInputPin*>(this);
        AddRef();
        return S_OK;
    }
    return CBasePin::QueryPinInterface(iid, out);
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::Connect(IPin*, const AM_MEDIA_TYPE*)
{
    // Output pins start connections.
    return E_UNEXPECTED;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ReceiveConnection(IPin* connector,
                                                           const AM_MEDIA_TYPE* type)
{
    if (!connector || !type) return E_POINTER;
    CDsLock lock(m_Filter->GetFilterLock());
    if (m_Peer) return VFW_E_ALREADY_CONNECTED;
    if (m_Filter->GetFilterState() != State_Stopped) return VFW_E_NOT_STOPPED;
    PIN_DIRECTION direction = PINDIR_INPUT;
    if (FAILED(connector->QueryDirection(&direction)) || direction != PINDIR_OUTPUT)
        return VFW_E_INVALID_DIRECTION;
    if (CheckMediaType(type) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
    HRESULT hr = SetConnection(connector, type);
    if (FAILED(hr)) return hr;
    hr = CompleteConnect(connector);
    if (FAILED(hr)) {
        BreakConnect();
        ClearConnection();
    }
    return hr;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::Disconnect()
{
    HRESULT hr = CBasePin::Disconnect();
    if (hr == S_OK && m_Allocator) {
        m_Allocator->Release();
        m_Allocator = nullptr;
    }
    return hr;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::EndOfStream() { return S_OK; }

HRESULT STDMETHODCALLTYPE CBaseInputPin::BeginFlush()
{
    InterlockedExchange(&m_Flushing, 1);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::EndFlush()
{
    InterlockedExchange(&m_Flushing, 0);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::GetAllocator(IMemAllocator** allocator)
{
    if (!allocator) return E_POINTER;
    CDsLock lock(m_Filter->GetFilterLock());
    if (!m_Allocator) {
        HRESULT hr = CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IMemAllocator, reinterpret_cast<void**>(&m_Allocator));
        if (FAILED(hr)) {
            m_Allocator = nullptr;
            *allocator = nullptr;
            return hr;
        }
    }
    m_Allocator->AddRef();
    *allocator = m_Allocator;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::NotifyAllocator(IMemAllocator* allocator, BOOL readOnly)
{
    if (!allocator) return E_POINTER;
    CDsLock lock(m_Filter->GetFilterLock());
    allocator->AddRef();
    if (m_Allocator) m_Allocator->Release();
    m_Allocator = allocator;
    m_ReadOnly = readOnly;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::GetAllocatorRequirements(ALLOCATOR_PROPERTIES*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::Receive(IMediaSample* sample)
{
    if (!sample) return E_POINTER;
    return CheckStreaming();
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ReceiveMultiple(IMediaSample** samples, long count,
                                                         long* done)
{
    if (!samples || !done) return E_POINTER;
    HRESULT hr = S_OK;
    *done = 0;
    while (*done < count) {
        hr = Receive(samples[*done]);
        if (hr != S_OK) break;
        (*done)++;
    }
    return hr;
}

HRESULT STDMETHODCALLTYPE CBaseInputPin::ReceiveCanBlock() { return S_OK; }

HRESULT CBaseInputPin::Inactive()
{
    InterlockedExchange(&m_Flushing, 0);
    return S_OK;
}

HRESULT CBaseInputPin::CheckStreaming()
{
    if (!m_Peer) return VFW_E_NOT_CONNECTED;
    if (m_Filter->GetFilterState() == State_Stopped) return VFW_E_WRONG_STATE;
    return m_Flushing ? S_FALSE : S_OK;
}
