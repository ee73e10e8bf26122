#include "engine/DsFilter.h"
#include "engine/DsLock.h"
#include "engine/DsEnum.h"
#include "engine/DsPin.h"

CBaseFilter::CBaseFilter(const wchar_t* objectName, REFCLSID clsid)
    : CUnknown(objectName), m_Clsid(clsid)
{
    InitializeCriticalSection(&m_FilterLock);
}

CBaseFilter::~CBaseFilter()
{
    if (m_Clock) m_Clock->Release();
    DeleteCriticalSection(&m_FilterLock);
}

HRESULT STDMETHODCALLTYPE CBaseFilter::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IBaseFilter) || IsEqualIID(iid, IID_IMediaFilter) ||
        IsEqualIID(iid, IID_IPersist))
        return m_Ds_GetInterface(static_cast<IBaseFilter*>(this), out);
    return CUnknown::NonDelegatingQueryInterface(iid, out);
}

HRESULT STDMETHODCALLTYPE CBaseFilter::GetClassID(CLSID* clsid)
{
    if (!clsid) return E_POINTER;
    *clsid = m_Clsid;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::Stop()
{
    CDsLock lock(&m_FilterLock);
    HRESULT result = S_OK;
    if (m_State != State_Stopped) {
        for (int i = 0; i < GetPinCount(); i++) {
            CBasePin* pin = GetPin(i);
            if (!pin || !pin->IsConnected()) continue;
            HRESULT hr = pin->Inactive();
            if (FAILED(hr) && SUCCEEDED(result)) result = hr;
        }
    }
    m_State = State_Stopped;
    return result;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::Pause()
{
    CDsLock lock(&m_FilterLock);
    if (m_State == State_Stopped) {
        for (int i = 0; i < GetPinCount(); i++) {
            CBasePin* pin = GetPin(i);
            if (!pin || !pin->IsConnected()) continue;
            HRESULT hr = pin->Active();
            if (FAILED(hr)) return hr;
        }
    }
    m_State = State_Paused;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::Run(REFERENCE_TIME start)
{
    CDsLock lock(&m_FilterLock);
    if (m_State == State_Stopped) {
        HRESULT hr = Pause();
        if (FAILED(hr)) return hr;
    }
    m_StreamStart = start;
    m_State = State_Running;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::GetState(DWORD, FILTER_STATE* state)
{
    if (!state) return E_POINTER;
    *state = m_State;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::SetSyncSource(IReferenceClock* clock)
{
    CDsLock lock(&m_FilterLock);
    if (clock) clock->AddRef();
    if (m_Clock) m_Clock->Release();
    m_Clock = clock;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::GetSyncSource(IReferenceClock** clock)
{
    if (!clock) return E_POINTER;
    CDsLock lock(&m_FilterLock);
    *clock = m_Clock;
    if (m_Clock) m_Clock->AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::EnumPins(IEnumPins** pins)
{
    return m_Ds_CreatePinEnum(this, pins);
}

HRESULT STDMETHODCALLTYPE CBaseFilter::FindPin(LPCWSTR id, IPin** pin)
{
    if (!id || !pin) return E_POINTER;
    *pin = nullptr;
    for (int i = 0; i < GetPinCount(); i++) {
        CBasePin* candidate = GetPin(i);
        if (candidate && wcscmp(candidate->GetName(), id) == 0) {
            candidate->AddRef();
            *pin = candidate;
            return S_OK;
        }
    }
    return VFW_E_NOT_FOUND;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::QueryFilterInfo(FILTER_INFO* info)
{
    if (!info) return E_POINTER;
    m_Ds_CopyText(info->achName, MAX_FILTER_NAME, m_FilterName);
    info->pGraph = m_Graph;
    if (m_Graph) m_Graph->AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name)
{
    CDsLock lock(&m_FilterLock);
    m_Graph = graph;
    m_EventSink = nullptr;
    if (graph) {
        IMediaEventSink* sink = nullptr;
        // Kept uncounted: a counted sink would keep the graph alive through
        // its own filter.
        if (SUCCEEDED(
                graph->QueryInterface(IID_IMediaEventSink, reinterpret_cast<void**>(&sink)))) {
            m_EventSink = sink;
            sink->Release();
        }
    }
    m_Ds_CopyText(m_FilterName, MAX_FILTER_NAME, graph ? name : nullptr);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CBaseFilter::QueryVendorInfo(LPWSTR*) { return E_NOTIMPL; }

HRESULT CBaseFilter::NotifyEvent(long code, LONG_PTR param1, LONG_PTR param2)
{
    IMediaEventSink* sink = m_EventSink;
    if (!sink) return E_UNEXPECTED;
    return sink->Notify(code, param1, param2);
}
