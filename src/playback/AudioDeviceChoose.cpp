// Choosing a device for the user: by its number, in turn, and by the
// monitor the window is on.
#include <strsafe.h>
#include <wchar.h>

#include "app/FullScreenState.h"
#include "app/MonitorTable.h"
#include "app/StatusText.h"
#include "base/SoundCue.h"
#include "playback/AudioDeviceSelect.h"
#include "settings/Settings.h"

namespace {

constexpr int kMissingCue = 1;

// The 0-based monitor number of the full-screen window or of the main
// window's centre, -1 when none.
int m_CurrentMonitor()
{
    if (!g_FullScreen || !g_hWndFullScreen) return m_Monitor_FromWindow();
    const HMONITOR monitor = MonitorFromWindow(g_hWndFullScreen, MONITOR_DEFAULTTONULL);
    for (int i = 0; monitor && i < g_MonitorTable.nCount; ++i)
        if (g_MonitorTable.Items[i].hMonitor == monitor) return m_Monitor_MapIndex(i, 0);
    return -1;
}

int m_BackToConfigured(int show)
{
    m_AudioDevice_Select(g_Settings.Common_Audio, show, 0);
    g_AudioDeviceByMonitor = 0;
    return 0;
}

// The record after the current one, round the table once, that is present
// and not skipped; -1 none.
int m_NextDevice()
{
    const SAUDIODEVICES& t = g_AudioDevices;
    const int current = g_AudioDeviceName[0] ? m_AudDev_IndexOf(g_AudioDeviceName) : t.DefaultIndex;
    for (int step = 1; step <= t.Count; ++step) {
        const int i = ((current < 0 ? -1 : current) + step) % t.Count;
        if (t.Items[i].Present && !t.Items[i].Skip) return i;
    }
    return -1;
}

}  // namespace

int m_AudioDevice_Apply(int show)
{
    if (!g_Settings.Common_MonAud[0]) return g_AudioDeviceByMonitor ? m_BackToConfigured(show) : 0;
    const int monitor = m_CurrentMonitor();
    const int number =
        monitor >= 0 && monitor + 1 < kMonitorAudioCap ? g_Settings.Common_MonAud[monitor + 1] : 0;
    const int index = number > 0 ? m_AudDev_FindByNumber(number) : -1;
    if (index >= 0) {
        if (wcscmp(g_AudioDeviceName, g_Settings.Common_Audio) == 0 || g_AudioDeviceByMonitor) {
            wchar_t name[kAudioDeviceNameCap];
            wcsncpy_s(name, g_AudioDevices.Items[index].Name, _TRUNCATE);
            m_AudioDevice_Select(name, show, 1);
            g_AudioDeviceByMonitor = 1;
            return number;
        }
        if (show) m_OSD_ShowText(L"AUDIO````DEVICE : [`NO````CHANGE`]", 0, -1, -1, -1, -1, -1);
        return -1;
    }
    if (g_AudioDeviceByMonitor) return m_BackToConfigured(show);
    if (number > 0 && show)
        m_OSD_ShowText(L"AUDIO````DEVICE : [`NOT````FOUND`]", 0, -1, -1, -1, -1, -1);
    return -1;
}

void m_AudioDevice_Choose(int value)
{
    m_AudioDevice_Trace(L"choose");
    g_AudioDevices.Changed = 1;
    m_AudDev_Enumerate();
    wchar_t name[kAudioDeviceNameCap] = L"";
    if (value > 0) {
        const int index = m_AudDev_FindByNumber(value);
        if (index < 0) {
            wchar_t text[64];
            if (SUCCEEDED(
                    StringCchPrintfW(text, 64, L"AUDIO````DEVICE````[%d] : NOT````FOUND", value)))
                m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
            m_PlaySoundCue(kMissingCue);
            return;
        }
        wcsncpy_s(name, g_AudioDevices.Items[index].Name, _TRUNCATE);
    } else if (value < 0) {
        if (g_AudioDeviceEnumCount < 2) return;
        const int index = m_NextDevice();
        if (index < 0) {
            m_OSD_ShowText(L"AUDIO````DEVICE : NOT````FOUND", -1, -1, -1, -1, -1, -1);
            m_PlaySoundCue(kMissingCue);
            return;
        }
        wcsncpy_s(name, g_AudioDevices.Items[index].Name, _TRUNCATE);
    }
    m_AudioDevice_Select(name, 1, 1);
}
