#include <doctest/doctest.h>

#include "engine/AudioGrab.h"
#include "engine/DsGuids.h"
#include "engine/DsMediaType.h"
#include "engine/DsTransInPlace.h"

#include <math.h>
#include <stdint.h>
#include <string>
#include <vector>

namespace {

struct SComScope {
    SComScope() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~SComScope() { CoUninitialize(); }
} g_Com;

// {6E1B1E0C-55A2-4F8B-9C1D-3A7E0D2B4F10}, a class id for this test only.
constexpr CLSID CLSID_CountingFilter = {
    0x6E1B1E0C, 0x55A2, 0x4F8B, {0x9C, 0x1D, 0x3A, 0x7E, 0x0D, 0x2B, 0x4F, 0x10}};

// Counts what passes, on the streaming thread.
class CCountingFilter : public CTransInPlaceFilter {
public:
    CCountingFilter() : CTransInPlaceFilter(L"Counting", CLSID_CountingFilter) {}
    HRESULT CheckInputType(const AM_MEDIA_TYPE* type) override
    {
        return IsEqualGUID(type->majortype, MEDIATYPE_Audio) ? S_OK : S_FALSE;
    }
    HRESULT Transform(IMediaSample* sample) override
    {
        InterlockedIncrement(&Samples);
        InterlockedAdd(&Bytes, sample->GetActualDataLength());
        return S_OK;
    }
    volatile LONG Samples = 0;
    volatile LONG Bytes = 0;
};

constexpr int kRate = 44100;
constexpr int kSeconds = 2;
constexpr LONG kDataBytes = kRate * kSeconds * 4;

// A 16-bit stereo tone in a temporary WAV file.
std::wstring WriteWav()
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path =
        std::wstring(dir) + L"zv_framework_" + std::to_wstring(GetCurrentProcessId()) + L".wav";
    std::vector<int16_t> samples(static_cast<size_t>(kRate) * kSeconds * 2);
    for (size_t i = 0; i < samples.size() / 2; i++)
        samples[2 * i] = samples[2 * i + 1] = static_cast<int16_t>(8000 * sin(i * 0.0627));
    WAVEFORMATEX w = {WAVE_FORMAT_PCM, 2, kRate, kRate * 4, 4, 16, 0};
    DWORD riff = 4 + 8 + 16 + 8 + kDataBytes, fmt = 16, data = kDataBytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD done;
    WriteFile(file, "RIFF", 4, &done, nullptr);
    WriteFile(file, &riff, 4, &done, nullptr);
    WriteFile(file, "WAVEfmt ", 8, &done, nullptr);
    WriteFile(file, &fmt, 4, &done, nullptr);
    WriteFile(file, &w, 16, &done, nullptr);
    WriteFile(file, "data", 4, &done, nullptr);
    WriteFile(file, &data, 4, &done, nullptr);
    WriteFile(file, samples.data(), kDataBytes, &done, nullptr);
    CloseHandle(file);
    return path;
}

IPin* FirstPin(IBaseFilter* filter, PIN_DIRECTION want)
{
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins))) return nullptr;
    IPin* pin = nullptr;
    IPin* found = nullptr;
    while (!found && pins->Next(1, &pin, nullptr) == S_OK) {
        PIN_DIRECTION dir;
        pin->QueryDirection(&dir);
        if (dir == want)
            found = pin;
        else
            pin->Release();
    }
    pins->Release();
    return found;
}

// source -> (parser) -> counting filter -> null renderer, the counting
// filter spliced in after the graph connected the rest, as the engine
// splices its notify filter.
struct SGraph {
    std::wstring Path = WriteWav();
    IGraphBuilder* Graph = nullptr;
    IMediaControl* Control = nullptr;
    IMediaSeeking* Seeking = nullptr;
    IMediaEvent* Events = nullptr;
    IBaseFilter* Renderer = nullptr;
    CCountingFilter* Counter = new CCountingFilter();

