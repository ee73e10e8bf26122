// The engine host's commands: each calls the engine and prints its result.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <stdlib.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "EngineHost.h"
#include "engine/VideoRenderer.h"
#include "playback/PlaybackControl.h"

namespace {

typedef std::vector<std::wstring> Args;

long m_Num(const Args& a, size_t i, long fallback = 0)
{
    return i < a.size() ? wcstol(a[i].c_str(), nullptr, 10) : fallback;
}

CVideoRenderer* E() { return g_Host.engine; }

unsigned m_Hr(HRESULT hr) { return static_cast<unsigned>(hr); }

void m_Open(const Args& a)
{
    int kind = 4, flags = 15, full = 0, stretch = 0;
    std::wstring device, path;
    size_t i = 0;
    for (; i < a.size(); ++i) {
        const std::wstring& w = a[i];
        if (w.rfind(L"kind=", 0) == 0)
            kind = _wtoi(w.c_str() + 5);
        else if (w.rfind(L"flags=", 0) == 0)
            flags = _wtoi(w.c_str() + 6);
        else if (w.rfind(L"dev=", 0) == 0)
            device = w.substr(4);
        else if (w.rfind(L"full=", 0) == 0)
            full = _wtoi(w.c_str() + 5);
        else if (w.rfind(L"stretch=", 0) == 0)
            stretch = _wtoi(w.c_str() + 8);
        else
            break;
    }
    for (; i < a.size(); ++i) path += (path.empty() ? L"" : L" ") + a[i];
    for (wchar_t& c : device) c = c == L'+' ? L' ' : c;  // blanks in names are written "+"
    E()->m_SetFullDeviceNames(full);
    E()->m_VR_SetTimeStretch(stretch);
    const double t0 = m_Host_Now();
    HRESULT hr = E()->m_VR_Open(path.c_str(), kind, device.c_str(), flags);
    m_Host_Print(
        L"open hr=0x%08X opened=%d kind=%d state=%lu dev=[%s] duration=%lld frametime=%.6f "
        L"notify=%d ms=%.0f",
        m_Hr(hr), E()->m_IsOpened(), E()->m_GetRendererKind(), E()->m_VR_GetState(),
        E()->m_GetAudioDeviceName(), E()->m_GetDuration(), E()->m_GetFrameTime(),
        E()->m_VR_HasNotifyFilter(), m_Host_Now() - t0);
}

std::wstring m_FilterName(IBaseFilter* filter)
{
    FILTER_INFO info = {};
    if (FAILED(filter->QueryFilterInfo(&info))) return L"?";
    if (info.pGraph) info.pGraph->Release();
    return info.achName;
}

// The filter downstream of each connected output pin.
std::vector<IBaseFilter*> m_Downstream(IBaseFilter* filter)
{
    std::vector<IBaseFilter*> next;
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins)) || !pins) return next;
    IPin* pin = nullptr;
    while (pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION d;
        IPin* to = nullptr;
        if (SUCCEEDED(pin->QueryDirection(&d)) && d == PINDIR_OUTPUT &&
            SUCCEEDED(pin->ConnectedTo(&to)) && to) {
            PIN_INFO info = {};
            if (SUCCEEDED(to->QueryPinInfo(&info)) && info.pFilter) next.push_back(info.pFilter);
            to->Release();
        }
        pin->Release();
    }
    pins->Release();
    return next;
}

void m_PrintChains(IBaseFilter* filter, const std::wstring& prefix)
{
    std::wstring here = prefix + m_FilterName(filter);
    std::vector<IBaseFilter*> next = m_Downstream(filter);
    if (next.empty()) m_Host_Print(L"chain %s", here.c_str());
    for (IBaseFilter* f : next) {
        m_PrintChains(f, here + L" > ");
        f->Release();
    }
}

void m_Filters(bool chains)
{
    IGraphBuilder* graph = E()->m_GetGraph();
    if (!graph) {
        m_Host_Print(chains ? L"chain none" : L"filters none");
        return;
    }
    IEnumFilters* filters = nullptr;
    if (FAILED(graph->EnumFilters(&filters))) return;
    std::wstring all;
    IBaseFilter* filter = nullptr;
    while (filters->Next(1, &filter, nullptr) == S_OK) {
        std::wstring name = m_FilterName(filter);
        all += (all.empty() ? L"" : L"|") + name;
        if (chains && name == L"SourceFilter") m_PrintChains(filter, L"");
        filter->Release();
    }
    filters->Release();
    if (!chains) m_Host_Print(L"filters %s", all.c_str());
}

// Wine answers 0 for GetProcessHandleCount and PrivateUsage: then the
// handles are counted by probing the handle table, and the pagefile usage
// (the committed private memory) stands in for the private bytes.
typedef LONG(WINAPI* PFNQUERYOBJECT)(HANDLE, int, void*, ULONG, ULONG*);

