#include <doctest/doctest.h>

#include "engine/AudioGrab.h"
#include "engine/EngineMessages.h"
#include "engine/GraphBuilderCB.h"
#include "engine/NotifyFilter.h"
#include "engine/VideoGrab.h"

#include <uuids.h>
#include <string.h>
#include <string>
#include <vector>

namespace {

// COM for the whole test program.
struct SComScope {
    SComScope() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~SComScope() { CoUninitialize(); }
} g_Com;

// A message-only window that collects what is posted to it.
struct SInbox {
    HWND Window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ~SInbox() { DestroyWindow(Window); }
    // The (message, wParam) pairs waiting now.
    std::vector<std::pair<UINT, WPARAM>> Take()
    {
        std::vector<std::pair<UINT, WPARAM>> got;
        MSG msg;
        while (PeekMessageW(&msg, Window, WM_APP, 0xBFFF, PM_REMOVE))
            got.push_back({msg.message, msg.wParam});
        return got;
    }
};

AM_MEDIA_TYPE AudioType(WAVEFORMATEX* wave, GUID major = MEDIATYPE_Audio)
{
    AM_MEDIA_TYPE type = {};
    type.majortype = major;
    type.subtype = MEDIASUBTYPE_PCM;
    type.formattype = FORMAT_WaveFormatEx;
    type.cbFormat = sizeof(*wave);
    type.pbFormat = reinterpret_cast<BYTE*>(wave);
    return type;
}

WAVEFORMATEX Pcm(int channels, int bits)
{
    WAVEFORMATEX w = {};
    w.wFormatTag = WAVE_FORMAT_PCM;
    w.nChannels = static_cast<WORD>(channels);
    w.wBitsPerSample = static_cast<WORD>(bits);
    w.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    w.nSamplesPerSec = 44100;
    w.nAvgBytesPerSec = 44100 * w.nBlockAlign;
    return w;
}

}  // namespace

TEST_CASE("a callback is counted through every interface and answers like its object")
{
    CAudioGrabCB* cb = CAudioGrabCB::Create();
    REQUIRE(cb);
    ISampleGrabberCB* itf = nullptr;
    REQUIRE(cb->NonDelegatingQueryInterface(IID_ISampleGrabberCB, reinterpret_cast<void**>(&itf)) ==
            S_OK);
    CHECK(cb->GetRefCount() == 2);
    IUnknown* a = nullptr;
    IUnknown* b = nullptr;
    CHECK(itf->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a)) == S_OK);
    CHECK(cb->NonDelegatingQueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b)) == S_OK);
    CHECK(a == b);
    CHECK(a == cb->GetOwner());
    void* none = reinterpret_cast<void*>(1);
    CHECK(itf->QueryInterface(IID_IBaseFilter, &none) == E_NOINTERFACE);
    CHECK(none == nullptr);
    a->Release();
    b->Release();
    // The holder's reference keeps the object after the creator let go.
    CHECK(cb->Release() == 1);
    CHECK(itf->BufferCB(0, nullptr, 0) == E_NOTIMPL);
    CHECK(itf->Release() == 0);
}

TEST_CASE("the audio callback processes the connected format and passes others through")
{
    CAudioGrabCB* cb = CAudioGrabCB::Create();
    REQUIRE(cb);
    SAUDIOFORMAT f = cb->GetFormat();
    CHECK(f.Kind == AUDIO_SAMPLE_S16);
    CHECK(f.Channels == 2);

    WAVEFORMATEX mono8 = Pcm(1, 8);
    AM_MEDIA_TYPE type = AudioType(&mono8);
    CHECK(cb->SetMediaType(&type) == 1);
    cb->SetGain(50);
    BYTE bytes[3] = {128 + 100, 128 - 40, 128};
    CHECK(cb->BufferCB(0.5, bytes, 3) == E_NOTIMPL);
    CHECK(bytes[0] == 178);
    CHECK(bytes[1] == 108);
    CHECK(bytes[2] == 128);

    // Six channels stay six: the front pair is mixed, the others only scaled.
    WAVEFORMATEX six = Pcm(6, 16);
    type = AudioType(&six);
    CHECK(cb->SetMediaType(&type) == 1);
    CHECK(cb->GetFormat().Channels == 6);
    cb->SetGain(100);
    cb->SetSwap(1);
    int16_t frame[6] = {1, 2, 3, 4, 5, 6};
    cb->BufferCB(0, reinterpret_cast<BYTE*>(frame), sizeof(frame));
    CHECK(frame[0] == 2);
    CHECK(frame[1] == 1);
    CHECK(frame[2] == 3);
    CHECK(frame[5] == 6);

    WAVEFORMATEX adpcm = Pcm(2, 4);
    adpcm.wFormatTag = WAVE_FORMAT_ADPCM;
    type = AudioType(&adpcm);
    CHECK(cb->SetMediaType(&type) == 0);
    WAVEFORMATEX stereo = Pcm(2, 16);
    AM_MEDIA_TYPE video = AudioType(&stereo, MEDIATYPE_Video);
    CHECK(cb->SetMediaType(&video) == 0);
    CHECK(cb->SetMediaType(nullptr) == 0);
    int16_t untouched[2] = {100, -100};
    cb->BufferCB(0, reinterpret_cast<BYTE*>(untouched), sizeof(untouched));
    CHECK(untouched[0] == 100);
    CHECK(untouched[1] == -100);

    cb->ResetFormat();
    CHECK(cb->GetFormat().Kind == AUDIO_SAMPLE_S16);
    cb->SetGain(999);
    cb->SetMix(-1);
    cb->SetBalance(-300);
    SAUDIOOPTIONS o = cb->GetOptions();
    CHECK(o.Gain == 300);
    CHECK(o.Mix == 0);
    CHECK(o.Swap == 1);
    CHECK(o.Balance == -100);
    cb->Release();
}

