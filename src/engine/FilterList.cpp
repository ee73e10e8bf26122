#include "engine/FilterList.h"

#include <dshow.h>
#include <olectl.h>
#include <string.h>
#include <wchar.h>

namespace {

// The text of a property of a moniker's bag, bounded by cap; "" without.
void m_ReadProperty(IPropertyBag* bag, const wchar_t* name, wchar_t* out, int cap)
{
    out[0] = L'\0';
    VARIANT value;
    VariantInit(&value);
    if (SUCCEEDED(bag->Read(name, &value, nullptr)) && value.vt == VT_BSTR && value.bstrVal) {
        wcsncpy(out, value.bstrVal, static_cast<size_t>(cap) - 1);
        out[cap - 1] = L'\0';
    }
    VariantClear(&value);
}

IEnumMoniker* m_EnumCategory()
{
    ICreateDevEnum* devices = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                                IID_ICreateDevEnum, reinterpret_cast<void**>(&devices))))
        return nullptr;
    IEnumMoniker* monikers = nullptr;
    if (devices->CreateClassEnumerator(CLSID_LegacyAmFilterCategory, &monikers, 0) != S_OK)
        monikers = nullptr;
    devices->Release();
    return monikers;
}

void m_ReadNames(IMoniker* moniker, SFILTERLISTITEM* item)
{
    memset(item, 0, sizeof(*item));
    IPropertyBag* bag = nullptr;
    if (FAILED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                      reinterpret_cast<void**>(&bag))))
        return;
    m_ReadProperty(bag, L"FriendlyName", item->Name, 128);
    m_ReadProperty(bag, L"CLSID", item->Clsid, 64);
    bag->Release();
}

// The registered filter of the item's name and CLSID text, bound; or null.
IBaseFilter* m_BindRegistered(const SFILTERLISTITEM* item)
{
    IEnumMoniker* monikers = m_EnumCategory();
    if (!monikers) return nullptr;
    IBaseFilter* filter = nullptr;
    IMoniker* moniker = nullptr;
    while (!filter && monikers->Next(1, &moniker, nullptr) == S_OK) {
        SFILTERLISTITEM names;
        m_ReadNames(moniker, &names);
        if (wcscmp(names.Name, item->Name) == 0 && wcscmp(names.Clsid, item->Clsid) == 0 &&
            FAILED(moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                         reinterpret_cast<void**>(&filter))))
            filter = nullptr;
        moniker->Release();
    }
    monikers->Release();
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

ISpecifyPropertyPages* m_Pages(IBaseFilter* filter)
{
    ISpecifyPropertyPages* pages = nullptr;
    if (FAILED(filter->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(&pages))))
        return nullptr;
    return pages;
}

}  // namespace

int m_EnumRegisteredFilters(SFILTERLISTITEM* items, int max)
{
    IEnumMoniker* monikers = m_EnumCategory();
    if (!monikers) return 0;
    int count = 0;
    IMoniker* moniker = nullptr;
    while (monikers->Next(1, &moniker, nullptr) == S_OK) {
        if (items && count < max) m_ReadNames(moniker, &items[count]);
        ++count;
        moniker->Release();
    }
    monikers->Release();
    return items && count > max ? max : count;
}

int m_ShowFilterProperty(const SFILTERLISTITEM* item, int testOnly)
{
    IBaseFilter* filter = m_BindRegistered(item);
    if (!filter) return 0;
    ISpecifyPropertyPages* pages = m_Pages(filter);
    int result = 1;
    if (testOnly)
        result = pages ? 1 : 0;
    else if (pages)
        m_ShowPages(filter, pages, item->Name);
    if (pages) pages->Release();
    filter->Release();
    return result;
}

int m_ShowFilterPropertyPage(IBaseFilter* filter, int testOnly)
{
    ISpecifyPropertyPages* pages = filter ? m_Pages(filter) : nullptr;
    if (!pages) return 0;
    if (!testOnly) {
        FILTER_INFO info = {};
        if (SUCCEEDED(filter->QueryFilterInfo(&info)) && info.pGraph) info.pGraph->Release();
        m_ShowPages(filter, pages, info.achName);
    }
    pages->Release();
    return 1;
}

void m_FilterItem_Init(SFILTERLISTITEM* item, const SFILTERITEM* entry, int probe)
{
    memset(item, 0, sizeof(*item));
    wcsncpy(item->Name, entry->Name, 127);
    wcsncpy(item->Clsid, entry->Clsid, 63);
    if (probe) item->HasPropertyPage = m_ShowFilterProperty(item, 1) == 1 ? 1 : -1;
}

int m_ListGraphFilters(IFilterGraph* graph, SFILTERLISTITEM* items, int max)
{
    IEnumFilters* filters = nullptr;
    if (!graph || FAILED(graph->EnumFilters(&filters))) return 0;
    int count = 0;
    IBaseFilter* filter = nullptr;
    while (filters->Next(1, &filter, nullptr) == S_OK) {
        if (items && count < max) {
            SFILTERLISTITEM& item = items[count];
            memset(&item, 0, sizeof(item));
            FILTER_INFO info = {};
            if (SUCCEEDED(filter->QueryFilterInfo(&info))) {
                wcsncpy(item.Name, info.achName, 127);
                if (info.pGraph) info.pGraph->Release();
            }
            item.HasPropertyPage = m_ShowFilterPropertyPage(filter, 1) ? 1 : -1;
            item.Filter = filter;
            filter->AddRef();
        }
        ++count;
        filter->Release();
    }
    filters->Release();
    return count;
}
