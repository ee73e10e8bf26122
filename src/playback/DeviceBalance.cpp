// The output device's balance: one [Balance] key per device name and the
// key "Default", handed to the engine's balance.
#include <wchar.h>

#include "engine/VideoRenderer.h"
#include "playback/AudioDeviceName.h"
#include "playback/VolumeControl.h"
#include "settings/IniPath.h"

namespace {

// The old "no key" value, still met in settings files.
constexpr int kBalanceAbsent = 999;
constexpr int kBalanceTextCap = 32;
int g_DeviceBalance;
int g_DeviceBalanceRead;

// 1 with the key's whole number in out; a missing key, a text that is not
// a number and the old "no key" value all count as absent.
int m_ReadBalanceKey(const wchar_t* key, int* out)
{
    wchar_t text[kBalanceTextCap] = {};
    GetPrivateProfileStringW(L"Balance", key, L"", text, kBalanceTextCap, g_IniPath);
    wchar_t* end = nullptr;
    const long value = wcstol(text, &end, 10);
    if (end == text) return 0;
    while (*end == L' ' || *end == L'\t') ++end;
    if (*end || value == kBalanceAbsent) return 0;
    *out = value < -100 ? -100 : (value > 100 ? 100 : static_cast<int>(value));
    return 1;
}

}  // namespace

int m_Balance_ReadForDevice()
{
    int balance = 0;
    if (!(g_AudioDeviceName[0] && m_ReadBalanceKey(g_AudioDeviceName, &balance)) &&
        !m_ReadBalanceKey(L"Default", &balance))
        balance = 0;
    g_DeviceBalance = balance;
    g_DeviceBalanceRead = 1;
    return g_DeviceBalance;
}

void m_Balance_ApplyDevice()
{
    if (!g_VideoRenderer) return;
    // Read once, at the first open, until a device switch reads it again.
    if (!g_DeviceBalanceRead) m_Balance_ReadForDevice();
    const HRESULT hr = g_VideoRenderer->m_VR_SetBalance(g_DeviceBalance * 100);
    m_Volume_Trace(L"VOL : balance=%d%s device=[%s]", g_DeviceBalance * 100,
                   SUCCEEDED(hr) ? L"" : L" (not taken)", g_VideoRenderer->m_GetAudioDeviceName());
}
