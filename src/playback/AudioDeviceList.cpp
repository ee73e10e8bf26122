// The device table against [AudDev] and the system's device list.
#include "playback/AudioDeviceList.h"

#include <wchar.h>

#include "engine/SystemAudio.h"
#include "engine/VideoRenderer.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsValue.h"

SAUDIODEVICES g_AudioDevices = {{}, 0, 1, -1, -1};
int g_AudioDeviceEnumCount;
int g_AudioDeviceInUse = -1;
int g_AudioDeviceByMonitor;
FAudioDeviceLister g_AudioDeviceLister = m_AudDev_ListSystem;

namespace {

const wchar_t kSection[] = L"AudDev";
// Keys looked at past a stored "Count": a broken count cannot make the
// reader or the writer walk millions of keys.
constexpr int kKeySweepCap = 256;

void m_KeyOf(int index, wchar_t (&key)[16]) { _snwprintf_s(key, 16, _TRUNCATE, L"%d", index); }

void m_RemoveAt(int index)
{
    SAUDIODEVICES& t = g_AudioDevices;
    for (int i = index; i + 1 < t.Count; ++i) t.Items[i] = t.Items[i + 1];
    --t.Count;
}

// Room for one more record: the first record that is not present goes.
int m_MakeRoom()
{
    SAUDIODEVICES& t = g_AudioDevices;
    if (t.Count < kAudioDeviceCap) return 1;
    for (int i = 0; i < t.Count; ++i) {
        if (!t.Items[i].Present) {
            m_RemoveAt(i);
            return 1;
        }
    }
    return 0;
}

void m_AppendDevice(const wchar_t* name, int enumIndex, int isDefault)
{
    if (!m_MakeRoom()) return;
    SAUDIODEVICE& d = g_AudioDevices.Items[g_AudioDevices.Count];
    d = SAUDIODEVICE{};
    wcsncpy_s(d.Name, name, _TRUNCATE);
    d.Number = m_AudDev_FreeNumber();
    d.Present = 1;
    d.EnumIndex = enumIndex;
    d.Default = isDefault;
    ++g_AudioDevices.Count;
}

// Marks the listed devices present; appends the ones without a record.
void m_MatchDevices(const SAUDIODEVICELIST& list)
{
    int added = 0;
    for (int e = 0; e < list.Count; ++e) {
        const int isDefault = list.DefaultName[0] && wcscmp(list.Names[e], list.DefaultName) == 0;
        const int i = m_AudDev_IndexOf(list.Names[e]);
        if (i >= 0) {
            g_AudioDevices.Items[i].Present = 1;
            g_AudioDevices.Items[i].EnumIndex = e;
            g_AudioDevices.Items[i].Default = isDefault;
        } else if (list.Names[e][0]) {
            m_AppendDevice(list.Names[e], e, isDefault);
            added = 1;
        }
    }
    if (added) m_AudDev_Write();
}

void m_FindKeptIndexes()
{
    SAUDIODEVICES& t = g_AudioDevices;
    t.Configured = g_Settings.Common_Audio[0] ? m_AudDev_IndexOf(g_Settings.Common_Audio) : -1;
    t.DefaultIndex = -1;
    for (int i = 0; i < t.Count && t.DefaultIndex < 0; ++i)
        if (t.Items[i].Default) t.DefaultIndex = i;
    g_AudioDeviceInUse =
        g_AudioDeviceName[0] ? m_AudDev_IndexOf(g_AudioDeviceName) : t.DefaultIndex;
}

}  // namespace

void m_AudDev_ListSystem(SAUDIODEVICELIST* out)
{
    *out = SAUDIODEVICELIST{};
    if (m_GetDefaultDirectSoundName())
        wcsncpy_s(out->DefaultName, g_DefaultDirectSoundName, _TRUNCATE);
    wchar_t* names[kVrAudioRendererCap] = {};
    const int n = m_VR_EnumAudioRenderers(names);
    for (int i = 0; i < n; ++i) {
        if (names[i] && out->Count < kAudioDeviceEnumCap)
            wcsncpy_s(out->Names[out->Count++], names[i], _TRUNCATE);
        delete[] names[i];
    }
}

int m_AudDev_ParseRecord(const wchar_t* text, SAUDIODEVICE* out)
{
    *out = SAUDIODEVICE{};
    const wchar_t* first = wcschr(text, L',');
    const wchar_t* second = first ? wcschr(first + 1, L',') : nullptr;
    if (!second || !second[1]) return 0;
    // A number out of 1..9 is no number.
    const int number = m_LeadingInt(text);
    out->Number = number > 0 && number < kAudioDeviceNumberCap ? number : 0;
    const int flags = m_HexValue(first + 1);
    out->Skip = flags & 1;
    out->Lock = (flags >> 1) & 1;
    // Only a "/" before the second comma is the offset's: a name may hold one.
    const wchar_t* slash = wcschr(first + 1, L'/');
    if (slash && slash < second)
        out->Offset = m_Clamp(m_LeadingInt(slash + 1), -kAudioOffsetLimit, kAudioOffsetLimit);
    wcsncpy_s(out->Name, second + 1, _TRUNCATE);
    out->EnumIndex = -1;
    return 1;
}

