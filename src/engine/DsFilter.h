// The base of our DirectShow filters: IBaseFilter with its state, clock,
// graph membership and pin enumeration. A derived filter owns its pins
// and lists them through GetPinCount and GetPin.
#pragma once
#include <windows.h>
#include <dshow.h>
#include "engine/DsUnknown.h"

class CBasePin;

class CBaseFilter : public CUnknown, public IBaseFilter {
public:
    CBaseFilter(const wchar_t* objectName, REFCLSID clsid);
    ~CBaseFilter() override;

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;

    // IPersist
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    // IMediaFilter
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME start) override;
    HRESULT STDMETHODCALLTYPE GetState(DWORD timeoutMs, FILTER_STATE* state) override;
    HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock* clock) override;
    HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock** clock) override;
    // IBaseFilter
    HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins** pins) override;
    HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR id, IPin** pin) override;
    HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO* info) override;
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
    HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR* info) override;

    virtual int GetPinCount() = 0;
    virtual CBasePin* GetPin(int index) = 0;

    // Sends an event to the graph's event sink; E_UNEXPECTED outside a graph.
    HRESULT NotifyEvent(long code, LONG_PTR param1, LONG_PTR param2);

    FILTER_STATE GetFilterState() const { return m_State; }
    REFERENCE_TIME GetStreamStart() const { return m_StreamStart; }
    IFilterGraph* GetGraph() const { return m_Graph; }
    // Guards state and connection changes.
    CRITICAL_SECTION* GetFilterLock() { return &m_FilterLock; }

protected:
    CRITICAL_SECTION m_FilterLock;
    volatile FILTER_STATE m_State = State_Stopped;
    REFERENCE_TIME m_StreamStart = 0;
    IReferenceClock* m_Clock = nullptr;
    // Not counted: the graph holds this filter, and its sink is part of it.
    IFilterGraph* m_Graph = nullptr;
    IMediaEventSink* m_EventSink = nullptr;
    wchar_t m_FilterName[MAX_FILTER_NAME] = {};
    CLSID m_Clsid;
};
