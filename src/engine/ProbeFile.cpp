#include "engine/ProbeFile.h"

#include <dshow.h>

#include "base/ErrorLog.h"
#include "engine/MarkerChapters.h"

namespace {

LONGLONG m_ReadDuration(IGraphBuilder* graph)
{
    IMediaSeeking* seeking = nullptr;
    HRESULT hr = graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::QueryInterface(IID_IMediaSeeking) = 0x%08X",
                   __LINE__, hr);
        return 0;
    }
    if (seeking->IsUsingTimeFormat(&TIME_FORMAT_MEDIA_TIME) != S_OK)
        seeking->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    LONGLONG duration = 0;
    if (FAILED(seeking->GetDuration(&duration)) || duration < 0) duration = 0;
    seeking->Release();
    return duration;
}

LONGLONG m_SeekingDuration(IUnknown* object)
{
    IMediaSeeking* seeking = nullptr;
    LONGLONG duration = 0;
    if (FAILED(object->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking))))
        return 0;
    if (FAILED(seeking->GetDuration(&duration)) || duration < 0) duration = 0;
    seeking->Release();
    return duration;
}

// The graph asks only its renderers, and nothing is rendered here: the
// source itself, or its first output pin that knows, gives the duration.
LONGLONG m_SourceDuration(IBaseFilter* source)
{
    LONGLONG duration = m_SeekingDuration(source);
    IEnumPins* pins = nullptr;
    if (duration || FAILED(source->EnumPins(&pins)) || !pins) return duration;
    IPin* pin = nullptr;
    while (!duration && pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION direction;
        if (SUCCEEDED(pin->QueryDirection(&direction)) && direction == PINDIR_OUTPUT)
            duration = m_SeekingDuration(pin);
        pin->Release();
    }
    pins->Release();
    return duration;
}

// A plain file source (a WAV, under Wine every file the async reader takes)
// knows no length of its own: its first output pin is rendered, so that the
// splitter joins and the graph can tell the length. The graph never runs.
LONGLONG m_RenderedDuration(IGraphBuilder* graph, IBaseFilter* source)
{
    IEnumPins* pins = nullptr;
    if (FAILED(source->EnumPins(&pins)) || !pins) return 0;
    IPin* pin = nullptr;
    LONGLONG duration = 0;
    while (!duration && pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION direction;
        if (SUCCEEDED(pin->QueryDirection(&direction)) && direction == PINDIR_OUTPUT &&
            SUCCEEDED(graph->Render(pin)))
            duration = m_ReadDuration(graph);
        pin->Release();
    }
    pins->Release();
    return duration;
}

}  // namespace

HRESULT m_VR_ProbeFile(const wchar_t* path, LONGLONG* duration, int* count, SCHAPTERITEM** chapters)
{
    if (duration) *duration = 0;
    if (count) *count = 0;
    if (chapters) *chapters = nullptr;
    IGraphBuilder* graph = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IGraphBuilder, reinterpret_cast<void**>(&graph));
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / CoCreateInstance(IID_IGraphBuilder) = 0x%08X", __LINE__, hr);
        return hr;
    }
    IBaseFilter* source = nullptr;
    hr = graph->AddSourceFilter(path, nullptr, &source);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IGraphBuilder::AddSourceFilter = 0x%08X", __LINE__, hr);
        graph->Release();
        return hr;
    }
    LONGLONG length = m_ReadDuration(graph);
    if (!length) length = m_SourceDuration(source);
    if (!length) length = m_RenderedDuration(graph, source);
    if (count && chapters) {
        hr = m_Chapters_ReadFromSource(source, length / 1e7, chapters, count);
    }
    if (duration) *duration = length;
    source->Release();
    graph->Release();
    return hr;
}
