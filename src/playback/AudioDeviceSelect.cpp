// The switch to another output device, its message and the volume offset.
#include "playback/AudioDeviceSelect.h"

#include <math.h>
#include <strsafe.h>
#include <wchar.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/Startup.h"
#include "base/ErrorLog.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/AudioCommands.h"
#include "playback/AudioDeviceLock.h"
#include "playback/AudioDeviceWait.h"
#include "playback/PlayPause.h"
#include "playback/VolumeControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "settings/SettingsValue.h"

namespace {

constexpr int kMessageMs = 3000;
constexpr int kLearnMs = 30000;
constexpr int kLearnTestMs = 6000;
constexpr int kVolumeStep = 500;
// The volume the switch left; what the user sets after it is learnt.
int s_KeptVolume = -1;

struct SWORDPAIR {
    const wchar_t* Find;
    const wchar_t* Replace;
};

const SWORDPAIR kShortWords[] = {
    {L"オーディオ", L"AUDIO"},
    {L"スピーカー", L"SPEAKER"},
    {L"デジタル", L"DIGITAL"},
    {L"デバイス", L"DEVICE"},
    {L"サウンド", L"SOUND"},
    {L"インターフェイス", L"INTERFACE"},
    {L"ステレオ", L"STEREO"},
    {L"ヘッドホン", L"HEADPHONE"},
    {L"ヘッドセット", L"HEADSET"},
    {L"\x3000", L" "},
    {L" ", L"````"},
};

// Replaces every find in text (cap characters with its end) in place;
// what does not fit is cut.
void m_ReplaceAll(wchar_t* text, int cap, const wchar_t* find, const wchar_t* replace)
{
    wchar_t out[1024];
    const size_t findLength = wcslen(find);
    int n = 0;
    for (const wchar_t* p = text; *p && n < 1023;) {
        if (wcsncmp(p, find, findLength) == 0) {
            for (const wchar_t* r = replace; *r && n < 1023; ++r) out[n++] = *r;
            p += findLength;
        } else {
            out[n++] = *p++;
        }
    }
    out[n] = 0;
    wcsncpy_s(text, cap, out, _TRUNCATE);
}

int m_RoundHundred(double v) { return static_cast<int>(lround(v / 100.0)) * 100; }

void m_ShowSwitch(const wchar_t* name, int changed, int found)
{
    wchar_t text[320];
    if (!name[0]) {
        m_OSD_ShowText(L"AUDIO````DEVICE : SYS````DEFAULT", 1, kMessageMs, -1, -1, -1, -1);
        return;
    }
    wchar_t shortName[256];
    m_AudioDevice_ShortName(name, shortName, 256);
    const int configured = _wcsicmp(name, g_Settings.Common_Audio) == 0;
    if (FAILED(StringCchPrintfW(text, 320, L"AUDIO````DEVICE : %s%s", shortName,
                                configured ? L"````[DEF]" : L"")))
        text[319] = 0;  // a cut name still says which device
    m_OSD_ShowText(text, changed && found ? 1 : 0, kMessageMs, 0, -1, -1, 2);
}

// The engine plays on the new device and takes its balance.
void m_Rebind()
{
    m_Balance_ReadForDevice();
    if (!g_VideoRenderer) return;
    const HRESULT hr = g_VideoRenderer->m_VR_SwitchAudioRenderer();
    // A file without sound has no renderer to move; the next open binds it.
    if (FAILED(hr) && hr != VFW_E_NOT_FOUND) return;
    m_Balance_ApplyDevice();
}

void m_ShowSystemVolumeMark()
{
    if (!m_SysVol_Open()) return;
    const int level = m_SysVol_Get();
    if (level >= 0) g_VolumeSlider.m_SetLevelMark(level / 100);
}

int m_OffsetOf(int index)
{
    return index >= 0 && index < g_AudioDevices.Count ? g_AudioDevices.Items[index].Offset : 0;
}

void m_MoveVolume(int fromIndex, int toIndex)
{
    const int volume = g_MainWindowState.nVolume;
    if (!g_InitDone || volume < 100) return;
    const int moved = m_AudDev_MoveVolume(volume, m_OffsetOf(fromIndex), m_OffsetOf(toIndex));
    if (moved != volume) m_Volume_ShowText(moved, 0);
    m_AudDev_StartLearning();
}

}  // namespace

void m_AudioDevice_Trace(const wchar_t* cause)
{
    if (!g_Settings.Main_Test) return;
    wchar_t line[400];
    // A cut line is still worth logging.
    (void)StringCchPrintfW(line, 400, L"AUDIODEV : dev=[%s] vol=%d mute=%d (%s)", g_AudioDeviceName,
                           g_MainWindowState.nVolume, g_Mute, cause);
    m_AppendLogLine(line);
}