// 1 when the handle is a registry key.
bool m_IsKeyHandle(PFNQUERYOBJECT query, HANDLE handle)
{
    alignas(8) BYTE buffer[512];
    ULONG size = 0;
    if (!query || query(handle, 2 /* ObjectTypeInformation */, buffer, sizeof(buffer), &size) != 0)
        return false;
    const UNICODE_STRING* name = reinterpret_cast<UNICODE_STRING*>(buffer);
    return name->Length == 6 && wcsncmp(name->Buffer, L"Key", 3) == 0;
}

// The process's handles (and how many are registry keys) and private
// bytes. Wine answers 0 for GetProcessHandleCount and PrivateUsage: the
// handle table is then probed, and the pagefile usage (the committed
// private memory) stands in for the private bytes.
void m_Mem()
{
    auto query = reinterpret_cast<PFNQUERYOBJECT>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
    DWORD handles = 0, probed = 0, keys = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    for (ULONG_PTR h = 4; h < 0x40000; h += 4) {
        DWORD flags;
        if (!GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) continue;
        ++probed;
        if (m_IsKeyHandle(query, reinterpret_cast<HANDLE>(h))) ++keys;
    }
    if (handles == 0) handles = probed;
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof(counters));
    SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    m_Host_Print(L"mem handles=%lu keys=%lu private=%llu", handles, keys,
                 static_cast<unsigned long long>(privateBytes));
}

void m_Wait(const Args& a)
{
    static const wchar_t* const kNames[HOST_EVENT_COUNT] = {L"frameshown", L"stopreached",
                                                            L"graphbuilt", L"complete", L"chapter"};
    int kind = -1;
    for (int k = 0; k < HOST_EVENT_COUNT; ++k)
        if (!a.empty() && a[0] == kNames[k]) kind = k;
    if (kind < 0) {
        m_Host_Print(L"wait unknown");
        return;
    }
    const double t0 = m_Host_Now();
    const double timeout = m_Num(a, 1, 10000);
    while (g_Host.events[kind] <= g_Host.consumed[kind] && m_Host_Now() - t0 < timeout)
        m_Host_Pump(5);
    if (g_Host.events[kind] > g_Host.consumed[kind]) {
        g_Host.consumed[kind] = g_Host.events[kind];
        m_Host_Print(L"wait %s ok ms=%.0f", kNames[kind], m_Host_Now() - t0);
    } else {
        m_Host_Print(L"wait %s timeout", kNames[kind]);
    }
}

void m_AudioDevices()
{
    wchar_t* names[kVrAudioRendererCap] = {};
    int n = m_VR_EnumAudioRenderers(names);
    for (int i = 0; i < n; ++i) {
        m_Host_Print(L"audiodev %s", names[i]);
        delete[] names[i];
    }
    m_Host_Print(L"audiodevs %d", n);
}

void m_SwitchAudio(const Args& a)
{
    std::wstring name;
    for (const std::wstring& w : a) name += (name.empty() ? L"" : L" ") + w;
    wcsncpy_s(g_AudioDeviceName, name.c_str(), _TRUNCATE);
    HRESULT hr = E()->m_VR_SwitchAudioRenderer();
    m_Host_Print(L"switchaudio hr=0x%08X dev=[%s] renderer=%d", m_Hr(hr),
                 E()->m_GetAudioDeviceName(), E()->m_GetAudioRenderer() ? 1 : 0);
}

void m_Position()
{
    LONGLONG position = 0, frame = -1;
    E()->m_VR_GetCurrentPosition(&position, 1);
    E()->m_VR_GetFrameNumber(&frame);
    m_Host_Print(L"pos ms=%lld frame=%lld", position / 10000, frame);
}

void m_Simple(const std::wstring& name, HRESULT hr)
{
    m_Host_Print(L"%s hr=0x%08X state=%lu rate=%d", name.c_str(), m_Hr(hr), E()->m_VR_GetState(),
                 E()->m_VR_GetRate());
}

// The plainest program's cycle on the file, to compare what Wine's own
// DirectShow keeps per graph: RenderFile, run, a seek while stopped, pause,
// stop and release.
void m_BareCycle(const Args& a)
{
    std::wstring path;
    for (const std::wstring& w : a) path += (path.empty() ? L"" : L" ") + w;
    IGraphBuilder* graph = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IGraphBuilder, reinterpret_cast<void**>(&graph));
    if (FAILED(hr)) return;
    IMediaControl* control = nullptr;
    IMediaSeeking* seeking = nullptr;
    graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control));
    graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking));
    hr = graph->RenderFile(path.c_str(), nullptr);
    if (SUCCEEDED(hr) && control && seeking) {
        OAFilterState state;
        control->Run();
        m_Host_Pump(300);
        control->Stop();
        LONGLONG at = 30000000;
        seeking->SetPositions(&at, AM_SEEKING_AbsolutePositioning, nullptr,
                              AM_SEEKING_NoPositioning);
        control->Pause();
        control->GetState(5000, &state);
        control->Stop();
    }
    if (seeking) seeking->Release();
    if (control) control->Release();
    graph->Release();
    m_Host_Print(L"barecycle hr=0x%08X", m_Hr(hr));
}

}  // namespace

