// The player's volume: kept in [Main] "Vol", shown on the volume slider, the
// status bar and the on-screen bars, and handed to the engine; the volume
// keys step it, or the system master volume once it stands at 100 %.
#include "playback/VolumeControl.h"

#include <math.h>
#include <stdarg.h>
#include <strsafe.h>

#include "app/OsdBars.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "base/ErrorLog.h"
#include "base/Geometry.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/AudioCommands.h"
#include "playback/PlayState.h"
#include "playback/SystemVolume.h"
#include "playback/VideoPropApply.h"
#include "playback/VolumeText.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "timer/TimerTicks.h"
#include "timer/VolumeFade.h"

namespace {

constexpr int kTraceLineCap = 160;
constexpr int kTraceKinds = 12;

constexpr int kVolumeFull = 10000;
// The time display's switch that ends its text with the volume.
constexpr int kTimeFlagVolume = 4;

int m_Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

void m_ShowOnBars(int volume)
{
    m_OSD_SetBarsVolume(volume / 100);
    if (!g_Settings.Osc_Mode) return;
    const int hideMs = g_Settings.Osc_Mode == 2 && g_PlayStarted ? g_Settings.Osc_TmSeek * 10 : -1;
    m_OSD_ShowBars(0, -1, 1, hideMs, 1);
}

void m_ShowVolume(int volume, int changed)
{
    SVOLUMETEXTFACTS f;
    m_Volume_ReadTextFacts(&f);
    wchar_t text[kVolumeTextCap];
    m_VolumeText_Player(text, kVolumeTextCap, volume, g_VolumeDecimals, f);
    // A muted volume may be shown plain, as the other switched-off states.
    const int colour = changed && !(g_Mute && g_Settings.Ctrl_SttDisClr) ? 1 : 0;
    if (changed)
        m_OSD_ShowText(text, colour, -1, -1, -1, -1, -1);
    else
        m_OSD_ShowText(text, colour, -1, 0, 10, -1, -1);
    m_ShowOnBars(volume);
}

// The system master volume takes the step at 100 % while sound plays (or
// always in test mode).
int m_StepGoesToSystem(int systemStep)
{
    if (g_MainWindowState.nVolume != kVolumeFull || !g_Settings.Common_SysVol || !systemStep)
        return 0;
    return (g_MediaOpen && g_PlayStarted && !g_Mute) || g_Settings.Main_Test;
}

// 1 when the step was taken by the system volume (or failed there).
int m_StepSystem(int systemStep)
{
    const SSYSVOLSTEP r = m_SysVol_Step(systemStep, g_Settings.Common_SysVolTm);
    if (r.result == SYSVOL_STEP_PLAYER) return 0;
    if (r.result == SYSVOL_STEP_ERROR) {
        m_OSD_ShowText(kVolumeTextSysError, -1, -1, -1, -1, -1, -1);
        // A control that cannot be opened leaves the step to the player.
        return g_SysVolState.available;
    }
    SVOLUMETEXTFACTS f;
    m_Volume_ReadTextFacts(&f);
    wchar_t text[kVolumeTextCap];
    m_VolumeText_System(text, kVolumeTextCap, r.base, r.level, g_SystemVolumeDecimals, r.upAtTop,
                        f);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    return 1;
}

}  // namespace

long m_Volume_EngineValue(int volume)
{
    const double v = m_Clamp(volume, 0, kVolumeFull) / 10000.0;
    const long value = static_cast<long>(10000.0 * pow(v, 0.25) - 0.5 - 10000.0);
    return value < -10000 ? -10000 : value;
}

long m_Volume_ToEngine(int volume)
{
    if (!g_VideoRenderer) return -1;
    const long value = m_Volume_EngineValue(g_Mute ? 0 : volume);
    // A file without sound has no audio renderer to take it; the engine
    // keeps the value for the next one.
    const HRESULT hr = g_VideoRenderer->m_VR_SetVolume(value);
    m_Volume_Trace(SUCCEEDED(hr) ? L"VOL : engine=%ld" : L"VOL : engine=%ld (not taken)", value);
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

void m_Volume_ReadTextFacts(SVOLUMETEXTFACTS* f)
{
    f->boost = g_AudioBoost;
    f->balance = m_AudioInputBalance_Get();
    f->muted = g_Mute;
}

void m_Volume_Trace(const wchar_t* format, ...)
{
    if (!g_Settings.Main_Test) return;
    wchar_t line[kTraceLineCap];
    va_list args;
    va_start(args, format);
    // A cut line is still worth logging.
    (void)StringCchVPrintfW(line, kTraceLineCap, format, args);
    va_end(args);
    // Every open hands the same values on again: a line that says what the
    // last one of its kind said would only push older lines out of the log.
    static const wchar_t* s_Formats[kTraceKinds];
    static wchar_t s_Lines[kTraceKinds][kTraceLineCap];
    int slot = 0;
    while (slot < kTraceKinds - 1 && s_Formats[slot] && s_Formats[slot] != format) ++slot;
    if (s_Formats[slot] == format && wcscmp(s_Lines[slot], line) == 0) return;
    s_Formats[slot] = format;
    wcscpy_s(s_Lines[slot], line);
    m_AppendLogLine(line);
}

int m_Volume_ShowText(int volume, int show)
{
    if (m_VolumeFade_IsRunning()) m_VolumeFade_Stop();
    volume = m_Clamp(volume, 0, kVolumeFull);
    const int changed = volume != g_MainWindowState.nVolume;
    g_MainWindowState.nVolume = volume;
    if (g_MediaOpen) m_Volume_ToEngine(volume);
    g_VolumeSlider.m_SetPos((volume + 50) / 100);
    if (g_MainWindowState.nTimeFlags[kTimeFlagVolume]) m_UpdateTimeDisplay(1);
    if (show) m_ShowVolume(volume, changed);
    if (changed) m_Settings_ScheduleSave(MAIN_GROUP_VOLUME);
    return volume;
}

void m_Volume_Step(int step, int systemStep)
{
    if (!step && !systemStep) return;
    if (m_StepGoesToSystem(systemStep) && m_StepSystem(systemStep)) return;
    const int volume = g_MainWindowState.nVolume;
    const int next = m_RoundUpToMultiple(volume, step);
    // The rest at 100 % before the system volume rises counts from here.
    if (g_Settings.Common_SysVolTm >= 1 && step > 0 && volume < kVolumeFull && next >= kVolumeFull)
        m_SysVol_NoteReachedTop();
    m_Volume_ShowText(next, 1);
}

void m_Volume_ApplyOnOpen()
{
    if (!g_VideoRenderer) return;
    m_Volume_ToEngine(g_MainWindowState.nVolume);
    m_Balance_ApplyDevice();
    // The input balance set before the file opened reaches it before the
    // sound flows.
    g_VideoRenderer->m_VR_SetAudioBalance(m_AudioInputBalance_Get());
    m_Volume_Trace(L"VOL : input balance=%d", m_AudioInputBalance_Get());
}
