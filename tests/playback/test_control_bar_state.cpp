// The control bar's state by the play state, the volume's curve to the
// engine, the device balance, and where a seek-bar position lands.
#include <doctest/doctest.h>
#include <windows.h>

#include "../support/TempFolder.h"
#include "playback/AudioDeviceName.h"
#include "playback/ControlBarState.h"
#include "playback/PlayState.h"
#include "playback/SeekMath.h"
#include "playback/VolumeControl.h"
#include "settings/IniPath.h"

TEST_CASE("the control bar follows what is open and whether playback is started")
{
    struct Row {
        const char* what;
        // started, state, kind, open, launcher, keep launcher, jump list of
        // another entry, keep jump list, pending
        SCONTROLBARFACTS facts;
        SCONTROLBARSTATE want;  // frame, fade, play, previous/next, rewind/forward, seek bar
    };
    const int V = MEDIA_KIND_VIDEO;
    const Row rows[] = {
        {"playing video", {1, 5, V, 1, 0, 0, 0, 0, 0}, {1, 4, 1, 1, 1, 1}},
        {"paused audio", {0, 4, MEDIA_KIND_AUDIO, 1, 0, 0, 0, 0, 0}, {0, 4, 1, 1, 1, 1}},
        {"launcher over a file", {0, 4, V, 1, 1, 0, 0, 0, 0}, {0, 4, 1, 0, 0, 1}},
        {"launcher kept by full screen", {0, 4, V, 1, 1, 1, 0, 0, 0}, {0, 4, 1, 1, 1, 1}},
        {"jump list of another entry", {1, 5, V, 1, 0, 0, 1, 0, 0}, {1, 4, 1, 1, 0, 1}},
        {"jump list kept by full screen", {1, 5, V, 1, 0, 0, 1, 1, 0}, {1, 4, 1, 1, 1, 1}},
        {"still picture", {0, 4, MEDIA_KIND_PICTURE, 1, 0, 0, 0, 0, 1}, {0, 4, 0, 0, 0, 0}},
        {"jump-list item", {0, 4, MEDIA_KIND_JUMPLIST, 1, 0, 0, 0, 0, 0}, {0, 4, 0, 0, 0, 0}},
        {"nothing open", {0, 0, MEDIA_KIND_NONE, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}},
        {"nothing open, a file pending",
         {0, 0, MEDIA_KIND_NONE, 0, 0, 0, 0, 0, 1},
         {0, 0, 1, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        const SCONTROLBARSTATE s = m_ControlBarState_Of(r.facts);
        CHECK(s.playFrame == r.want.playFrame);
        CHECK(s.fadeSteps == r.want.fadeSteps);
        CHECK(s.play == r.want.play);
        CHECK(s.stepping == r.want.stepping);
        CHECK(s.seeking == r.want.seeking);
        CHECK(s.seekBar == r.want.seekBar);
    }
}

TEST_CASE("the volume reaches the engine on a fourth-root curve in hundredths of a dB")
{
    const int rows[][2] = {{10000, 0},  {5000, -1591}, {3000, -2599}, {1, -9000},
                           {0, -10000}, {-5, -10000},  {20000, 0}};
    for (const auto& r : rows) {
        CAPTURE(r[0]);
        CHECK(m_Volume_EngineValue(r[0]) == r[1]);
    }
}

TEST_CASE("the device balance comes from its own key, else from Default, held to -100..100")
{
    CTempFolder folder;
    REQUIRE(!folder.Path().empty());
    lstrcpynW(g_IniPath, folder.Join(L"Zentavio.ini").c_str(), MAX_PATH + 1);
    WritePrivateProfileStringW(L"Balance", L"Speakers", L"-40", g_IniPath);
    WritePrivateProfileStringW(L"Balance", L"Loud", L"300", g_IniPath);
    struct Row {
        const wchar_t* device;
        const wchar_t* fallback;  // [Balance] "Default", null for none
        int want;
    };
    const Row rows[] = {
        {L"Speakers", L"25", -40},   {L"Headphones", L"25", 25}, {L"", L"25", 25},
        {L"Headphones", nullptr, 0}, {L"Loud", nullptr, 100},
    };
    for (const Row& r : rows) {
        CAPTURE(r.want);
        WritePrivateProfileStringW(L"Balance", L"Default", r.fallback, g_IniPath);
        lstrcpynW(g_AudioDeviceName, r.device, kAudioDeviceNameCap);
        CHECK(m_Balance_ReadForDevice() == r.want);
    }
    g_AudioDeviceName[0] = 0;
    g_IniPath[0] = 0;
}

TEST_CASE("a seek-bar position is held within the length and kept off the last second")
{
    struct Row {
        int ms, started, want, toEnd;
    };
    const Row rows[] = {
        {15000, 1, 15000, 0}, {-20, 1, 0, 0},       {19200, 1, 20000, 1},
        {19200, 0, 19200, 0}, {25000, 0, 20000, 0}, {25000, 1, 20000, 1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.ms);
        CAPTURE(r.started);
        int toEnd = -1;
        CHECK(m_SeekTarget(r.ms, 20000, r.started, &toEnd) == r.want);
        CHECK(toEnd == r.toEnd);
    }
}
