// Editing the device table: order, numbers, skip flags and removal.
#include "playback/AudioDeviceList.h"

#include <wchar.h>

#include "settings/Settings.h"

namespace {

// Number 0 sorts after 9.
int m_SortKey(int number) { return number > 0 ? number : kAudioDeviceNumberCap; }

int m_Valid(int index) { return index >= 0 && index < g_AudioDevices.Count; }

// The kept indexes are found again by their records' names after the
// records moved.
struct SKEPTNAMES {
    wchar_t Configured[kAudioDeviceNameCap];
    wchar_t Default[kAudioDeviceNameCap];
    wchar_t InUse[kAudioDeviceNameCap];
};

void m_KeepName(int index, wchar_t (&out)[kAudioDeviceNameCap])
{
    out[0] = 0;
    if (m_Valid(index)) wcsncpy_s(out, g_AudioDevices.Items[index].Name, _TRUNCATE);
}

SKEPTNAMES m_KeepNames()
{
    SKEPTNAMES k;
    m_KeepName(g_AudioDevices.Configured, k.Configured);
    m_KeepName(g_AudioDevices.DefaultIndex, k.Default);
    m_KeepName(g_AudioDeviceInUse, k.InUse);
    return k;
}

int m_Refind(const wchar_t* name) { return name[0] ? m_AudDev_IndexOf(name) : -1; }

void m_RestoreNames(const SKEPTNAMES& k)
{
    g_AudioDevices.Configured = m_Refind(k.Configured);
    g_AudioDevices.DefaultIndex = m_Refind(k.Default);
    g_AudioDeviceInUse = m_Refind(k.InUse);
}

}  // namespace

int m_AudDev_FreeNumber()
{
    for (int n = 1; n < kAudioDeviceNumberCap; ++n) {
        int taken = 0;
        for (int i = 0; i < g_AudioDevices.Count && !taken; ++i)
            taken = g_AudioDevices.Items[i].Number == n;
        if (!taken) return n;
    }
    return 0;
}

void m_AudDev_Sort()
{
    SAUDIODEVICES& t = g_AudioDevices;
    const SKEPTNAMES kept = m_KeepNames();
    // Insertion sort: stable, and the table is short.
    for (int i = 1; i < t.Count; ++i) {
        const SAUDIODEVICE moving = t.Items[i];
        int j = i;
        for (; j > 0 && m_SortKey(t.Items[j - 1].Number) > m_SortKey(moving.Number); --j)
            t.Items[j] = t.Items[j - 1];
        t.Items[j] = moving;
    }
    m_RestoreNames(kept);
}

int m_AudDev_DeleteMarked()
{
    SAUDIODEVICES& t = g_AudioDevices;
    const SKEPTNAMES kept = m_KeepNames();
    int kept_count = 0;
    for (int i = 0; i < t.Count; ++i)
        if (!t.Items[i].DeleteMark) t.Items[kept_count++] = t.Items[i];
    const int removed = kept_count != t.Count;
    t.Count = kept_count;
    m_RestoreNames(kept);
    m_AudDev_Write();
    return removed;
}

void m_AudDev_SetNumber(int index, int number)
{
    if (!m_Valid(index) || number < 0 || number >= kAudioDeviceNumberCap) return;
    SAUDIODEVICE& d = g_AudioDevices.Items[index];
    const int old = d.Number;
    if (old == number) return;
    int holder = -1;
    for (int i = 0; number > 0 && i < g_AudioDevices.Count && holder < 0; ++i)
        if (i != index && g_AudioDevices.Items[i].Number == number) holder = i;
    d.Number = number;
    if (holder < 0) {
        m_AudDev_SwapMonitorNumbers(old, number);
    } else {
        // The holder's device keeps its monitors under its new number.
        const int given = old > 0 ? old : m_AudDev_FreeNumber();
        g_AudioDevices.Items[holder].Number = given;
        m_AudDev_SwapMonitorNumbers(number, given);
    }
    m_AudDev_Write();
}

void m_AudDev_SetSkip(int index, int value)
{
    if (!m_Valid(index)) return;
    g_AudioDevices.Items[index].Skip = value ? 1 : 0;
    m_AudDev_Write();
}

void m_AudDev_SwapMonitorNumbers(int oldNumber, int newNumber)
{
    // A number of 0 stands for no device: monitors without one stay so.
    if (oldNumber == newNumber || oldNumber <= 0) return;
    int* monitors = g_Settings.Common_MonAud + 1;
    for (int i = 0; i + 1 < kMonitorAudioCap; ++i) {
        if (monitors[i] == oldNumber)
            monitors[i] = newNumber;
        else if (newNumber > 0 && monitors[i] == newNumber)
            monitors[i] = oldNumber;
    }
}