TEST_CASE("video frames go into the target when they fit, else into the callback's own")
{
    SInbox inbox;
    CVideoGrabCB* cb = CVideoGrabCB::Create();
    REQUIRE(cb);
    cb->SetWindow(inbox.Window);
    BYTE pixels[16];
    for (int i = 0; i < 16; i++) pixels[i] = static_cast<BYTE>(i);

    std::vector<BYTE> store(16, 0);
    SGRABFRAME target = {0, store.data(), 16};
    cb->SetTarget(&target);
    cb->Arm(0);
    CHECK(cb->IsArmed() == 1);
    CHECK(cb->BufferCB(1.5, pixels, 16) == S_OK);
    CHECK(cb->IsArmed() == 0);
    CHECK(memcmp(store.data(), pixels, 16) == 0);
    CHECK(target.Time == 1.5);
    auto got = inbox.Take();
    REQUIRE(got.size() == 1);
    CHECK(got[0].first == WM_APP_FRAMEGRABBED);
    CHECK(got[0].second == 0);

    CHECK(cb->BufferCB(2.0, pixels, 12) == S_OK);  // another size
    got = inbox.Take();
    REQUIRE(got.size() == 1);
    const SGRABFRAME* own = cb->GetOwnFrame();
    CHECK(got[0].second == reinterpret_cast<WPARAM>(own));
    CHECK(own->Size == 12);
    CHECK(own->Time == 2.0);
    CHECK(memcmp(own->Data, pixels, 12) == 0);
    CHECK(target.Time == 1.5);

    CHECK(cb->BufferCB(3.0, nullptr, 16) == S_OK);  // nothing to copy, nothing told
    CHECK(inbox.Take().empty());
    cb->Release();
}

TEST_CASE("a grab wait ends when the frame comes, or after its time-out")
{
    SInbox inbox;
    CVideoGrabCB* cb = CVideoGrabCB::Create();
    REQUIRE(cb);
    cb->SetWindow(inbox.Window);
    static BYTE pixels[8];

    // The frame arrives on another thread, as a streaming thread delivers.
    cb->Arm(1);
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* p) -> DWORD {
            Sleep(60);
            static_cast<CVideoGrabCB*>(p)->BufferCB(0.25, pixels, 8);
            return 0;
        },
        cb, 0, nullptr);
    REQUIRE(thread);
    CHECK(cb->WaitFrame(5000) == 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CHECK(inbox.Take().empty());  // the waiting caller took it

    // No frame: the wait gives up, and a late frame is reported as usual.
    cb->Arm(1);
    DWORD start = GetTickCount();
    CHECK(cb->WaitFrame(100) == -1);
    DWORD waited = GetTickCount() - start;
    CHECK(waited >= 90);
    CHECK(waited < 2000);
    cb->BufferCB(0.5, pixels, 8);
    CHECK(inbox.Take().size() == 1);

    cb->Arm(1);
    cb->Disarm();
    CHECK(cb->IsArmed() == 0);
    CHECK(cb->WaitFrame(0) == 0);
    cb->Release();
}

