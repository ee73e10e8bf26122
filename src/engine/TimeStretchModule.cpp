#include "engine/ExternalFilters.h"

#include "base/ErrorLog.h"

namespace {

typedef HRESULT(STDAPICALLTYPE* PFNGETCLASSOBJECT)(REFCLSID, REFIID, void**);

}  // namespace

IBaseFilter* m_CreateTimeStretchFromModule(HMODULE module)
{
    auto getClassObject = reinterpret_cast<PFNGETCLASSOBJECT>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    if (!getClassObject) return nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = getClassObject(CLSID_TimeStretchFilter, IID_IClassFactory,
                                reinterpret_cast<void**>(&factory));
    if (FAILED(hr) || !factory) {
        m_WriteLog(L"VR_%d : Error / DllGetClassObject(IID_IClassFactory) = 0x%08X", __LINE__, hr);
        return nullptr;
    }
    IBaseFilter* filter = nullptr;
    hr = factory->CreateInstance(nullptr, IID_IBaseFilter, reinterpret_cast<void**>(&filter));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IID_IClassFactory::CreateInstance() = 0x%08X", __LINE__, hr);
        filter = nullptr;
    }
    factory->Release();
    return filter;
}
