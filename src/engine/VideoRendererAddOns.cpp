// Optional filters of a build: the time-stretch filter, the subtitle filter
// and the filters the user lists. An absent one leaves its step without
// effect.
#include "engine/VideoRenderer.h"

#include <wchar.h>

#include "base/ErrorLog.h"
#include "base/FileFacts.h"
#include "base/TextSearch.h"
#include "engine/ExternalFilters.h"
#include "engine/GraphUtil.h"
#include "settings/SettingsLists.h"

namespace {

// The entry applies to the file: enabled, of the mode and matching it.
bool m_EntryApplies(const SFILTERITEM& entry, int mode, const wchar_t* path)
{
    return entry.Enabled && entry.Mode == mode &&
           m_MatchFileFilter(path, entry.Match, entry.Pattern);
}

}  // namespace

void CVideoRenderer::m_AddTimeStretchFilter()
{
    IBaseFilter* filter = nullptr;
    m_hTimeStretchModule = LoadLibraryW(L"TimeStretchFilter.ax");
    if (m_hTimeStretchModule) {
        filter = m_CreateTimeStretchFromModule(m_hTimeStretchModule);
    } else if (FAILED(CoCreateInstance(CLSID_TimeStretchFilter, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IBaseFilter, reinterpret_cast<void**>(&filter)))) {
        filter = nullptr;
    }
    if (!filter) return;
    HRESULT hr = m_pGraph->AddFilter(filter, L"TimeStretchFilter");
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter(TimeStretchFilter) = 0x%08X",
                   __LINE__, hr);
        filter->Release();
        return;
    }
    m_pTimeStretchFilter = filter;
    ITimeStretchFilter* stretch = nullptr;
    hr = filter->QueryInterface(IID_ITimeStretchFilter, reinterpret_cast<void**>(&stretch));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / ITimeStretchFilter::QueryInterface() = 0x%08X", __LINE__, hr);
    } else {
        m_VR_Checked(stretch->Enable(1, m_hTimeStretchWindow, m_TimeStretchMessage), __LINE__,
                     L"ITimeStretchFilter::Enable()");
        stretch->Release();
    }
    m_TimeStretchInGraph = 1;
}

void CVideoRenderer::m_AddSubtitleFilter()
{
    for (int i = 0; i < m_FilterListCount; ++i) {
        const SFILTERITEM& entry = m_pFilterList[i];
        if (m_EntryApplies(entry, 1, m_MediaPath) &&
            m_StartsWith(entry.Name, L"DirectVobSub", true))
            return;  // the user blocks it for this file
    }
    HRESULT hr = CoCreateInstance(CLSID_VSFilter, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                  reinterpret_cast<void**>(&m_pSubtitleFilter));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(CLSID_VSFilter) = 0x%08X", __LINE__, hr);
        m_pSubtitleFilter = nullptr;
        return;
    }
    hr = m_pGraph->AddFilter(m_pSubtitleFilter, L"VSFilter");
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter(VSFilter) = 0x%08X", __LINE__, hr);
        m_VR_Release(m_pSubtitleFilter);
    }
}

// An earlier blocking entry of the same kind and name that matches the file.
bool CVideoRenderer::m_IsBlockedEarlier(int index) const
{
    const SFILTERITEM& entry = m_pFilterList[index];
    for (int i = 0; i < index; ++i) {
        const SFILTERITEM& block = m_pFilterList[i];
        if (block.Kind == entry.Kind && wcscmp(block.Name, entry.Name) == 0 &&
            m_EntryApplies(block, 1, m_MediaPath))
            return true;
    }
    return false;
}

void CVideoRenderer::m_AddUserFilter(const SFILTERITEM& entry)
{
    CLSID clsid;
    if (FAILED(CLSIDFromString(entry.Clsid, &clsid))) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance() = 0x%08X / %s %s", __LINE__,
                   CO_E_CLASSSTRING, entry.Name, entry.Clsid);
        return;
    }
    IBaseFilter* filter = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                  reinterpret_cast<void**>(&filter));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance() = 0x%08X / %s %s", __LINE__, hr, entry.Name,
                   entry.Clsid);
        return;
    }
    hr = m_pGraph->AddFilter(filter, entry.Name);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddFilter() = 0x%08X / %s %s", __LINE__, hr,
                   entry.Name, entry.Clsid);
        filter->Release();
        return;
    }
    m_pUserFilters[m_UserFilterCount++] = filter;
}

void CVideoRenderer::m_AddUserFilters()
{
    for (int i = 0; i < m_FilterListCount && m_UserFilterCount < kVrUserFilterCap; ++i) {
        const SFILTERITEM& entry = m_pFilterList[i];
        if (entry.Kind != 0 || !m_EntryApplies(entry, 0, m_MediaPath) || m_IsBlockedEarlier(i))
            continue;
        m_AddUserFilter(entry);
    }
}