void m_AudDev_Read()
{
    SAUDIODEVICES& t = g_AudioDevices;
    t.Count = 0;
    int stored = m_ReadSettingInt(kSection, L"Count", 0);
    if (stored > kKeySweepCap) stored = kKeySweepCap;
    for (int i = 0; i < stored && t.Count < kAudioDeviceCap; ++i) {
        wchar_t key[16], value[kSettingValueCap];
        m_KeyOf(i, key);
        SAUDIODEVICE d;
        // A missing, broken or repeated record leaves no gap: the rest pack up.
        if (!m_ReadSettingValue(kSection, key, value) || !m_AudDev_ParseRecord(value, &d) ||
            m_AudDev_IndexOf(d.Name) >= 0)
            continue;
        t.Items[t.Count++] = d;
    }
}

void m_AudDev_Write()
{
    const SAUDIODEVICES& t = g_AudioDevices;
    CSettingsFileWrite batch;
    int old = m_ReadSettingInt(kSection, L"Count", 0);
    if (old > kKeySweepCap) old = kKeySweepCap;
    wchar_t key[16];
    for (int i = t.Count; i < old; ++i) {
        m_KeyOf(i, key);
        m_WriteSettingText(kSection, key, nullptr);
    }
    m_WriteSettingF(kSection, L"Count", L"%d", t.Count);
    for (int i = 0; i < t.Count; ++i) {
        const SAUDIODEVICE& d = t.Items[i];
        wchar_t offset[16] = L"";
        if (d.Offset) _snwprintf_s(offset, 16, _TRUNCATE, L"/%d", d.Offset);
        m_KeyOf(i, key);
        m_WriteSettingF(kSection, key, L"%d,%X%s,%s", d.Number, (d.Skip ? 1 : 0) | (d.Lock ? 2 : 0),
                        offset, d.Name);
    }
}

void m_AudDev_Enumerate()
{
    SAUDIODEVICES& t = g_AudioDevices;
    if (!t.Changed) return;
    t.Changed = 0;
    t.Configured = t.DefaultIndex = -1;
    SAUDIODEVICELIST list;
    g_AudioDeviceLister(&list);
    if (list.Count > kAudioDeviceEnumCap) list.Count = kAudioDeviceEnumCap;
    if (list.Count < 0) list.Count = 0;
    g_AudioDeviceEnumCount = list.Count;
    m_AudDev_Read();
    m_MatchDevices(list);
    m_FindKeptIndexes();
    if (t.Configured < 0 && !g_Settings.Common_Audio[0]) t.Configured = t.DefaultIndex;
    m_AudDev_Sort();
}

int m_AudDev_IndexOf(const wchar_t* name)
{
    for (int i = 0; i < g_AudioDevices.Count; ++i)
        if (wcscmp(g_AudioDevices.Items[i].Name, name) == 0) return i;
    return -1;
}

int m_AudDev_FindByName(const wchar_t* name, int refresh, int* index, int* number)
{
    if (refresh) g_AudioDevices.Changed = 1;
    m_AudDev_Enumerate();
    const int i = name && name[0] ? m_AudDev_IndexOf(name) : -1;
    if (i < 0 || !g_AudioDevices.Items[i].Present) return 0;
    if (index) *index = i;
    if (number) *number = g_AudioDevices.Items[i].Number;
    return 1;
}

int m_AudDev_FindByNumber(int number)
{
    g_AudioDevices.Changed = 1;
    m_AudDev_Enumerate();
    if (number <= 0) return -1;
    for (int i = 0; i < g_AudioDevices.Count; ++i) {
        const SAUDIODEVICE& d = g_AudioDevices.Items[i];
        if (d.Present && d.Number == number) return i;
    }
    return -1;
}

int m_AudDev_GetDefaultName(wchar_t* out, int cap, int refresh)
{
    if (refresh) g_AudioDevices.Changed = 1;
    m_AudDev_Enumerate();
    const int i = g_AudioDevices.DefaultIndex;
    if (out && cap > 0) {
        out[0] = 0;
        if (i >= 0) wcsncpy_s(out, cap, g_AudioDevices.Items[i].Name, _TRUNCATE);
    }
    return i;
}
