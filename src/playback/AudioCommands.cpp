#include "playback/AudioCommands.h"

#include "playback/AspectRatio.h"
#include "playback/VideoPropStep.h"
#include "playback/VolumeControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

int g_VolumeDecimals;
int g_SystemVolumeDecimals;
SUSERASPECT g_UserAspect;
SVIDEORANGE g_VideoRange;

void m_Property_Command(const wchar_t* text, int, int) { m_VideoProp_Command(text); }

void m_Property_Step(int functionId, const wchar_t* text)
{
    m_VideoProp_Function(functionId, text);
}

void m_Aspect_Apply(int x, int y) { m_AspectRatio_Set(x, y, 0, 1); }

void m_Aspect_Reset() { m_AspectRatio_Reset(); }

// The display range of the executor's own switch goes to the layout as a
// percentage.
void m_VideoRange_Apply()
{
    const int on = g_VideoRange.on && g_VideoRange.value > 0;
    if (m_VideoRange_SetEffective(on ? 1 : 0, g_VideoRange.value, nullptr)) m_VideoShape_Relayout();
}
