#include <doctest/doctest.h>

#include <wchar.h>

#include <string>

#include "engine/SystemAudio.h"
#include "engine/SystemAudioCallbacks.h"

namespace {

// A message-only window that collects what is posted to it.
struct SSink {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ~SSink() { DestroyWindow(window); }
    bool Take(UINT message, MSG* msg)
    {
        return PeekMessageW(msg, window, message, message, PM_REMOVE) != 0;
    }
};

// Runs the thread's messages for a while (timers and posted notices).
void m_Pump(DWORD ms)
{
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (msg.hwnd && GetWindowLongPtrW(msg.hwnd, GWLP_USERDATA) == 0 &&
                msg.message != WM_TIMER)
                break;  // leave the sink's messages for the test to read
            PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
            DispatchMessageW(&msg);
        }
        Sleep(5);
    }
}

}  // namespace

TEST_CASE("volume scales: mixer 0..65535, Core Audio 0..1, ours 0..10,000")
{
    CHECK(m_SysAudio_ToMixer(5000) == 32768);
    CHECK(m_SysAudio_FromMixer(32768) == 5000);
    CHECK(m_SysAudio_ToMixer(10000) == 65535);
    CHECK(m_SysAudio_ToMixer(20000) == 65535);
    CHECK(m_SysAudio_FromMixer(0) == 0);
    CHECK(m_SysAudio_FromScalar(0.5f) == 5000);
    CHECK(m_SysAudio_FromScalar(1.5f) == 10000);
    CHECK(m_SysAudio_FromScalar(-1.0f) == 0);
}

TEST_CASE("the volume callback posts a value and drops its own changes")
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SSink sink;
    auto* callback = new CAudioEndpointVolumeCallback(sink.window, kSysAudioVolumeMessage);
    IUnknown* unknown = nullptr;
    CHECK(callback->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)) == S_OK);
    CHECK(unknown->Release() == 1);
    void* other = &sink;
    CHECK(callback->QueryInterface(IID_IDispatch, &other) == E_NOINTERFACE);
    CHECK(other == nullptr);
    CHECK(callback->OnNotify(nullptr) == E_INVALIDARG);

    MSG msg;
    {
        // The data belongs to the caller and is gone after the call.
        AUDIO_VOLUME_NOTIFICATION_DATA data = {};
        data.fMasterVolume = 0.25f;
        data.nChannels = 1;
        CHECK(callback->OnNotify(&data) == S_OK);
        data.guidEventContext = callback->m_GetEventContext();
        data.fMasterVolume = 0.75f;
        CHECK(callback->OnNotify(&data) == S_OK);
    }
    REQUIRE(sink.Take(kSysAudioVolumeMessage, &msg));
    CHECK(msg.wParam == 2500);
    CHECK_FALSE(sink.Take(kSysAudioVolumeMessage, &msg));
    CHECK(callback->Release() == 0);
    CoUninitialize();
}

TEST_CASE("each device event posts its own copy")
{
    SSink sink;
    auto* client = new CMMNotificationClient(sink.window, kSysAudioDeviceMessage);
    {
        wchar_t first[] = L"{first-device}";
        wchar_t second[] = L"{second-device}";
        client->OnDefaultDeviceChanged(eRender, eConsole, first);
        client->OnDefaultDeviceChanged(eRender, eMultimedia, second);
        client->OnDefaultDeviceChanged(eRender, eConsole, nullptr);  // no id: nothing
        first[1] = second[1] = L'X';
        client->OnDeviceStateChanged(first, 4);
    }
    MSG msg;
    const wchar_t* expected[] = {L"{first-device}", L"{second-device}"};
    for (const wchar_t* id : expected) {
        REQUIRE(sink.Take(kSysAudioDeviceMessage, &msg));
        CHECK(msg.wParam == 1);
        auto* notice = reinterpret_cast<SSYSAUDIONOTICE*>(msg.lParam);
        CHECK(std::wstring(notice->DeviceId) == id);
        delete notice;
    }
    REQUIRE(sink.Take(kSysAudioDeviceMessage, &msg));
    CHECK(msg.wParam == 4);
    CHECK(reinterpret_cast<SSYSAUDIONOTICE*>(msg.lParam)->NewState == 4);
    delete reinterpret_cast<SSYSAUDIONOTICE*>(msg.lParam);
    CHECK(client->Release() == 0);
}