TEST_CASE("the notify filter reports one frame per arming")
{
    SInbox inbox;
    CNotifyFilter* filter = CNotifyFilter::Create();
    REQUIRE(filter);
    filter->SetWindow(inbox.Window);
    CHECK(filter->IsFramePending() == 0);
    CHECK(filter->Transform(nullptr) == S_OK);  // nothing armed
    CHECK(inbox.Take().empty());

    filter->Arm();
    filter->Arm();  // two seeks before a frame
    CHECK(filter->IsFramePending() == 1);
    filter->Transform(nullptr);
    filter->Transform(nullptr);
    CHECK(filter->IsFramePending() == 0);
    auto got = inbox.Take();
    REQUIRE(got.size() == 1);
    CHECK(got[0].first == WM_APP_FRAMESHOWN);

    CLSID clsid = {};
    CHECK(filter->GetClassID(&clsid) == S_OK);
    CHECK(IsEqualCLSID(clsid, CLSID_NotifyFilter));
    AM_MEDIA_TYPE any = {};
    any.majortype = MEDIATYPE_Stream;
    CHECK(filter->InputPin()->QueryAccept(&any) == S_OK);
    filter->Release();
}

TEST_CASE("the graph-builder callback vetoes by flags and the user's blocking entries")
{
    GraphBuilderCB* cb = GraphBuilderCB::Create();
    REQUIRE(cb);
    CHECK(cb->IsVetoed(L"Microsoft DTV-DVD Audio Decoder") == 0);
    cb->SetStretch(1);
    CHECK(cb->IsVetoed(L"microsoft dtv-dvd audio DECODER") == 1);
    CHECK(cb->IsVetoed(L"Microsoft DTV-DVD Video Decoder") == 0);
    CHECK(cb->IsVetoed(L"DirectVobSub (auto-loading version)") == 0);
    cb->SetPreview(1);
    CHECK(cb->IsVetoed(L"directvobsub (auto-loading version)") == 1);
    CHECK(cb->IsVetoed(nullptr) == 0);

    std::vector<SFILTERITEM> list(4);
    auto entry = [](SFILTERITEM& item, int enabled, int mode, const wchar_t* name, int match,
                    const wchar_t* pattern) {
        item = {};
        item.Enabled = enabled;
        item.Mode = mode;
        item.Match = match;
        wcsncpy(item.Name, name, 260);
        wcsncpy(item.Pattern, pattern, 260);
    };
    entry(list[0], 1, 1, L"Blocked Everywhere", 0, L"");
    entry(list[1], 0, 1, L"Disabled Block", 0, L"");
    entry(list[2], 1, 0, L"Added Filter", 0, L"");
    entry(list[3], 1, 1, L"Blocked For AVI", 3, L"avi");
    cb->SetFilterList(list.data(), 4, L"C:\\media\\clip.mp4");
    CHECK(cb->IsVetoed(L"blocked everywhere") == 1);
    CHECK(cb->IsVetoed(L"Disabled Block") == 0);
    CHECK(cb->IsVetoed(L"Added Filter") == 0);
    CHECK(cb->IsVetoed(L"Blocked For AVI") == 0);  // does not match the file
    cb->SetFilterList(list.data(), 4, L"C:\\media\\clip.avi");
    CHECK(cb->IsVetoed(L"Blocked For AVI") == 1);

    // The settings list may be replaced later: the callback kept a copy.
    entry(list[0], 0, 0, L"", 0, L"");
    CHECK(cb->IsVetoed(L"Blocked Everywhere") == 1);
    cb->Release();
}

TEST_CASE("the graph-builder callback reads the friendly name of a moniker")
{
    ICreateDevEnum* devices = nullptr;
    REQUIRE(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER,
                             IID_ICreateDevEnum, reinterpret_cast<void**>(&devices)) == S_OK);
    IEnumMoniker* monikers = nullptr;
    // Registered filters are always listed; the audio renderer category can
    // come back empty while the sound server is busy.
    REQUIRE(devices->CreateClassEnumerator(CLSID_LegacyAmFilterCategory, &monikers, 0) == S_OK);
    IMoniker* moniker = nullptr;
    REQUIRE(monikers->Next(1, &moniker, nullptr) == S_OK);
    IPropertyBag* bag = nullptr;
    REQUIRE(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                   reinterpret_cast<void**>(&bag)) == S_OK);
    VARIANT name;
    VariantInit(&name);
    REQUIRE(bag->Read(L"FriendlyName", &name, nullptr) == S_OK);

    GraphBuilderCB* cb = GraphBuilderCB::Create();
    IAMGraphBuilderCallback* itf = cb;
    CHECK(itf->SelectedFilter(moniker) == S_OK);
    CHECK(itf->CreatedFilter(nullptr) == S_OK);
    SFILTERITEM block = {};
    block.Enabled = 1;
    block.Mode = 1;
    wcsncpy(block.Name, name.bstrVal, 260);
    cb->SetFilterList(&block, 1, L"C:\\a.wav");
    CHECK(itf->SelectedFilter(moniker) == static_cast<HRESULT>(0xFFFFFFFF));
    CHECK(itf->SelectedFilter(nullptr) == S_OK);

    cb->Release();
    VariantClear(&name);
    bag->Release();
    moniker->Release();
    monikers->Release();
    devices->Release();
}
