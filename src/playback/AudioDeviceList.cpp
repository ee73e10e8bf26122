// No device list is kept yet: enumerating and writing do nothing.
#include "playback/AudioDeviceList.h"

void m_AudDev_Enumerate() {}

void m_AudDev_Write() {}
