// Cases of play, seek, rate, repeat and time display.
#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "commands/Executor.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackRate.h"
#include "playback/PowerSaving.h"
#include "playback/RepeatMode.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

void m_PlayPauseCase(int value)
{
    const int started = m_Playback_HasStarted();
    if (value == -1 || (value == 0 && started) || (value == 1 && !started)) {
        g_ExecOps.PlayPause(-1);
        g_ExecOps.ResetCursorHide(1);
    }
}

void m_TrackCase(int value)
{
    if (value == 0 || value == -1)
        g_ExecOps.PrevTrack(value == -1);
    else if (value == 1)
        g_ExecOps.NextTrack();
}

int m_SeekStep(int value)
{
    const int normal = g_Settings.Seek_Step[0], fast = g_Settings.Seek_Step[1];
    switch (value) {
        case 2:
            return fast;
        case -1:
            return -normal;
        case -2:
            return -fast;
    }
    return normal;
}

void m_SeekExCase(const wchar_t* text, int holdKey)
{
    int v[5] = {0, -1, -1, -1, -1};
    m_Exec_Ints(text, v, 5);
    g_ExecOps.StartContinuousSeek(v[0], holdKey, v[1], v[2], v[3], v[4]);
}

void m_SkipCase(const wchar_t* text, int direction)
{
    int v[2] = {0, 0};
    m_Exec_Ints(text, v, 2);
    g_ExecOps.SkipToPoint(direction, v[0], v[1]);
}

void m_FrameStepCase(const wchar_t* text, int holdKey)
{
    int v[5] = {1, -1, -1, -1, -1};
    m_Exec_Ints(text, v, 5);
    g_ExecOps.FrameStep_Start(holdKey, v[0], v[1], v[2], v[3], v[4]);
}

// The preset is the last rate other than 100; asking for the rate in use
// goes back to 100.
void m_RateSetCase(int value)
{
    int rate = value ? value : g_MainWindowState.nLauncherRate;
    if (rate <= 0) rate = kRateNormal;
    if (rate == m_Rate_Current()) rate = kRateNormal;
    g_ExecOps.Rate_Set(rate, 0, 1);
}

void m_GotoPercentCase(int value)
{
    g_ExecOps.SavePlayPosition(0);
    const int percent = value < 0 ? 0 : (value > 100 ? 100 : value);
    g_ExecOps.SeekToPercent(percent * 100);
}

// Parameters beyond the seconds an int of milliseconds holds are clamped.
void m_GotoSecondsCase(int value)
{
    g_ExecOps.SavePlayPosition(0);
    const int limit = 0x7FFFFFFF / 100;
    const int tenths = value > limit ? limit : (value < -limit ? -limit : value);
    g_ExecOps.SeekToTime(tenths * 100, 1, 1);
}

void m_RepeatCase(const wchar_t* text)
{
    int single = -1;
    int mode = m_Exec_NextInList(text, 5, g_RepeatMode, &single);
    if (mode == -2)
        mode = single == -1 ? g_RepeatMode + 1 : (single == -2 ? g_RepeatMode - 1 : single);
    g_ExecOps.Repeat_SetMode(mode, 1);
}

void m_PowerSavingCase(int value)
{
    if (value == -2)
        g_ExecOps.PowerSaving_SetTemp(!m_PowerSaving_IsTempOn(), 1, 1);
    else
        g_ExecOps.PowerSaving_Set(m_Exec_Toggle(value, g_MainWindowState.nPowerSaving), 1);
}

void m_TimeFormatCase(int value)
{
    int mode = value;
    if (value == -1)
        mode = g_MainWindowState.nTimeMode + 1 > 4 ? 0 : g_MainWindowState.nTimeMode + 1;
    g_ExecOps.SetTimeDisplayMode(mode);
}

void m_CloseCase(int value)
{
    const int resume = value == 1 ? 0 : (value == 2 ? -1 : 1);
    g_ExecOps.CloseFile(1, 1, resume, 1);
}

}  // namespace

int m_Exec_Playback(const SFUNCTIONBIND& a, int holdKey)
{
    const int p = a.Param;
    switch (a.Function) {
        case FUNC_PLAYPAUSE:
            m_PlayPauseCase(p);
            return 1;
        case FUNC_TRACK:
            m_TrackCase(p);
            return 1;
        case FUNC_SEEK:
            g_ExecOps.StartContinuousSeek(m_SeekStep(p), holdKey, -1, -1, -1, -1);
            return 1;
        case FUNC_SEEK_TIME:
            g_ExecOps.StartContinuousSeek(p, holdKey, -1, -1, -1, -1);
            return 1;
        case FUNC_SEEK_EX:
            m_SeekExCase(a.Arg, holdKey);
            return 1;
        case FUNC_PREV_CHAPTER:
        case FUNC_NEXT_CHAPTER:
            m_SkipCase(a.Arg, a.Function == FUNC_NEXT_CHAPTER ? 1 : -1);
            return 1;
        case FUNC_FRAME_STEP:
            m_FrameStepCase(a.Arg, holdKey);
            return 1;
        case FUNC_RATE_SET:
            m_RateSetCase(p);
            return 1;
        case FUNC_RATE_ADJUST:
            g_ExecOps.Rate_Adjust(p);
            return 1;
        case FUNC_RATE_SELECT:
            g_ExecOps.Rate_StepPreset(p);
            return 1;
        case FUNC_GOTO_PERCENT:
            m_GotoPercentCase(p);
            return 1;
        case FUNC_GOTO_SECONDS:
            m_GotoSecondsCase(p);
            return 1;
        case FUNC_GOTO_FRAME:
            g_ExecOps.SavePlayPosition(0);
            g_ExecOps.SeekToFrame(p);
            return 1;
        case FUNC_RETURN_POSITION:
            g_ExecOps.SeekToStoredPosition(p == 0 ? 1 : 0);
            return 1;
        case FUNC_REPEAT:
            m_RepeatCase(a.Arg);
            return 1;
        case FUNC_POWER_SAVING:
            m_PowerSavingCase(p);
            return 1;
        case FUNC_TIME_FORMAT:
            m_TimeFormatCase(p);
            return 1;
        case FUNC_CLOSE:
            m_CloseCase(p);
            return 1;
    }
    return 0;
}
