#include "playback/AudioCommands.h"

#include "playback/VolumeControl.h"
#include "settings/CallTrace.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

int g_VolumeDecimals;
int g_SystemVolumeDecimals;
SUSERASPECT g_UserAspect;
SVIDEORANGE g_VideoRange;

namespace {
int g_AudioOutMode = -1;
int g_InputBalance;
}  // namespace

void m_Volume_Step(int step, int systemStep)
{
    m_TraceCall(L"m_Volume_Step(%d,%d)", step, systemStep);
    m_Volume_ShowText(g_MainWindowState.nVolume + step, 1);
}

void m_SystemVolume_OnPlayState(int playing)
{
    m_TraceCall(L"m_SystemVolume_OnPlayState(%d)", playing);
}

void m_Mute_Toggle() { m_TraceCall(L"m_Mute_Toggle()"); }

int m_AudioOut_GetMode() { return g_AudioOutMode < 0 ? g_Settings.Common_AudOut : g_AudioOutMode; }

void m_AudioOut_SetMode(int mode)
{
    m_TraceCall(L"m_AudioOut_SetMode(%d)", mode);
    if (mode >= 0 && mode <= 2) g_AudioOutMode = mode;
}

void m_AudioDevice_Choose(int value) { m_TraceCall(L"m_AudioDevice_Choose(%d)", value); }

int m_AudioInputBalance_Get() { return g_InputBalance; }

void m_AudioInputBalance_Set(int value, int level, int showMessage, int updatePage)
{
    m_TraceCall(L"m_AudioInputBalance_Set(%d,%d,%d,%d)", value, level, showMessage, updatePage);
    if (value >= -100 && value <= 100) g_InputBalance = value;
}

void m_Property_Command(const wchar_t* text, int holdKey, int functionId)
{
    m_TraceCall(L"m_Property_Command(%s,%d,%d)", text ? text : L"", holdKey, functionId);
}

void m_Property_Step(int functionId, const wchar_t* text)
{
    m_TraceCall(L"m_Property_Step(%d,%s)", functionId, text ? text : L"");
}

void m_Aspect_Apply(int x, int y) { m_TraceCall(L"m_Aspect_Apply(%d,%d)", x, y); }

void m_Aspect_Reset() { m_TraceCall(L"m_Aspect_Reset()"); }

void m_VideoRange_Apply()
{
    m_TraceCall(L"m_VideoRange_Apply(%d,%d)", g_VideoRange.on, g_VideoRange.value);
}
