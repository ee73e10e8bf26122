// Cases of volume, sound output, balance, picture properties, display
// range, aspect ratio and the seek-bar preview.
#include <windows.h>

#include <math.h>
#include <stdlib.h>
#include <strsafe.h>
#include <wchar.h>

#include "base/NumberList.h"
#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "playback/AudioCommands.h"
#include "playback/AudioOutMode.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"

namespace {

int m_DecimalsOf(int hundredths) { return hundredths % 10 ? 2 : (hundredths % 100 ? 1 : 0); }

// Volumes beyond +-100 % cannot be asked for; larger numbers are cut.
int m_Hundredths(double percent)
{
    if (!(percent > -100000.0)) percent = -100000.0;
    if (percent > 100000.0) percent = 100000.0;
    return static_cast<int>(lround(percent * 100.0));
}

void m_VolumeAdjustCase(const wchar_t* text)
{
    wchar_t copy[32] = {};
    lstrcpynW(copy, text, 32);
    double v[2] = {0, 0};
    const int read = m_ParseDoubleList(copy, v, 2);
    if (read < 2 || !wcschr(copy, L',')) v[1] = v[0];
    const int step = m_Hundredths(v[0]), system = m_Hundredths(v[1]);
    g_VolumeDecimals = m_DecimalsOf(step);
    g_SystemVolumeDecimals = m_DecimalsOf(system);
    g_ExecOps.Volume_Step(step, system);
}

void m_VolumeSetCase(const wchar_t* text)
{
    g_ExecOps.SystemVolume_OnPlayState(0);
    const double percent = wcstod(text, nullptr);
    int value = m_Hundredths(percent);
    if (percent >= 0 && percent <= 100) value = static_cast<int>(percent * 100.0 + 0.5);
    g_VolumeDecimals = m_DecimalsOf(value);
    g_ExecOps.Volume_ShowText(value, 1);
}

void m_AudioModeCase(int value)
{
    const int now = m_AudioOut_GetMode(), stored = g_Settings.Common_AudOut;
    int mode = value;
    if (value == -1)
        mode = now >= 2 || now < 0 ? 0 : now + 1;
    else if (value == -2)
        mode = stored == 0 ? 1 : 0;
    else if (value == -3)
        mode = stored == 0 ? 2 : 0;
    g_ExecOps.AudioOut_SetMode(mode);
}

void m_BalanceCase(int value)
{
    const int now = m_AudioInputBalance_Get();
    int balance;
    if (value == 0 || value == 1 || value == 2)
        balance = value == 0 ? 0 : (value == 1 ? -100 : 100);
    else if (value == -2)
        balance = now == 0 ? 100 : (now == 100 ? -100 : 0);
    else
        balance = now < 0 ? 100 : (now == 0 ? -100 : 0);
    g_ExecOps.AudioInputBalance_Set(balance, g_MediaOpen ? 2 : 1, 1, 1);
}

// The range snaps to the step's multiples and stays within 10..100 %.
int m_SnapRange(int value, int step)
{
    const int size = abs(step);
    int next;
    if (step > 0)
        next = (value / size + 1) * size;
    else
        next = value % size ? (value / size) * size : value - size;
    return next < 1000 ? 1000 : (next > 10000 ? 10000 : next);
}

void m_VideoRangeCase(int step)
{
    SVIDEORANGE& r = g_VideoRange;
    wchar_t text[64];
    if (step == 0) {
        r.on = !r.on;
        if (r.on && !r.value) r.value = kVideoRangeDefault;
        if (r.on)
            StringCchPrintfW(text, 64, L"VIDEO````RANGE : ON`````(%0.1f%%)", r.value / 100.0);
        else
            StringCchCopyW(text, 64, L"VIDEO````RANGE : OFF      ");
    } else {
        r.on = 1;
        if (!r.value) r.value = kVideoRangeDefault;
        r.value = m_SnapRange(r.value, step);
        StringCchPrintfW(text, 64, L"VIDEO````RANGE : %0.1f%%", r.value / 100.0);
    }
    g_ExecOps.VideoRange_Apply();
    g_ExecOps.Options_RefreshAdjust(16, 0);
    g_ExecOps.ShowText(text, -1, -1, -1, -1, -1, -1);
}

// The fixed ratios the -1 form steps through.
const int kAspectPresets[3][2] = {{4, 3}, {16, 9}, {235, 100}};

void m_AspectCase(const wchar_t* text)
{
    SUSERASPECT& u = g_UserAspect;
    if (const wchar_t* colon = wcschr(text, L':')) {
        const int x = static_cast<int>(wcstol(text, nullptr, 10));
        const int y = static_cast<int>(wcstol(colon + 1, nullptr, 10));
        if (!u.on || x != u.x || y != u.y) {
            u.on = 1;
            u.x = x;
            u.y = y;
            g_ExecOps.Aspect_Apply(x, y);
        } else {
            u.on = 0;
            g_ExecOps.Aspect_Reset();
        }
        g_ExecOps.Options_RefreshAdjust(32, 0);
    } else if (!wcscmp(text, L"-1")) {
        if (!u.on) {
            u.on = 1;
            u.preset = 1;
        } else if (++u.preset > 3) {
            u.on = 0;
            u.preset = 0;
        }
        if (u.on)
            g_ExecOps.Aspect_Apply(kAspectPresets[u.preset - 1][0],
                                   kAspectPresets[u.preset - 1][1]);
        else
            g_ExecOps.Aspect_Reset();
        g_ExecOps.Options_RefreshAdjust(32, 1);
    } else if (!wcscmp(text, L"0")) {
        g_ExecOps.Aspect_Reset();
        g_ExecOps.Options_RefreshAdjust(32, 1);
    }
}

}  // namespace

int m_Exec_Sound(const SFUNCTIONBIND& a, int holdKey)
{
    const int id = a.Function, p = a.Param;
    if (id == FUNC_PROPERTY) {
        g_ExecOps.Property_Command(a.Arg, holdKey, id);
        return 1;
    }
    if ((id >= FUNC_PROP_CONTRAST && id <= FUNC_PROP_LAST_STEP) ||
        (id >= FUNC_PROP_AUDIO_FIRST && id <= FUNC_PROP_BALANCE_SWITCH)) {
        g_ExecOps.Property_Step(id, a.Arg);
        return 1;
    }
    switch (id) {
        case FUNC_VIDEO_RANGE:
            m_VideoRangeCase(p);
            return 1;
        case FUNC_ASPECT:
            m_AspectCase(a.Arg);
            return 1;
        case FUNC_VOLUME_ADJUST:
            m_VolumeAdjustCase(a.Arg);
            return 1;
        case FUNC_VOLUME_SET:
            m_VolumeSetCase(a.Arg);
            return 1;
        case FUNC_MUTE:
            g_ExecOps.Mute_Toggle();
            return 1;
        case FUNC_AUDIO_MODE:
            m_AudioModeCase(p);
            return 1;
        case FUNC_AUDIO_DEVICE:
            g_ExecOps.AudioDevice_Choose(p);
            return 1;
        case FUNC_BALANCE_SWITCH:
            m_BalanceCase(p);
            return 1;
        case FUNC_SEEKBAR_PREVIEW:
            g_ExecOps.SeekBarPreview_Set(p);
            return 1;
    }
    return 0;
}