    SGraph()
    {
        REQUIRE(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IGraphBuilder, reinterpret_cast<void**>(&Graph)) == S_OK);
        Graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&Control));
        Graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&Seeking));
        Graph->QueryInterface(IID_IMediaEvent, reinterpret_cast<void**>(&Events));
        REQUIRE(CoCreateInstance(CLSID_NullRenderer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                 reinterpret_cast<void**>(&Renderer)) == S_OK);
        REQUIRE(Graph->AddFilter(Renderer, L"Null Renderer") == S_OK);
        IBaseFilter* source = nullptr;
        REQUIRE(Graph->AddSourceFilter(Path.c_str(), L"SourceFilter", &source) == S_OK);
        IFilterGraph2* graph2 = nullptr;
        Graph->QueryInterface(IID_IFilterGraph2, reinterpret_cast<void**>(&graph2));
        IPin* out = FirstPin(source, PINDIR_OUTPUT);
        REQUIRE(graph2->RenderEx(out, AM_RENDEREX_RENDERTOEXISTINGRENDERERS, nullptr) == S_OK);
        out->Release();
        graph2->Release();
        source->Release();
        REQUIRE(Graph->AddFilter(Counter, L"Counter") == S_OK);
        Splice();
    }
    void Splice()
    {
        IPin* rendererIn = FirstPin(Renderer, PINDIR_INPUT);
        IPin* upstream = nullptr;
        REQUIRE(rendererIn->ConnectedTo(&upstream) == S_OK);
        CHECK(Graph->Disconnect(rendererIn) == S_OK);
        CHECK(Graph->Disconnect(upstream) == S_OK);
        CHECK(Graph->Connect(upstream, Counter->InputPin()) == S_OK);
        CHECK(Graph->Connect(Counter->OutputPin(), rendererIn) == S_OK);
        rendererIn->Release();
        upstream->Release();
    }
    LONG RunToEnd()
    {
        // Drop what an earlier run left in the queue.
        long code;
        LONG_PTR p1, p2;
        while (Events->GetEvent(&code, &p1, &p2, 0) == S_OK) Events->FreeEventParams(code, p1, p2);
        InterlockedExchange(&Counter->Bytes, 0);
        REQUIRE(SUCCEEDED(Control->Run()));
        // Wine's WaitForCompletion answers at once after an earlier
        // completion: wait for the event itself.
        bool complete = false;
        DWORD start = GetTickCount();
        while (!complete && GetTickCount() - start < 10000) {
            if (Events->GetEvent(&code, &p1, &p2, 100) != S_OK) continue;
            complete = code == EC_COMPLETE;
            Events->FreeEventParams(code, p1, p2);
        }
        CHECK(complete);
        CHECK(Control->Stop() == S_OK);
        return Counter->Bytes;
    }
    ~SGraph()
    {
        Control->Stop();
        Events->Release();
        Seeking->Release();
        Control->Release();
        Renderer->Release();
        Graph->Release();
        if (Counter) Counter->Release();
        DeleteFileW(Path.c_str());
    }
};

}  // namespace

TEST_CASE("an in-place filter splices into a real graph and passes every sample once")
{
    SGraph g;
    CTransInPlaceInputPin* in = g.Counter->InputPin();
    CTransInPlaceOutputPin* out = g.Counter->OutputPin();
    REQUIRE(in->IsConnected());
    REQUIRE(out->IsConnected());
    AM_MEDIA_TYPE a = {}, b = {};
    CHECK(in->ConnectionMediaType(&a) == S_OK);
    CHECK(out->ConnectionMediaType(&b) == S_OK);
    CHECK(m_Ds_MediaTypeEqual(&a, &b));
    CHECK(IsEqualGUID(a.subtype, MEDIASUBTYPE_PCM));
    m_Ds_FreeMediaType(&a);
    m_Ds_FreeMediaType(&b);

    // Seeking reaches the parser through the filter's output pin.
    LONGLONG duration = 0;
    CHECK(g.Seeking->GetDuration(&duration) == S_OK);
    CHECK(llabs(duration - kSeconds * 10000000LL) < 200000);

    CHECK(g.RunToEnd() == kDataBytes);
    CHECK(g.Counter->Samples > 0);

    // From the middle, stopped first: about half of the data follows.
    LONGLONG middle = kSeconds * 10000000LL / 2;
    CHECK(g.Seeking->SetPositions(&middle, AM_SEEKING_AbsolutePositioning, nullptr,
                                  AM_SEEKING_NoPositioning) == S_OK);
    LONG bytes = g.RunToEnd();
    CHECK(bytes >= kDataBytes / 2 - kRate);
    CHECK(bytes <= kDataBytes / 2 + kRate);
}

