#include "engine/FilterPages.h"

#include <dshow.h>
#include <olectl.h>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/ExternalFilters.h"

namespace {

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
    IBaseFilter* filter = m_CreateTimeStretchFromModule(module);
    int shown = 0;
    if (filter) {
        shown = m_ShowFilterPages(filter, modulePath);
        filter->Release();
    }
    // Only for the pages: the module is not kept loaded.
    FreeLibrary(module);
    return shown;
}
