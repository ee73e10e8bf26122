#include "engine/MarkerChapters.h"

#include <new>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/SourceInterfaces.h"

namespace {

long m_MarkerCount(IAMExtendedSeeking* seeking)
{
    long count = 0;
    HRESULT hr = seeking->get_MarkerCount(&count);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IAMExtendedSeeking::get_MarkerCount() = 0x%08X", __LINE__, hr);
        return 0;
    }
    return count > 0 ? count : 0;
}

void m_ReadMarker(IAMExtendedSeeking* seeking, long marker, SCHAPTERITEM* item)
{
    HRESULT hr = seeking->GetMarkerTime(marker, &item->Start);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IAMExtendedSeeking::GetMarkerTime() = 0x%08X", __LINE__, hr);
        item->Start = 0.0;
    }
    BSTR name = nullptr;
    hr = seeking->GetMarkerName(marker, &name);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IAMExtendedSeeking::GetMarkerName() = 0x%08X", __LINE__, hr);
        name = nullptr;
    }
    if (name) swprintf(item->Name, kChapterNameCap, L"%ls", name);
    SysFreeString(name);
}

// The markers in order into items, which has room for count + 1.
void m_ReadMarkers(IAMExtendedSeeking* seeking, long count, SCHAPTERITEM* items)
{
    for (long k = 1; k <= count; ++k) m_ReadMarker(seeking, k, &items[k - 1]);
}

}  // namespace

HRESULT m_Chapters_ReadFromSource(IUnknown* source, double duration, SCHAPTERITEM** items,
                                  int* count)
{
    *items = nullptr;
    *count = 0;
    IAMExtendedSeeking* seeking = nullptr;
    HRESULT hr =
        source ? source->QueryInterface(IID_IAMExtendedSeeking, reinterpret_cast<void**>(&seeking))
               : E_NOINTERFACE;
    if (FAILED(hr)) {
        if (hr != E_NOINTERFACE)
            m_WriteLog(
                L"VR_%d : Error / IGraphBuilder::QueryInterface(IID_IAMExtendedSeeking) = "
                L"0x%08X",
                __LINE__, hr);
        seeking = nullptr;
    }
    long markers = seeking ? m_MarkerCount(seeking) : 0;
    // Room for the chapter at 0 put in front of late markers.
    SCHAPTERITEM* list = new (std::nothrow) SCHAPTERITEM[static_cast<size_t>(markers) + 1]();
    if (!list) {
        if (seeking) seeking->Release();
        return E_OUTOFMEMORY;
    }
    if (seeking) {
        m_ReadMarkers(seeking, markers, list);
        seeking->Release();
    }
    *count = m_Chapters_StartAtZero(list, static_cast<int>(markers));
    m_Chapters_FillLengths(list, *count, duration);
    *items = list;
    return S_OK;
}
