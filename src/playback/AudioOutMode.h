// The audio output channel mode: 0 normal, 1 left and right swapped, 2 both
// mixed to one.
#pragma once
#include <windows.h>

// The mode in effect ([Common] "AudOut" until one is set).
int m_AudioOut_GetMode();
// Keeps the mode, hands it to the engine and, with show, says it.
void m_AudioOut_SetMode(int mode, int showMessage);
// The engine's channel mix (percent) and swap of a mode.
void m_AudioOut_MixSwap(int mode, int* mix, int* swap);
// Hands the mode in effect to the engine, when there is one.
void m_AudioOut_ToEngine();
