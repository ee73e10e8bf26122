// Host commands that ask the graph's source filter itself, beside the
// engine's tables:
//   sourceinfo             "sourceinfo n=N", then "sstream I flags=F lcid=L group=G kind=K
//   name=[...]" sourceenable I FLAGS   "sourceenable hr=0x..." sourcemarker           "sourcemarker
//   hr=0x... current=C caps=X"
#include <stdlib.h>

#include "EngineHost.h"
#include "engine/DsMediaType.h"
#include "engine/SourceInterfaces.h"
#include "engine/VideoRenderer.h"

namespace {

// {E487EB08-6B26-4BE9-9DD3-993434D313FD}
constexpr GUID kSubtitleType = {
    0xE487EB08, 0x6B26, 0x4BE9, {0x9D, 0xD3, 0x99, 0x34, 0x34, 0xD3, 0x13, 0xFD}};

template <class TInterface>
TInterface* m_SourceInterface(REFIID iid)
{
    IGraphBuilder* graph = g_Host.engine->m_GetGraph();
    IBaseFilter* source = nullptr;
    if (!graph || FAILED(graph->FindFilterByName(L"SourceFilter", &source))) return nullptr;
    TInterface* out = nullptr;
    if (FAILED(source->QueryInterface(iid, reinterpret_cast<void**>(&out)))) out = nullptr;
    source->Release();
    return out;
}

const wchar_t* m_KindName(const AM_MEDIA_TYPE* type)
{
    if (!type) return L"none";
    if (IsEqualGUID(type->majortype, MEDIATYPE_Video)) return L"video";
    if (IsEqualGUID(type->majortype, MEDIATYPE_Audio)) return L"audio";
    if (IsEqualGUID(type->majortype, kSubtitleType)) return L"subtitle";
    return L"other";
}

void m_SourceInfo()
{
    IAMStreamSelect* select = m_SourceInterface<IAMStreamSelect>(IID_IAMStreamSelect);
    DWORD count = 0;
    if (!select || FAILED(select->Count(&count))) {
        m_Host_Print(L"sourceinfo none");
        if (select) select->Release();
        return;
    }
    m_Host_Print(L"sourceinfo n=%lu", count);
    for (DWORD i = 0; i < count; ++i) {
        AM_MEDIA_TYPE* type = nullptr;
        DWORD flags = 0, group = 0;
        LCID lcid = 0;
        WCHAR* name = nullptr;
        HRESULT hr = select->Info(static_cast<LONG>(i), &type, &flags, &lcid, &group, &name,
                                  nullptr, nullptr);
        m_Host_Print(L"sstream %lu hr=0x%08X flags=%lu lcid=%lu group=%lu kind=%ls name=[%ls]", i,
                     static_cast<unsigned>(hr), flags, lcid, group, m_KindName(type),
                     name ? name : L"");
        if (type) m_Ds_DeleteMediaType(type);
        CoTaskMemFree(name);
    }
    select->Release();
}

void m_SourceEnable(const std::vector<std::wstring>& a)
{
    IAMStreamSelect* select = m_SourceInterface<IAMStreamSelect>(IID_IAMStreamSelect);
    const long index = a.size() > 0 ? wcstol(a[0].c_str(), nullptr, 10) : 0;
    const DWORD flags = a.size() > 1 ? wcstoul(a[1].c_str(), nullptr, 10) : 1;
    HRESULT hr = select ? select->Enable(index, flags) : E_NOINTERFACE;
    if (select) select->Release();
    m_Host_Print(L"sourceenable hr=0x%08X", static_cast<unsigned>(hr));
}

void m_SourceMarker()
{
    IAMExtendedSeeking* seeking = m_SourceInterface<IAMExtendedSeeking>(IID_IAMExtendedSeeking);
    long current = -1, caps = -1;
    HRESULT hr = seeking ? seeking->get_CurrentMarker(&current) : E_NOINTERFACE;
    if (seeking) {
        seeking->get_ExSeekCapabilities(&caps);
        seeking->Release();
    }
    m_Host_Print(L"sourcemarker hr=0x%08X current=%ld caps=%ld", static_cast<unsigned>(hr), current,
                 caps);
}

}  // namespace

int m_Host_SourceCommand(const std::wstring& name, const std::vector<std::wstring>& args)
{
    if (name == L"sourceinfo")
        m_SourceInfo();
    else if (name == L"sourceenable")
        m_SourceEnable(args);
    else if (name == L"sourcemarker")
        m_SourceMarker();
    else
        return 0;
    return 1;
}
