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
}  // namespace

int m_AudioOut_GetMode() { return g_AudioOutMode < 0 ? g_Settings.Common_AudOut : g_AudioOutMode; }

void m_AudioOut_SetMode(int mode)
{
    m_TraceCall(L"m_AudioOut_SetMode(%d)", mode);
    if (mode >= 0 && mode <= 2) g_AudioOutMode = mode;
}

void m_AudioDevice_Choose(int value) { m_TraceCall(L"m_AudioDevice_Choose(%d)", value); }

void m_Property_Command(const wchar_t* text, int holdKey, int functionId)
{
    m_TraceCall(L"m_Property_Command(%s,%d,%d)", text ? text : L"", holdKey, functionId);
}

void m_Property_Step(int functionId, const wchar_t* text)
{
    m_TraceCall(L"m_Property_Step(%d,%s)", functionId, text ? text : L"");
}

void m_SeekBarPreview_Set(int value) { m_TraceCall(L"m_SeekBarPreview_Set(%d)", value); }

void m_Aspect_Apply(int x, int y) { m_TraceCall(L"m_Aspect_Apply(%d,%d)", x, y); }

void m_Aspect_Reset() { m_TraceCall(L"m_Aspect_Reset()"); }

void m_VideoRange_Apply()
{
    m_TraceCall(L"m_VideoRange_Apply(%d,%d)", g_VideoRange.on, g_VideoRange.value);
}
