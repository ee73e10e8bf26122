// The system master volume: opened once over the system-audio object, raised
// by volume steps beyond 100 %, lowered again when playback stops and
// forgotten a minute later (main-window timer 12).
#include "playback/SystemVolume.h"

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "base/Geometry.h"
#include "controls/SliderPlus.h"
#include "engine/SystemAudio.h"
#include "playback/AudioCommands.h"
#include "playback/VolumeControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kSysVolFull = 10000;
constexpr UINT kForgetMs = 60000;
// Windows versions from this index on have Core Audio endpoints.
constexpr int kEndpointOsVersion = 6;

int g_SysVolWindowMade;

void m_ForgetTimer_Start()
{
    if (g_hWndMain) SetTimer(g_hWndMain, kTimerSysVolForget, kForgetMs, nullptr);
    g_SysVolState.forgetArmed = 1;
}

void m_ForgetTimer_Stop()
{
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerSysVolForget);
    g_SysVolState.forgetArmed = 0;
}

int m_Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

}  // namespace

SSYSVOLPORT m_SysVolPort_Real()
{
    SSYSVOLPORT p;
    p.MakeWindow = m_SysAudio_CreateWindow;
    p.Open = m_SysAudio_Open;
    p.Close = m_SysAudio_Close;
    p.GetVolume = m_SysAudio_GetVolume;
    p.SetVolume = m_SysAudio_SetVolume;
    p.Tick = GetTickCount;
    return p;
}

SSYSVOLPORT g_SysVolPort = m_SysVolPort_Real();
SSYSVOLSTATE g_SysVolState = {-1, -1, 0, 0, 0};

void m_SysVol_Reset()
{
    g_SysVolState = SSYSVOLSTATE{-1, -1, 0, 0, 0};
    g_SysVolWindowMade = 0;
}

int m_SysVol_Open()
{
    if (g_SysVolState.available) return 1;
    if (!g_SysVolWindowMade) {
        g_SysVolPort.MakeWindow(g_hWndMain);
        g_SysVolWindowMade = 1;
    }
    const DWORD mode = g_OsVersion >= kEndpointOsVersion ? 1 : 0;
    g_SysVolState.available = g_SysVolPort.Open(mode) ? 1 : 0;
    m_Volume_Trace(L"VOL : system open mode=%lu available=%d", mode, g_SysVolState.available);
    return g_SysVolState.available;
}

void m_SysVol_Close()
{
    if (g_SysVolState.available) g_SysVolPort.Close();
    g_SysVolState.available = 0;
}

int m_SysVol_Get()
{
    if (!g_SysVolState.available) return -1;
    const DWORD v = g_SysVolPort.GetVolume();
    return v > static_cast<DWORD>(kSysVolFull) ? -1 : static_cast<int>(v);
}

int m_SysVol_Set(int level)
{
    m_ForgetTimer_Stop();
    if (!m_SysVol_Open()) return 0;
    level = m_Clamp(level, 0, kSysVolFull);
    if (g_SysVolPort.SetVolume(static_cast<DWORD>(level)) != 1) {
        m_Volume_Trace(L"VOL : system set=%d failed", level);
        return 0;
    }
    // The mark shows the level the system took, so only a level that was set.
    g_VolumeSlider.m_SetLevelMark((level + 50) / 100);
    return 1;
}

void m_SysVol_NoteReachedTop() { g_SysVolState.reachedTick = g_SysVolPort.Tick(); }

SSYSVOLSTEP m_SysVol_Step(int step, int restMs)
{
    SSYSVOLSTEP r = {SYSVOL_STEP_ERROR, -1, -1, 0};
    SSYSVOLSTATE& s = g_SysVolState;
    if (!m_SysVol_Open()) return r;
    const int level = m_SysVol_Get();
    m_Volume_Trace(L"VOL : system level=%d", level);
    if (level < 0) return r;
    // A level other than the one the player set was set by the user.
    if (level != s.target) s.target = s.base = level;
    if (s.target == s.base) {
        if (step < 0) return {SYSVOL_STEP_PLAYER, s.base, level, 0};
        const DWORD since = g_SysVolPort.Tick() - s.reachedTick;
        if (restMs > 0 && since < static_cast<DWORD>(restMs))
            return {SYSVOL_STEP_PLAYER, s.base, level, 0};
    }
    const int next = m_Clamp(m_RoundUpToMultiple(s.target, step), s.base, kSysVolFull);
    r.base = s.base;
    r.upAtTop = step > 0 && s.base >= kSysVolFull;
    // A level the system did not take is not the target: the next step
    // starts again from what the system holds.
    if (!m_SysVol_Set(next)) return r;
    s.target = next;
    r.level = next;
    r.result = SYSVOL_STEP_DONE;
    return r;
}

void m_SystemVolume_OnPlayState(int playing)
{
    SSYSVOLSTATE& s = g_SysVolState;
    if (!g_Settings.Common_SysVol || !s.available) return;
    if (g_MainWindowState.nVolume != kSysVolFull) return;
    const int level = m_SysVol_Get();
    if (level < 0) return;
    if (!playing) {
        if (level == s.target && s.target != s.base && m_SysVol_Set(s.base)) m_ForgetTimer_Start();
    } else if (level == s.base && s.target > s.base) {
        m_SysVol_Set(s.target);
    }
}

void m_SysVol_OnForgetTimer()
{
    m_ForgetTimer_Stop();
    g_SysVolState.target = g_SysVolState.base = -1;
}
