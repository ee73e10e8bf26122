#include "playback/AudioCommands.h"

#include "playback/AspectRatio.h"
#include "playback/VideoPropStep.h"
#include "playback/VolumeControl.h"
#include "settings/CallTrace.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

int g_VolumeDecimals;
int g_SystemVolumeDecimals;
SUSERASPECT g_UserAspect;
SVIDEORANGE g_VideoRange;

namespace {
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

int m_AudioInputBalance_Get() { return g_InputBalance; }

void m_AudioInputBalance_Set(int value, int level, int showMessage, int updatePage)
{
    m_TraceCall(L"m_AudioInputBalance_Set(%d,%d,%d,%d)", value, level, showMessage, updatePage);
    if (value >= -100 && value <= 100) g_InputBalance = value;
}

void m_Property_Command(const wchar_t* text, int, int) { m_VideoProp_Command(text); }

void m_Property_Step(int functionId, const wchar_t* text)
{
    m_VideoProp_Function(functionId, text);
}

void m_SeekBarPreview_Set(int value) { m_TraceCall(L"m_SeekBarPreview_Set(%d)", value); }

void m_Aspect_Apply(int x, int y) { m_AspectRatio_Set(x, y, 0, 1); }

void m_Aspect_Reset() { m_AspectRatio_Reset(); }

// The display range of the executor's own switch goes to the layout as a
// percentage.
void m_VideoRange_Apply()
{
    const int on = g_VideoRange.on && g_VideoRange.value > 0;
    if (m_VideoRange_SetEffective(on ? 1 : 0, g_VideoRange.value, nullptr)) m_VideoShape_Relayout();
}
