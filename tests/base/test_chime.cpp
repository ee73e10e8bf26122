#include <doctest/doctest.h>

#include <math.h>

#include <string>

#include "app/MainWindow.h"
#include "base/Chime.h"

namespace {

// The main window the chime opens its device for.
struct SMainWindow {
    SMainWindow()
    {
        g_hWndMain = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                     nullptr, nullptr, nullptr, nullptr);
    }
    ~SMainWindow()
    {
        g_Chime.m_Release();
        DestroyWindow(g_hWndMain);
        g_hWndMain = nullptr;
    }
};

}  // namespace

TEST_CASE("the chime tone is 480 samples of 500 Hz without ramps")
{
    REQUIRE(g_Chime.m_Synthesize(50.0) == 1);
    const STONEBUFFER* tone = g_Chime.m_GetTone();
    REQUIRE(tone->byteSize == 960);
    // No fade: the second sample already carries the full sine value.
    CHECK(tone->samples[1] == (short)(sin(6.2831853 * 500 / 48000) * 16384));
    CHECK(tone->samples[24] >= 16383);  // a quarter period: the crest
    // A new level replaces the buffer; level 0 is silence.
    REQUIRE(g_Chime.m_Synthesize(0.0) == 1);
    for (UINT i = 0; i < tone->byteSize / 2; i++) CHECK(tone->samples[i] == 0);
}

TEST_CASE("the chime opens the output devices by name and plays once")
{
    SMainWindow main;
    REQUIRE(g_Chime.m_EnumDevices() == 1);
    REQUIRE(g_Chime.m_GetDeviceCount() >= 1);
    CHECK(g_Chime.m_GetDeviceCount() <= kChimeDeviceCap);
    for (int i = 0; i < g_Chime.m_GetDeviceCount(); i++) {
        CAPTURE(i);
        CHECK(g_Chime.m_GetDevice(i)->description[0] != 0);
        CHECK(g_Chime.m_GetDevice(i)->guid != GUID_NULL);
    }
    CHECK(g_Chime.m_GetDevice(g_Chime.m_GetDeviceCount()) == nullptr);
    CHECK(g_Chime.m_Chime_Play() == 0);  // nothing open yet

    REQUIRE(g_Chime.m_Synthesize(10.0) == 1);
    CHECK(g_Chime.m_OpenByName(L"") == 1);
    CHECK(g_Chime.m_IsOpened());
    CHECK(g_Chime.m_Chime_Play() == 1);

    const int last = g_Chime.m_GetDeviceCount() - 1;
    const std::wstring name = g_Chime.m_GetDevice(last)->description;
    CHECK(g_Chime.m_OpenByName(name.c_str()) == 1);
    CHECK(g_Chime.m_Chime_Play() == 1);
    Sleep(50);

    // An unknown name or index opens nothing and leaves nothing open.
    CHECK(g_Chime.m_OpenByName(L"no such device") == 0);
    CHECK(g_Chime.m_OpenByName((name + L" ").c_str()) == 0);
    CHECK(g_Chime.m_OpenByIndex(kChimeDeviceCap, g_hWndMain) == 0);
    CHECK_FALSE(g_Chime.m_IsOpened());
    CHECK(g_Chime.m_Chime_Play() == 0);

    CHECK(g_Chime.m_OpenByIndex(0, g_hWndMain) == 1);
    g_Chime.m_Release();
    CHECK_FALSE(g_Chime.m_IsOpened());
    CHECK(g_Chime.m_Chime_Play() == 0);
}
