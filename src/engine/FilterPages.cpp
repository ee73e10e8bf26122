#include "engine/FilterPages.h"

#include <dshow.h>
#include <olectl.h>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/ExternalFilters.h"

namespace {

typedef HRESULT(STDAPICALLTYPE* PFNGETCLASSOBJECT)(REFCLSID, REFIID, void**);

IBaseFilter* m_CreateTimeStretch(HMODULE module)
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

void m_ShowPages(IBaseFilter* filter, ISpecifyPropertyPages* pages, const wchar_t* caption)
{
    CAUUID list = {};
    if (FAILED(pages->GetPages(&list))) return;
    IUnknown* object = filter;
    OleCreatePropertyFrame(nullptr, 0, 0, caption, 1, &object, list.cElems, list.pElems, 0, 0,
                           nullptr);
    CoTaskMemFree(list.pElems);
}

// The filter's pages under the module's file name; 1 also without pages.
int m_ShowFilterPages(IBaseFilter* filter, const wchar_t* modulePath)
{
    ISpecifyPropertyPages* pages = nullptr;
    if (FAILED(filter->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&pages))))
        return 1;
    const wchar_t* slash = wcsrchr(modulePath, L'\\');
    m_ShowPages(filter, pages, slash ? slash + 1 : modulePath);
    pages->Release();
    return 1;
}

}  // namespace

int m_ShowTimeStretchProperty(const wchar_t* modulePath)
{
    HMODULE module = LoadLibraryW(modulePath);
    if (!module) return 0;
    IBaseFilter* filter = m_CreateTimeStretch(module);
    int shown = 0;
    if (filter) {
        shown = m_ShowFilterPages(filter, modulePath);
        filter->Release();
    }
    // Only for the pages: the module is not kept loaded.
    FreeLibrary(module);
    return shown;
}