int m_Host_RunCommand(const std::wstring& name, const Args& a)
{
    CVideoRenderer* e = E();
    if (name == L"barecycle") {
        m_BareCycle(a);
    } else if (name == L"open") {
        m_Open(a);
    } else if (name == L"openasync") {
        std::wstring path;
        for (const std::wstring& w : a) path += (path.empty() ? L"" : L" ") + w;
        HANDLE thread = e->m_VR_OpenAsync(path.c_str());
        m_Host_Print(L"openasync thread=%d", thread ? 1 : 0);
        if (thread) CloseHandle(thread);
    } else if (name == L"close") {
        m_Simple(name, e->m_VR_Close());
    } else if (name == L"run") {
        m_Simple(name, e->m_VR_Run());
    } else if (name == L"pause") {
        m_Simple(name, e->m_VR_Pause());
    } else if (name == L"stopready") {
        m_Simple(name, e->m_VR_StopWhenReady());
    } else if (name == L"seek") {
        m_Simple(name, e->m_VR_SetPosition(static_cast<LONGLONG>(m_Num(a, 0)) * 10000));
    } else if (name == L"rate") {
        m_Simple(name, e->m_VR_SetRate(m_Num(a, 0, 100)));
    } else if (name == L"step") {
        m_Simple(name, e->m_VR_FrameStep(m_Num(a, 0, 1)));
    } else if (name == L"stoppos") {
        e->m_VR_SetStopPosition(static_cast<LONGLONG>(m_Num(a, 0)) * 10000);
        m_Host_Print(L"stoppos %lld", e->m_GetStopPosition() / 10000);
    } else if (name == L"volume") {
        HRESULT hr = e->m_VR_SetVolume(m_Num(a, 0));
        m_Host_Print(L"volume hr=0x%08X volume=%ld", m_Hr(hr), e->m_GetVolume());
    } else if (name == L"balance") {
        m_Simple(name, e->m_VR_SetBalance(m_Num(a, 0)));
    } else if (name == L"gain") {
        e->m_VR_SetAudioGain(m_Num(a, 0, 100));
    } else if (name == L"mix") {
        e->m_VR_SetAudioMix(m_Num(a, 0));
    } else if (name == L"swap") {
        e->m_VR_SetAudioSwap(m_Num(a, 0));
    } else if (name == L"abalance") {
        e->m_VR_SetAudioBalance(m_Num(a, 0));
    } else if (name == L"switchaudio") {
        m_SwitchAudio(a);
    } else if (name == L"audiodevs") {
        m_AudioDevices();
    } else if (name == L"pos") {
        m_Position();
    } else if (name == L"state") {
        m_Host_Print(L"state %lu opened=%d", e->m_VR_GetState(), e->m_IsOpened());
    } else if (name == L"filters" || name == L"chain") {
        m_Filters(name == L"chain");
    } else if (name == L"mem") {
        m_Mem();
    } else if (name == L"format") {
        int channels = 0, bits = 0;
        e->m_GetAudioFormat(&channels, &bits);
        m_Host_Print(L"format channels=%d bits=%d", channels, bits);
    } else if (name == L"nearend") {
        m_Host_Print(L"nearend %d", e->m_VR_IsNearEnd(-1));
    } else if (name == L"waitframe") {
        m_Host_Print(L"waitframe %d", e->m_VR_WaitFrame(m_Num(a, 0, 1000)));
    } else if (name == L"wait") {
        m_Wait(a);
    } else if (name == L"sleep") {
        m_Host_Pump(m_Num(a, 0));
    } else if (name == L"waitstate") {
        const double t0 = m_Host_Now();
        const DWORD want = static_cast<DWORD>(m_Num(a, 0));
        while (e->m_VR_GetState() != want && m_Host_Now() - t0 < m_Num(a, 1, 10000))
            m_Host_Pump(5);
        m_Host_Print(L"state %lu opened=%d", e->m_VR_GetState(), e->m_IsOpened());
    } else if (m_Host_RunChapterCommand(e, name, a)) {
    } else if (m_Host_PictureCommand(name, a)) {
    } else if (m_Host_SourceCommand(name, a)) {
    } else if (m_Host_PreviewCommand(name, a)) {
    } else {
        return 0;
    }
    return 1;
}
