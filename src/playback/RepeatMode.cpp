#include "playback/RepeatMode.h"

int g_RepeatMode = REPEAT_OFF;

void m_Repeat_SetMode(int mode, int)
{
    if (mode > REPEAT_SHUFFLE) mode = REPEAT_OFF;
    if (mode < REPEAT_OFF) mode = REPEAT_SHUFFLE;
    g_RepeatMode = mode;
}
