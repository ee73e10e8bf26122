#include "playback/PlaybackControl.h"

// Stand-ins for the parts of playback control not built yet.
void m_AudioOut_SetMode(int, int) {}
int m_AudioDevice_Apply(int) { return -1; }
void m_AudDev_SelectCurrent() {}
