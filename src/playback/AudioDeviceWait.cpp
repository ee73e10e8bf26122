// Following devices that vanish and come back.
#include "playback/AudioDeviceWait.h"

#include <wchar.h>

#include "app/StatusText.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/PlayPause.h"
#include "playback/VolumeControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

SAUDIODEVICEWAIT g_AudioDeviceWait = {L"", 0, 0, -1, 0};

namespace {

constexpr WPARAM kDeviceNotice = 2;
constexpr int kMessageMs = 5000;
constexpr int kMessageBlinks = 3;
constexpr int kVolumeStep = 500;

enum : int { kActHalve = 1, kActMute = 2, kActPause = 3 };

int m_WaitedTooLong()
{
    const int longest = g_Settings.Common_AudDsc[2];
    const DWORD began = g_AudioDeviceWait.Tick;
    return longest > 0 && began && (GetTickCount() - began) / 1000 > static_cast<DWORD>(longest);
}

// The awaited device is back: 1 when it was taken again.
int m_Reconnect()
{
    SAUDIODEVICEWAIT& w = g_AudioDeviceWait;
    if (!g_Settings.Common_AudDsc[1]) return 0;
    if (m_WaitedTooLong()) {
        m_AudioDevice_Trace(L"expired");
        return 0;
    }
    if (w.Reason == 0) {
        wchar_t name[kAudioDeviceNameCap];
        wcsncpy_s(name, w.Name, _TRUNCATE);
        // Awaited since an open that found it missing: the name never
        // changed, but the engine plays on the default until it is rebound.
        if (wcscmp(g_AudioDeviceName, name) == 0) g_AudioDeviceName[0] = 0;
        m_AudioDevice_Select(name, 0, 0);
    } else {
        const int i = g_AudioDevices.DefaultIndex;
        if (i >= 0 && wcscmp(g_AudioDevices.Items[i].Name, w.Name) != 0) return 0;
        m_AudioDevice_Select(L"", 0, 0);
    }
    const int action = g_Settings.Common_AudDsc[0];
    if (action == kActPause && !m_IsPlaying() && g_MediaOpen)
        m_PlayPause(-1);
    else if (action == kActMute)
        m_Mute_Set(0);
    else if (action == kActHalve && w.Volume >= 0)
        m_Volume_ShowText(w.Volume, 0);
    // The volume given back is not the user's choice for this device.
    m_AudDev_StartLearning();
    m_OSD_ShowText(L"RECONNECTED````AUDIO````DEVICE", 1, kMessageMs, kMessageBlinks, -1, -1, -1);
    m_AudioDevice_Trace(L"back");
    return 1;
}

// The device in use is gone: 1 when it is now awaited.
int m_StartWaiting(const wchar_t* lastDefault)
{
    if (g_AudioDeviceName[0]) {
        if (m_AudDev_FindByName(g_AudioDeviceName, 0, nullptr, nullptr)) return 0;
        // Already awaited: the volume was lowered once and stays so.
        if (g_AudioDeviceWait.Waiting) return 0;
        m_AudioDevice_SetWait(g_AudioDeviceName, 0, 0);
        return 1;
    }
    if (!lastDefault[0] || g_AudioDeviceEnumCount == 0) return 0;
    if (m_AudDev_FindByName(lastDefault, 0, nullptr, nullptr)) return 0;
    if (g_AudioDeviceWait.Waiting) return 0;
    m_AudioDevice_SetWait(lastDefault, 1, 0);
    return 1;
}

}  // namespace

void m_AudioDevice_SetWait(const wchar_t* name, int reason, int noVolume)
{
    SAUDIODEVICEWAIT& w = g_AudioDeviceWait;
    wcsncpy_s(w.Name, name ? name : L"", _TRUNCATE);
    w.Waiting = 1;
    w.Reason = reason;
    if (noVolume) return;
    w.Volume = g_MainWindowState.nVolume;
    // 0 means "not waiting": a tick count that happens to be 0 is taken as 1.
    w.Tick = GetTickCount();
    if (!w.Tick) w.Tick = 1;
}

void m_AudioDevice_ClearWait()
{
    SAUDIODEVICEWAIT& w = g_AudioDeviceWait;
    w.Name[0] = 0;
    w.Waiting = 0;
    w.Volume = -1;
    w.Tick = 0;
}

void m_AudioDevice_WaitIfAbsent()
{
    if (!g_AudioDeviceName[0] || g_AudioDeviceWait.Waiting) return;
    if (!m_AudDev_FindByName(g_AudioDeviceName, 0, nullptr, nullptr))
        m_AudioDevice_SetWait(g_AudioDeviceName, 0, 0);
}

void m_AudioDevice_OnChange()
{
    // The default device the table knew before this change: when it is the
    // one that went, the new list no longer says which it was.
    wchar_t lastDefault[kAudioDeviceNameCap] = L"";
    const int known = g_AudioDevices.DefaultIndex;
    if (known >= 0 && known < g_AudioDevices.Count)
        wcsncpy_s(lastDefault, g_AudioDevices.Items[known].Name, _TRUNCATE);
    if (g_AudioDeviceWait.Waiting &&
        m_AudDev_FindByName(g_AudioDeviceWait.Name, 1, nullptr, nullptr)) {
        m_Reconnect();
        m_AudioDevice_ClearWait();
        return;
    }
    m_AudDev_Enumerate();
    if (!g_MediaOpen || !m_StartWaiting(lastDefault)) return;
    m_AudioDevice_Select(L"", 0, 0);
    const int action = g_Settings.Common_AudDsc[0];
    if (action == kActPause)
        m_Pause();
    else if (action == kActMute)
        m_Mute_Set(1);
    else if (action == kActHalve)
        m_Volume_ShowText(g_MainWindowState.nVolume / 2 / kVolumeStep * kVolumeStep, 0);
    m_AudDev_StartLearning();
    m_OSD_ShowText(L"DISCONNECTED````AUDIO````DEVICE", 1, kMessageMs, kMessageBlinks, -1, -1, -1);
    m_AudioDevice_Trace(L"lost");
}

int m_AudioDevice_OnNotice(WPARAM code)
{
    if (code != kDeviceNotice) return 0;
    g_AudioDevices.Changed = 1;
    m_AudioDevice_OnChange();
    return 1;
}
