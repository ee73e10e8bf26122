// The remembered audio output devices and their [AudDev] section.
#pragma once
#include <windows.h>

// Rebuilds the device list from the system and [AudDev] when it is stale.
void m_AudDev_Enumerate();
// Writes the device list to [AudDev].
void m_AudDev_Write();
