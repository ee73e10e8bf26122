// The player's volume: kept in [Main] "Vol", shown on the volume slider
// and handed to the engine; and the output device's balance.
#include "playback/VolumeControl.h"

#include <math.h>
#include <strsafe.h>

#include "app/StatusText.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/AudioDeviceName.h"
#include "playback/PlayState.h"
#include "settings/IniPath.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kBalanceAbsent = 999;
int g_DeviceBalance;
int g_DeviceBalanceRead;

int m_Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

// Decimals that show the value as it is: whole, tenths or hundredths.
int m_DecimalsOf(int volume) { return volume % 100 == 0 ? 0 : (volume % 10 == 0 ? 1 : 2); }

}  // namespace

long m_Volume_EngineValue(int volume)
{
    const double v = m_Clamp(volume, 0, 10000) / 10000.0;
    const long value = static_cast<long>(10000.0 * pow(v, 0.25) - 0.5 - 10000.0);
    return value < -10000 ? -10000 : value;
}

long m_Volume_ToEngine(int volume)
{
    if (!g_VideoRenderer) return -1;
    const long value = m_Volume_EngineValue(volume);
    // A file without sound has no audio renderer to take it; the engine
    // keeps the value for the next one.
    (void)g_VideoRenderer->m_VR_SetVolume(value);
    return value;
}

const wchar_t* m_Volume_FormatPercent(int value, int decimals)
{
    static wchar_t text[16];
    const wchar_t* format = decimals == 0 ? L"%0.0f" : (decimals == 1 ? L"%0.1f" : L"%0.2f");
    // A cut text is still the right number's start.
    (void)StringCchPrintfW(text, 16, format, value / 100.0);
    return text;
}

int m_Volume_ShowText(int volume, int show)
{
    volume = m_Clamp(volume, 0, 10000);
    const int changed = volume != g_MainWindowState.nVolume;
    g_MainWindowState.nVolume = volume;
    if (g_MediaOpen) m_Volume_ToEngine(volume);
    g_VolumeSlider.m_SetPos((volume + 50) / 100);
    if (show) {
        wchar_t text[64];
        (void)StringCchPrintfW(text, 64, L"VOL````%s%%`",
                               m_Volume_FormatPercent(volume, m_DecimalsOf(volume)));
        if (changed)
            m_OSD_ShowText(text, 1, -1, -1, -1, -1, -1);
        else
            m_OSD_ShowText(text, 0, -1, 0, 10, -1, -1);
    }
    if (changed) m_Settings_ScheduleSave(MAIN_GROUP_VOLUME);
    return volume;
}

int m_Balance_ReadForDevice()
{
    int balance = kBalanceAbsent;
    if (g_AudioDeviceName[0])
        balance = GetPrivateProfileIntW(L"Balance", g_AudioDeviceName, kBalanceAbsent, g_IniPath);
    if (balance == kBalanceAbsent)
        balance = GetPrivateProfileIntW(L"Balance", L"Default", 0, g_IniPath);
    g_DeviceBalance = m_Clamp(balance, -100, 100);
    g_DeviceBalanceRead = 1;
    return g_DeviceBalance;
}

void m_Balance_ApplyDevice()
{
    if (!g_VideoRenderer) return;
    // Read once, at the first open, until a device switch reads it again.
    if (!g_DeviceBalanceRead) m_Balance_ReadForDevice();
    (void)g_VideoRenderer->m_VR_SetBalance(g_DeviceBalance * 100);
}

void m_Volume_ApplyOnOpen()
{
    m_Volume_ToEngine(g_MainWindowState.nVolume);
    m_Balance_ApplyDevice();
}

int g_Mute;

void m_Mute_Set(int on) { g_Mute = on ? 1 : 0; }

int m_SysVol_Open() { return 0; }

void m_SysVol_Close() {}

int m_SysVol_Get() { return -1; }

int m_SysVol_Set(int) { return 0; }
