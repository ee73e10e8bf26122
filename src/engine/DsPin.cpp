#include "engine/DsPin.h"
#include "engine/DsLock.h"
#include "engine/DsEnum.h"
#include "engine/DsFilter.h"
#include "engine/DsMediaType.h"

CBasePin::CBasePin(CBaseFilter* filter, const wchar_t* name, PIN_DIRECTION direction)
    : m_Filter(filter), m_Direction(direction)
{
    m_Ds_CopyText(m_Name, kDsPinNameCap, name);
}

CBasePin::~CBasePin() { ClearConnection(); }

HRESULT STDMETHODCALLTYPE CBasePin::QueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    return QueryPinInterface(iid, out);
}

ULONG STDMETHODCALLTYPE CBasePin::AddRef() { return m_Filter->AddRef(); }

ULONG STDMETHODCALLTYPE CBasePin::Release() { return m_Filter->Release(); }

HRESULT CBasePin::QueryPinInterface(REFIID iid, void** out)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPin)) {
        *out = static_cast<IPin*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE CBasePin::Disconnect()
{
    CDsLock lock(m_Filter->GetFilterLock());
    if (m_Filter->GetFilterState() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!m_Peer) return S_FALSE;
    BreakConnect();
    ClearConnection();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBasePin::ConnectedTo(IPin** pin)
{
    if (!pin) return E_POINTER;
    CDsLock lock(m_Filter->GetFilterLock());
    *pin = m_Peer;
    if (!m_Peer) return VFW_E_NOT_CONNECTED;
    m_Peer->AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBasePin::ConnectionMediaType(AM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    CDsLock lock(m_Filter->GetFilterLock());
    if (!m_Peer) {
        *type = {};
        return VFW_E_NOT_CONNECTED;
    }
    return m_Ds_CopyMediaType(type, &m_Type);
}

HRESULT STDMETHODCALLTYPE CBasePin::QueryPinInfo(PIN_INFO* info)
{
    if (!info) return E_POINTER;
    info->pFilter = m_Filter;
    m_Filter->AddRef();
    info->dir = m_Direction;
    m_Ds_CopyText(info->achName, MAX_PIN_NAME, m_Name);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBasePin::QueryDirection(PIN_DIRECTION* direction)
{
    if (!direction) return E_POINTER;
    *direction = m_Direction;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBasePin::QueryId(LPWSTR* id)
{
    if (!id) return E_POINTER;
    size_t bytes = (wcslen(m_Name) + 1) * sizeof(wchar_t);
    *id = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (!*id) return E_OUTOFMEMORY;
    memcpy(*id, m_Name, bytes);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBasePin::QueryAccept(const AM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    return CheckMediaType(type) == S_OK ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE CBasePin::EnumMediaTypes(IEnumMediaTypes** types)
{
    return m_Ds_CreateMediaTypeEnum(this, types);
}

HRESULT STDMETHODCALLTYPE CBasePin::QueryInternalConnections(IPin**, ULONG*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE CBasePin::NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop,
                                               double rate)
{
    m_SegmentStart = start;
    m_SegmentStop = stop;
    m_SegmentRate = rate;
    return S_OK;
}

HRESULT CBasePin::GetMediaType(int index, AM_MEDIA_TYPE*)
{
    return index < 0 ? E_INVALIDARG : VFW_S_NO_MORE_ITEMS;
}

HRESULT CBasePin::CompleteConnect(IPin*) { return S_OK; }

void CBasePin::BreakConnect() {}

HRESULT CBasePin::Active() { return S_OK; }

HRESULT CBasePin::Inactive() { return S_OK; }

HRESULT CBasePin::SetConnection(IPin* peer, const AM_MEDIA_TYPE* type)
{
    ClearConnection();
    HRESULT hr = m_Ds_CopyMediaType(&m_Type, type);
    if (FAILED(hr)) return hr;
    m_Peer = peer;
    m_Peer->AddRef();
    return S_OK;
}

void CBasePin::ClearConnection()
{
    if (m_Peer) m_Peer->Release();
    m_Peer = nullptr;
    m_Ds_FreeMediaType(&m_Type);
    m_Type = {};
}
