// The player's volume.
#pragma once
#include <windows.h>

// Sets the volume (hundredths of a percent, held within 0..10000) and
// schedules the [Main] save of it.
void m_Volume_ShowText(int volume, int flag);
