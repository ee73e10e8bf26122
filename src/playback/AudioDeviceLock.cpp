// The keep-alive of a locked device and the device timers.
#include "playback/AudioDeviceLock.h"

#include <wchar.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "base/Chime.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/PlayPause.h"
#include "settings/Settings.h"

STESTTONE g_TestTone;

namespace {

// A chime of its own: the keep-alive stays open on its device while the
// shared chime plays elsewhere.
CChime s_KeepAlive;
wchar_t s_KeepAliveDevice[kAudioDeviceNameCap];
DWORD s_KeepAliveStart;

void m_CloseKeepAlive()
{
    s_KeepAlive.m_Release();
    s_KeepAliveDevice[0] = 0;
}

void m_OpenKeepAlive(const wchar_t* name)
{
    if (s_KeepAlive.m_IsOpened() && wcscmp(s_KeepAliveDevice, name) == 0) return;
    m_CloseKeepAlive();
    // Level 0 builds silence: the device is kept busy, not heard. Without a
    // tone the buffer is silent all the same.
    (void)s_KeepAlive.m_Synthesize(0);
    if (!s_KeepAlive.m_OpenByName(name)) return;
    wcsncpy_s(s_KeepAliveDevice, name, _TRUNCATE);
    s_KeepAlive.m_Chime_Play();
}

void m_OnKeepAliveTimer()
{
    const DWORD longest =
        static_cast<DWORD>(g_Settings.Common_AudLk[2] > 0 ? g_Settings.Common_AudLk[2] : 0);
    if ((GetTickCount() - s_KeepAliveStart) / 1000 > longest) {
        KillTimer(g_hWndMain, kTimerAudDevLock);
        return;
    }
    s_KeepAlive.m_Chime_Play();
}

}  // namespace

void m_AudDev_SelectCurrent()
{
    wchar_t name[kAudioDeviceNameCap];
    wcsncpy_s(name, g_AudioDeviceName, _TRUNCATE);
    if (!name[0]) m_AudDev_GetDefaultName(name, kAudioDeviceNameCap, 0);
    const int index = name[0] ? m_AudDev_IndexOf(name) : -1;
    m_AudDev_SetLock(index >= 0 && g_AudioDevices.Items[index].Lock, index);
}

void m_AudDev_SetLock(int locked, int index)
{
    const int valid = index >= 0 && index < g_AudioDevices.Count;
    if (locked && valid)
        m_OpenKeepAlive(g_AudioDevices.Items[index].Name);
    else
        m_CloseKeepAlive();
    if (locked && valid && g_Settings.Common_AudLk[0] >= 2 && m_IsNotPlaying()) {
        const int seconds = g_Settings.Common_AudLk[1] > 0 ? g_Settings.Common_AudLk[1] : 1;
        SetTimer(g_hWndMain, kTimerAudDevLock, static_cast<UINT>(seconds) * 1000, nullptr);
        s_KeepAliveStart = GetTickCount();
    } else {
        KillTimer(g_hWndMain, kTimerAudDevLock);
    }
}

void m_TestTone_Stop()
{
    KillTimer(g_hWndMain, kTimerTestTone);
    STESTTONE& t = g_TestTone;
    if (!t.Device) return;
    waveOutReset(t.Device);
    if (t.Header.dwFlags & WHDR_PREPARED)
        waveOutUnprepareHeader(t.Device, &t.Header, sizeof(WAVEHDR));
    waveOutClose(t.Device);
    t.Device = nullptr;
    t.Header = WAVEHDR{};
}

int m_AudioDevice_OnTimer(UINT id)
{
    switch (id) {
        case kTimerAudDevSave:
            m_AudDev_OnLearnTimer();
            return 1;
        case kTimerTestTone:
            m_TestTone_Stop();
            return 1;
        case kTimerAudDevLock:
            m_OnKeepAliveTimer();
            return 1;
    }
    return 0;
}
