// What the key bindings ask of sound, picture properties and the aspect
// ratio: the volume step, mute, input balance, the property commands, the
// display range and the user aspect ratio, each handed on to its own
// operation.
#pragma once
#include <windows.h>

// Decimals shown for the player and the system volume (0, 1 or 2).
extern int g_VolumeDecimals;
extern int g_SystemVolumeDecimals;

// Steps in hundredths of a percent; the player volume moves by step.
void m_Volume_Step(int step, int systemStep);
void m_SystemVolume_OnPlayState(int playing);
void m_Mute_Toggle();
int m_AudioInputBalance_Get();
void m_AudioInputBalance_Set(int value, int level, int showMessage, int updatePage);
void m_Property_Command(const wchar_t* text, int holdKey, int functionId);
void m_Property_Step(int functionId, const wchar_t* text);

// The user aspect ratio: on, X:Y, and the index of the fixed ratio (1..3).
struct SUSERASPECT {
    int on;
    int x;
    int y;
    int preset;
};
extern SUSERASPECT g_UserAspect;
void m_Aspect_Apply(int x, int y);
void m_Aspect_Reset();

// The display range in hundredths of a percent (0: no value yet).
struct SVIDEORANGE {
    int on;
    int value;
};
extern SVIDEORANGE g_VideoRange;
constexpr int kVideoRangeDefault = 10000;
void m_VideoRange_Apply();