TEST_CASE("an in-place filter follows the graph's states and refuses changes while running")
{
    SGraph g;
    CHECK(SUCCEEDED(g.Control->Pause()));
    FILTER_STATE state;
    CHECK(g.Counter->GetState(0, &state) == S_OK);
    CHECK(state == State_Paused);
    CHECK(g.Counter->OutputPin()->Disconnect() == VFW_E_NOT_STOPPED);
    CHECK(SUCCEEDED(g.Control->Run()));
    CHECK(g.Counter->GetState(0, &state) == S_OK);
    CHECK(state == State_Running);
    Sleep(100);
    for (int i = 0; i < 3; i++) {
        CHECK(g.Control->Stop() == S_OK);
        CHECK(SUCCEEDED(g.Control->Run()));
    }
    CHECK(g.Control->Stop() == S_OK);
    CHECK(g.Counter->GetState(0, &state) == S_OK);
    CHECK(state == State_Stopped);
}

TEST_CASE("pins, enumerators and filter facts answer as the interfaces require")
{
    SGraph g;
    CCountingFilter* f = g.Counter;
    IEnumPins* pins = nullptr;
    REQUIRE(f->EnumPins(&pins) == S_OK);
    IPin* got[3] = {};
    ULONG fetched = 0;
    CHECK(pins->Next(3, got, &fetched) == S_FALSE);
    CHECK(fetched == 2);
    CHECK(got[0] == static_cast<IPin*>(f->InputPin()));
    IEnumPins* copy = nullptr;
    CHECK(pins->Clone(&copy) == S_OK);
    CHECK(copy->Next(1, &got[2], nullptr) == S_FALSE);  // the clone keeps the position
    CHECK(pins->Reset() == S_OK);
    CHECK(pins->Skip(5) == S_FALSE);
    for (int i = 0; i < 2; i++) got[i]->Release();
    copy->Release();
    pins->Release();

    IPin* found = nullptr;
    CHECK(f->FindPin(L"Output", &found) == S_OK);
    CHECK(found == static_cast<IPin*>(f->OutputPin()));
    found->Release();
    CHECK(f->FindPin(L"Nothing", &found) == VFW_E_NOT_FOUND);

    FILTER_INFO info = {};
    CHECK(f->QueryFilterInfo(&info) == S_OK);
    CHECK(std::wstring(info.achName) == L"Counter");
    CHECK(info.pGraph != nullptr);
    if (info.pGraph) info.pGraph->Release();

    PIN_INFO pin = {};
    CHECK(f->OutputPin()->QueryPinInfo(&pin) == S_OK);
    CHECK(pin.dir == PINDIR_OUTPUT);
    CHECK(std::wstring(pin.achName) == L"Output");
    CHECK(pin.pFilter == static_cast<IBaseFilter*>(f));
    pin.pFilter->Release();

    IEnumMediaTypes* types = nullptr;
    REQUIRE(f->OutputPin()->EnumMediaTypes(&types) == S_OK);
    AM_MEDIA_TYPE* type = nullptr;
    CHECK(types->Next(1, &type, nullptr) == S_OK);
    CHECK(m_Ds_MediaTypeEqual(type, f->InputPin()->GetConnectedType()));
    m_Ds_DeleteMediaType(type);
    CHECK(types->Next(1, &type, nullptr) == S_FALSE);
    types->Release();

    IMediaSeeking* seeking = nullptr;
    CHECK(f->OutputPin()->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking)) ==
          S_OK);
    IPin* back = nullptr;
    CHECK(seeking->QueryInterface(IID_IPin, reinterpret_cast<void**>(&back)) == S_OK);
    CHECK(back == static_cast<IPin*>(f->OutputPin()));
    back->Release();
    seeking->Release();
    IMediaSeeking* none = nullptr;
    CHECK(f->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&none)) == E_NOINTERFACE);

    // A second connection on a connected pin is refused.
    CHECK(f->OutputPin()->Connect(f->InputPin(), nullptr) == VFW_E_ALREADY_CONNECTED);
}

