// The plainest DirectShow player of a file, the baseline of bench_open:
// RenderFile, Run, and the time until the graph has shown its first frame;
// then seeks while running and the time until each one's frame is shown.
// A running graph is sought while stopped (Stop, SetPositions, Run), the
// one way that is safe on every platform. Prints
//   bare open_ms=<ms> seek_ms=<ms> hr=0x<hr>
// and with "-chain" the filters that RenderFile connected.
#include <windows.h>
#include <dshow.h>

#include <stdio.h>
#include <wchar.h>

#include <algorithm>

namespace {

double m_Ms(const LARGE_INTEGER& from)
{
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return (now.QuadPart - from.QuadPart) * 1000.0 / freq.QuadPart;
}

void m_PrintFilters(IGraphBuilder* graph)
{
    IEnumFilters* filters = nullptr;
    if (FAILED(graph->EnumFilters(&filters))) return;
    IBaseFilter* filter = nullptr;
    while (filters->Next(1, &filter, nullptr) == S_OK) {
        FILTER_INFO info = {};
        if (SUCCEEDED(filter->QueryFilterInfo(&info))) {
            wprintf(L"filter %ls\n", info.achName);
            if (info.pGraph) info.pGraph->Release();
        }
        filter->Release();
    }
    filters->Release();
}

// Waits until the graph's state change has completed: every renderer then
// holds its first sample.
HRESULT m_WaitCued(IMediaControl* control)
{
    OAFilterState state;
    return control->GetState(INFINITE, &state);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return 2;
    const bool chain = argc > 2 && wcscmp(argv[2], L"-chain") == 0;
    if (FAILED(CoInitialize(nullptr))) return 2;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    IGraphBuilder* graph = nullptr;
    IMediaControl* control = nullptr;
    IMediaSeeking* seeking = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IGraphBuilder, reinterpret_cast<void**>(&graph));
    if (SUCCEEDED(hr))
        hr = graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
    if (SUCCEEDED(hr))
        hr = graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking));
    if (SUCCEEDED(hr)) hr = graph->RenderFile(argv[1], nullptr);
    const double renderMs = m_Ms(start);
    if (SUCCEEDED(hr)) hr = control->Run();
    if (SUCCEEDED(hr)) hr = m_WaitCued(control);
    const double openMs = m_Ms(start);
    // Seeks to these positions; the median counts.
    static const LONGLONG kTargets[] = {30000000, 60000000, 10000000, 80000000,
                                        20000000, 50000000, 40000000};
    double seeks[7] = {};
    int done = 0;
    for (; SUCCEEDED(hr) && done < 7; ++done) {
        Sleep(300);
        LARGE_INTEGER seekStart;
        QueryPerformanceCounter(&seekStart);
        control->Stop();
        LONGLONG at = kTargets[done];
        hr = seeking->SetPositions(&at, AM_SEEKING_AbsolutePositioning, nullptr,
                                   AM_SEEKING_NoPositioning);
        if (SUCCEEDED(hr)) hr = control->Run();
        if (SUCCEEDED(hr)) hr = m_WaitCued(control);
        seeks[done] = m_Ms(seekStart);
    }
    std::sort(seeks, seeks + done);
    const double seekMs = done ? seeks[done / 2] : 0;
    if (chain && graph) m_PrintFilters(graph);
    wprintf(L"bare open_ms=%.1f seek_ms=%.1f hr=0x%08X render_ms=%.1f\n", openMs, seekMs,
            static_cast<unsigned>(hr), renderMs);
    fflush(stdout);
    if (control) control->Stop();
    if (seeking) seeking->Release();
    if (control) control->Release();
    if (graph) graph->Release();
    CoUninitialize();
    return SUCCEEDED(hr) ? 0 : 1;
}