void m_AudioDevice_ShortName(const wchar_t* name, wchar_t* out, int cap)
{
    wcsncpy_s(out, cap, name, _TRUNCATE);
    CharUpperBuffW(out, static_cast<DWORD>(wcslen(out)));
    for (const SWORDPAIR& w : kShortWords) m_ReplaceAll(out, cap, w.Find, w.Replace);
}

int m_AudDev_OffsetVolume(int volume, int offset)
{
    const int o = m_Clamp(offset, -kAudioOffsetLimit, kAudioOffsetLimit);
    if (o > 0) return m_RoundHundred(volume / ((100 - o) / 100.0));
    if (o < 0) return m_RoundHundred((o + 100) / 100.0 * volume);
    return volume;
}

int m_AudDev_MoveVolume(int volume, int fromOffset, int toOffset)
{
    const int plain =
        m_AudDev_OffsetVolume(volume, -m_Clamp(fromOffset, -kAudioOffsetLimit, kAudioOffsetLimit));
    const int moved = m_AudDev_OffsetVolume(plain, toOffset);
    const int stepped = (moved + kVolumeStep / 2) / kVolumeStep * kVolumeStep;
    return m_Clamp(stepped, 100, 10000);
}

int m_AudDev_LearnOffset(int kept, int volume, int offset)
{
    const int o = m_Clamp(offset, -kAudioOffsetLimit, kAudioOffsetLimit);
    const double base = o >= 0 ? kept * (100 - o) / 100.0 : kept / ((100 + o) / 100.0);
    const long b = lround(base);
    if (b <= 0 || volume <= 0) return o;
    const long learnt =
        volume <= b ? lround(volume * 100.0 / b - 100.0) : -lround(b * 100.0 / volume - 100.0);
    return m_Clamp(static_cast<int>(learnt), -kAudioOffsetLimit, kAudioOffsetLimit);
}

void m_AudDev_StartLearning()
{
    if (!g_Settings.Common_AtVol || !m_IsPlaying()) return;
    s_KeptVolume = g_MainWindowState.nVolume;
    SetTimer(g_hWndMain, kTimerAudDevSave, g_Settings.Main_Test ? kLearnTestMs : kLearnMs, nullptr);
}

void m_AudDev_OnLearnTimer()
{
    KillTimer(g_hWndMain, kTimerAudDevSave);
    const int volume = g_MainWindowState.nVolume;
    const int i = g_AudioDeviceInUse;
    if (!m_IsPlaying() || volume < 100 || volume == s_KeptVolume || s_KeptVolume < 0 || i < 0 ||
        i >= g_AudioDevices.Count)
        return;
    SAUDIODEVICE& d = g_AudioDevices.Items[i];
    const int learnt = m_AudDev_LearnOffset(s_KeptVolume, volume, d.Offset);
    if (learnt == d.Offset) return;
    d.Offset = learnt;
    m_AudDev_Write();
    m_AudioDevice_Trace(L"learn");
}

void m_AudioDevice_StartUp()
{
    wcsncpy_s(g_AudioDeviceName, g_Settings.Common_Audio, _TRUNCATE);
    g_AudioDevices.Changed = 1;
    m_AudDev_Enumerate();
}

int m_AudioDevice_Select(const wchar_t* name, int show, int byUser)
{
    if (!name) name = L"";
    const int changed = wcscmp(name, g_AudioDeviceName) != 0;
    int found = 1, index = -1;
    if (name[0])
        found = m_AudDev_FindByName(name, 1, &index, nullptr);
    else
        index = m_AudDev_GetDefaultName(nullptr, 0, 0);
    // The lookup may have rebuilt the table: the old record is found anew.
    const int before =
        g_AudioDeviceName[0] ? m_AudDev_IndexOf(g_AudioDeviceName) : g_AudioDevices.DefaultIndex;
    if (found) g_AudioDeviceInUse = index;
    if (changed && (found || !g_MediaOpen)) wcsncpy_s(g_AudioDeviceName, name, _TRUNCATE);
    if (show) m_ShowSwitch(name, changed, found);
    if (changed) {
        m_SystemVolume_OnPlayState(0);
        if (found && g_MediaOpen) m_Rebind();
    }
    if (byUser) g_AudioDeviceByMonitor = 0;
    if (g_Settings.Common_SysVol) m_ShowSystemVolumeMark();
    if (changed && found) m_MoveVolume(before, g_AudioDeviceInUse);
    if (changed) {
        if (g_Settings.Common_AudLk[0] >= 1) m_AudDev_SelectCurrent();
        if (byUser) m_AudioDevice_ClearWait();
    }
    m_AudioDevice_Trace(L"select");
    return found;
}