TEST_CASE("a removed filter is let go by the graph and keeps only its creator's reference")
{
    SGraph g;
    CHECK(g.Graph->RemoveFilter(g.Counter) == S_OK);
    CHECK(!g.Counter->InputPin()->IsConnected());
    CHECK(!g.Counter->OutputPin()->IsConnected());
    CHECK(g.Counter->GetGraph() == nullptr);
    CHECK(g.Counter->GetRefCount() == 1);
    g.Counter->Release();
    g.Counter = nullptr;
}

TEST_CASE("a grab callback lives as long as the sample grabber holds it")
{
    SGraph g;
    // The counting filter leaves; a sample grabber takes its place.
    IPin* upstream = g.Counter->InputPin()->GetPeer();
    REQUIRE(upstream);
    upstream->AddRef();
    REQUIRE(g.Graph->RemoveFilter(g.Counter) == S_OK);
    IBaseFilter* grabber = nullptr;
    REQUIRE(CoCreateInstance(CLSID_SampleGrabber, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                             reinterpret_cast<void**>(&grabber)) == S_OK);
    ISampleGrabber* sg = nullptr;
    REQUIRE(grabber->QueryInterface(IID_ISampleGrabber, reinterpret_cast<void**>(&sg)) == S_OK);
    AM_MEDIA_TYPE audio = {};
    audio.majortype = MEDIATYPE_Audio;
    audio.subtype = MEDIASUBTYPE_PCM;
    CHECK(sg->SetMediaType(&audio) == S_OK);
    REQUIRE(g.Graph->AddFilter(grabber, L"GrabberAudio") == S_OK);
    IPin* rendererIn = FirstPin(g.Renderer, PINDIR_INPUT);
    IPin* grabIn = FirstPin(grabber, PINDIR_INPUT);
    IPin* grabOut = FirstPin(grabber, PINDIR_OUTPUT);
    CHECK(g.Graph->Connect(upstream, grabIn) == S_OK);
    CHECK(g.Graph->Connect(grabOut, rendererIn) == S_OK);

    CAudioGrabCB* cb = CAudioGrabCB::Create();
    REQUIRE(cb);
    cb->SetGain(50);
    REQUIRE(sg->SetCallback(cb, 1) == S_OK);
    CHECK(cb->GetRefCount() == 2);  // the grabber holds its own reference
    ISampleGrabberCB* held = cb;
    cb->Release();  // the creator lets go; the grabber keeps it alive
    CHECK(cb->GetRefCount() == 1);

    REQUIRE(SUCCEEDED(g.Control->Run()));
    Sleep(300);
    g.Control->Stop();
    CHECK(held->BufferCB(0, nullptr, 0) == E_NOTIMPL);  // still a live object
    // Detaching gives the last reference back: the callback ends here.
    CHECK(sg->SetCallback(nullptr, 0) == S_OK);

    grabIn->Release();
    grabOut->Release();
    rendererIn->Release();
    upstream->Release();
    sg->Release();
    grabber->Release();
}