TEST_CASE("the hidden window: one notice per quiet time, volumes as 0..10,000")
{
    SSink main;
    const UINT notice = m_SysAudio_CreateWindow(main.window);
    CHECK(notice == RegisterWindowMessageW(L"SystemAudioCtrlClass_Notify"));
    HWND own = g_SystemAudio.OwnWindow;
    REQUIRE(own != nullptr);
    auto* client = new CMMNotificationClient(own, kSysAudioDeviceMessage);
    client->OnDefaultDeviceChanged(eRender, eConsole, L"{new-default}");
    client->OnDeviceAdded(L"{other}");  // within 100 ms: dropped
    client->Release();
    m_Pump(30);
    MSG msg;
    REQUIRE(main.Take(notice, &msg));
    CHECK(msg.wParam == 2);
    CHECK(msg.lParam == 1);
    CHECK_FALSE(main.Take(notice, &msg));
    CHECK(std::wstring(g_SysAudioDefaultDevice) == L"{new-default}");

    PostMessageW(own, kSysAudioVolumeMessage, 4000, 0);  // still quiet
    m_Pump(30);
    CHECK_FALSE(main.Take(notice, &msg));
    m_Pump(150);
    PostMessageW(own, kSysAudioVolumeMessage, 4000, 0);
    m_Pump(30);
    REQUIRE(main.Take(notice, &msg));
    CHECK(msg.wParam == 1);
    CHECK(msg.lParam == 4000);
}

TEST_CASE("Core Audio master volume and mute on the default endpoint")
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    SSink main;
    m_SysAudio_CreateWindow(main.window);
    CHECK(m_SysAudio_GetVolume() == kSysAudioNotOpen);
    CHECK(m_SysAudio_SetVolume(100) == kSysAudioNotOpen);
    REQUIRE(m_SysAudio_Open(1) == 1);
    const DWORD volume = m_SysAudio_GetVolume();
    CHECK(volume <= 10000);
    CHECK(m_SysAudio_SetMute(1) == 1);
    CHECK(m_SysAudio_GetMute() == 1);
    CHECK(m_SysAudio_SetMute(0) == 1);
    CHECK(m_SysAudio_GetMute() == 0);
    const DWORD set = m_SysAudio_SetVolume(5000);
    if (set == 1) CHECK(m_SysAudio_GetVolume() == 5000);
    m_Pump(150);
    MSG msg;
    CHECK_FALSE(main.Take(RegisterWindowMessageW(L"SystemAudioCtrlClass_Notify"), &msg));
    CHECK(m_SysAudio_Open(1) == 1);  // a second open closes first
    m_SysAudio_Close();
    CHECK(m_SysAudio_GetVolume() == kSysAudioNotOpen);
    CoUninitialize();
}

// An outside program's change of the speakers volume, through a mixer handle
// of its own.
bool m_SetFromOutside(DWORD value)
{
    HMIXER mixer = nullptr;
    if (mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return false;
    MIXERLINEW line = {};
    line.cbStruct = sizeof(line);
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    auto object = reinterpret_cast<HMIXEROBJ>(mixer);
    MIXERCONTROLW control = {};
    control.cbStruct = sizeof(control);
    MIXERLINECONTROLSW controls = {};
    controls.cbStruct = sizeof(controls);
    bool done = false;
    if (mixerGetLineInfoW(object, &line, MIXER_OBJECTF_HMIXER | MIXER_GETLINEINFOF_COMPONENTTYPE) ==
        0) {
        controls.dwLineID = line.dwLineID;
        controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
        controls.cControls = 1;
        controls.cbmxctrl = sizeof(control);
        controls.pamxctrl = &control;
        MIXERCONTROLDETAILS_UNSIGNED v = {value};
        MIXERCONTROLDETAILS details = {sizeof(details), 0, 1, {0}, sizeof(v), &v};
        if (mixerGetLineControlsW(object, &controls,
                                  MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) == 0) {
            details.dwControlID = control.dwControlID;
            done = mixerSetControlDetails(object, &details, MIXER_OBJECTF_HMIXER) == 0;
        }
    }
    mixerClose(mixer);
    return done;
}

TEST_CASE("winmm mixer master volume: set, read back, no echo, outside changes")
{
    SSink main;
    const UINT notice = m_SysAudio_CreateWindow(main.window);
    REQUIRE(m_SysAudio_Open(0) == 1);
    CHECK(m_SysAudio_SetVolume(5000) == 1);
    CHECK(m_SysAudio_GetVolume() == 5000);
    m_Pump(200);
    MSG msg;
    CHECK_FALSE(main.Take(notice, &msg));  // our own change falls in the quiet time
    REQUIRE(m_SetFromOutside(m_SysAudio_ToMixer(3000)));
    m_Pump(100);
    const bool told = main.Take(notice, &msg);
    MESSAGE("outside mixer change noticed: ", told);
    if (told) {
        CHECK(msg.wParam == 1);
        CHECK(msg.lParam == 3000);
    }
    m_SysAudio_SetVolume(10000);
    m_SysAudio_Close();
}

TEST_CASE("the first DirectSound device with a GUID")
{
    CHECK(m_GetDefaultDirectSoundName() == 1);
    CHECK(g_DefaultDirectSoundName[0] != 0);
}
