#include "StandInServer.h"
#include <new>
#include <strsafe.h>
#include "StandInLog.h"

namespace {

volatile LONG g_LiveObjects = 0;

class CFactory : public IClassFactory {
public:
    CFactory(const wchar_t* name, StandInCreate create) : m_Name(name), m_Create(create) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory))
            return E_NOINTERFACE;
        *out = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_Ref); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        LONG left = InterlockedDecrement(&m_Ref);
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        m_StandIn_Log(L"Create %s", m_Name);
        IUnknown* object = m_Create();
        if (!object) return E_OUTOFMEMORY;
        HRESULT hr = object->QueryInterface(iid, out);
        object->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    virtual ~CFactory() = default;
    volatile LONG m_Ref = 1;
    const wchar_t* m_Name;
    StandInCreate m_Create;
};

void ClsidText(REFCLSID clsid, wchar_t* out, int size)
{
    if (StringFromGUID2(clsid, out, size) == 0 && size > 0) out[0] = 0;
}

LONG SetValue(HKEY root, const wchar_t* key, const wchar_t* name, const wchar_t* value)
{
    HKEY handle = nullptr;
    LONG rc = RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    rc = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                        static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return rc;
}

// The filter mapper, with COM initialised for the caller's thread when
// regsvr32 has not done it.
template <class TCall>
HRESULT WithMapper(TCall call)
{
    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IFilterMapper2* mapper = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IFilterMapper2, reinterpret_cast<void**>(&mapper));
    if (SUCCEEDED(hr)) {
        hr = call(mapper);
        mapper->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return hr;
}

}  // namespace

HRESULT m_StandIn_GetClassObject(REFCLSID asked, REFCLSID own, const wchar_t* name,
                                 StandInCreate create, REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    *out = nullptr;
    m_StandIn_Log(L"DllGetClassObject %s", name);
    if (!IsEqualCLSID(asked, own)) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) CFactory(name, create);
    if (!factory) return E_OUTOFMEMORY;
    HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

void m_StandIn_ObjectBorn() { InterlockedIncrement(&g_LiveObjects); }

void m_StandIn_ObjectDied() { InterlockedDecrement(&g_LiveObjects); }

LONG m_StandIn_LiveObjects() { return g_LiveObjects; }

HRESULT m_StandIn_Register(HMODULE module, REFCLSID clsid, const wchar_t* name,
                           const CLSID& category, DWORD merit, const REGFILTER2* info)
{
    wchar_t path[MAX_PATH], guid[64], key[128];
    if (!GetModuleFileNameW(module, path, MAX_PATH)) return HRESULT_FROM_WIN32(GetLastError());
    ClsidText(clsid, guid, 64);
    StringCchPrintfW(key, 128, L"CLSID\\%s", guid);
    LONG rc = SetValue(HKEY_CLASSES_ROOT, key, nullptr, name);
    StringCchCatW(key, 128, L"\\InprocServer32");
    if (rc == ERROR_SUCCESS) rc = SetValue(HKEY_CLASSES_ROOT, key, nullptr, path);
    if (rc == ERROR_SUCCESS) rc = SetValue(HKEY_CLASSES_ROOT, key, L"ThreadingModel", L"Both");
    if (rc != ERROR_SUCCESS) return HRESULT_FROM_WIN32(rc);
    REGFILTER2 plain = {};
    plain.dwVersion = 1;
    plain.dwMerit = merit;
    return WithMapper([&](IFilterMapper2* mapper) {
        return mapper->RegisterFilter(clsid, name, nullptr, &category, name, info ? info : &plain);
    });
}

HRESULT m_StandIn_Unregister(REFCLSID clsid, const wchar_t* name, const CLSID& category)
{
    HRESULT hr = WithMapper(
        [&](IFilterMapper2* mapper) { return mapper->UnregisterFilter(&category, name, clsid); });
    wchar_t guid[64], key[128];
    ClsidText(clsid, guid, 64);
    StringCchPrintfW(key, 128, L"CLSID\\%s", guid);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    return hr;
}
