// Stand-in of the time-stretch filter module "TimeStretchFilter.ax": an
// audio pass-through filter offering ITimeStretchFilter, logging each call.
#include <windows.h>
#include <dshow.h>
#include <new>
#include "StandInLog.h"
#include "StandInServer.h"
#include "engine/DsTransInPlace.h"
#include "engine/ExternalFilters.h"

namespace {

HMODULE g_Module = nullptr;

class CTimeStretchStandIn : public CTransInPlaceFilter, public ITimeStretchFilter {
public:
    static IUnknown* Create()
    {
        auto* filter = new (std::nothrow) CTimeStretchStandIn();
        return filter ? filter->GetOwner() : nullptr;
    }

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_ITimeStretchFilter))
            return m_Ds_GetInterface(static_cast<ITimeStretchFilter*>(this), out);
        return CTransInPlaceFilter::NonDelegatingQueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override
    {
        m_StandIn_Log(L"TimeStretch JoinFilterGraph %s", graph && name ? name : L"(none)");
        return CTransInPlaceFilter::JoinFilterGraph(graph, name);
    }

    HRESULT CheckInputType(const AM_MEDIA_TYPE* type) override
    {
        return IsEqualGUID(type->majortype, MEDIATYPE_Audio) ? S_OK : S_FALSE;
    }
    HRESULT Transform(IMediaSample*) override
    {
        if (!InterlockedExchange(&m_SawAudio, 1)) m_StandIn_Log(L"TimeStretch audio passes");
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Reserved1() override { return Unused(1); }
    HRESULT STDMETHODCALLTYPE Reserved2() override { return Unused(2); }
    HRESULT STDMETHODCALLTYPE Reserved3() override { return Unused(3); }
    HRESULT STDMETHODCALLTYPE SetRate(int percent) override
    {
        m_StandIn_Log(L"TimeStretch SetRate %d", percent);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Reserved5() override { return Unused(5); }
    HRESULT STDMETHODCALLTYPE Enable(int on, HWND window, UINT message) override
    {
        m_StandIn_Log(L"TimeStretch Enable %d window %s message 0x%X", on,
                      IsWindow(window) ? L"valid" : L"invalid", message);
        return S_OK;
    }

private:
    CTimeStretchStandIn() : CTransInPlaceFilter(L"TimeStretch", CLSID_TimeStretchFilter)
    {
        m_StandIn_ObjectBorn();
    }
    ~CTimeStretchStandIn() override
    {
        m_StandIn_Log(L"TimeStretch destroyed");
        m_StandIn_ObjectDied();
    }
    HRESULT Unused(int slot)
    {
        m_StandIn_Log(L"TimeStretch method %d", slot);
        return E_NOTIMPL;
    }

    volatile LONG m_SawAudio = 0;
};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*)
{
    if (reason == DLL_PROCESS_ATTACH) g_Module = instance;
    // An object still alive here would be called into freed code.
    if (reason == DLL_PROCESS_DETACH)
        m_StandIn_Log(L"TimeStretch module unloaded, %ld objects alive", m_StandIn_LiveObjects());
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    return m_StandIn_GetClassObject(clsid, CLSID_TimeStretchFilter, L"TimeStretch",
                                    &CTimeStretchStandIn::Create, iid, out);
}

STDAPI DllCanUnloadNow() { return m_StandIn_LiveObjects() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer()
{
    return m_StandIn_Register(g_Module, CLSID_TimeStretchFilter, L"Time Stretch Stand-in",
                              CLSID_LegacyAmFilterCategory, MERIT_DO_NOT_USE, nullptr);
}

STDAPI DllUnregisterServer()
{
    return m_StandIn_Unregister(CLSID_TimeStretchFilter, L"Time Stretch Stand-in",
                                CLSID_LegacyAmFilterCategory);
}
