#include "engine/GraphBuilderCB.h"
#include <new>
#include <oleauto.h>
#include "base/FileFacts.h"
#include "base/TextSearch.h"
#include "engine/DsLock.h"

namespace {

// The moniker's "FriendlyName" (bounded); 0 when it cannot be read.
int ReadFriendlyName(IMoniker* moniker, wchar_t* out, int size)
{
    IPropertyBag* bag = nullptr;
    HRESULT hr =
        moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, reinterpret_cast<void**>(&bag));
    if (FAILED(hr) || !bag) return 0;
    VARIANT value;
    VariantInit(&value);
    hr = bag->Read(L"FriendlyName", &value, nullptr);
    if (SUCCEEDED(hr) && value.vt == VT_BSTR) m_Ds_CopyText(out, size, value.bstrVal);
    VariantClear(&value);
    bag->Release();
    return 1;
}

}  // namespace

GraphBuilderCB* GraphBuilderCB::Create() { return new (std::nothrow) GraphBuilderCB(); }

GraphBuilderCB::GraphBuilderCB() : CUnknown(nullptr) {}

HRESULT STDMETHODCALLTYPE GraphBuilderCB::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IAMGraphBuilderCallback))
        return m_Ds_GetInterface(static_cast<IAMGraphBuilderCallback*>(this), out);
    return CUnknown::NonDelegatingQueryInterface(iid, out);
}

HRESULT STDMETHODCALLTYPE GraphBuilderCB::SelectedFilter(IMoniker* moniker)
{
    if (!moniker) return S_OK;
    wchar_t name[kFriendlyNameCap] = {};
    if (!ReadFriendlyName(moniker, name, kFriendlyNameCap)) return S_OK;
    return IsVetoed(name) ? static_cast<HRESULT>(0xFFFFFFFF) : S_OK;
}

HRESULT STDMETHODCALLTYPE GraphBuilderCB::CreatedFilter(IBaseFilter*) { return S_OK; }

void GraphBuilderCB::SetFilterList(const SFILTERITEM* items, int count, const wchar_t* mediaPath)
{
    m_FilterCount = 0;
    for (int i = 0; items && i < count && m_FilterCount < kFilterCap; i++)
        m_Filters[m_FilterCount++] = items[i];
    m_Ds_CopyText(m_MediaPath, 261, mediaPath);
}

int GraphBuilderCB::IsVetoed(const wchar_t* name) const
{
    if (!name) return 0;
    if (m_Stretch && _wcsicmp(name, L"Microsoft DTV-DVD Audio Decoder") == 0) return 1;
    if (m_Preview && m_StartsWith(name, L"DirectVobSub", false)) return 1;
    for (int i = 0; i < m_FilterCount; i++) {
        const SFILTERITEM& item = m_Filters[i];
        if (item.Enabled && item.Mode == 1 && _wcsicmp(item.Name, name) == 0 &&
            m_MatchFileFilter(m_MediaPath, item.Match, item.Pattern))
            return 1;
    }
    return 0;
}
