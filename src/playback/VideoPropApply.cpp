// No file can be open yet, so there is nothing to apply the properties to.
#include "playback/VideoPropApply.h"

int g_AudioBoost = 100;
int g_VideoPropApplyCalls;
int g_VideoPropApplyBits;

void m_VideoProp_Apply(int bits, int)
{
    ++g_VideoPropApplyCalls;
    g_VideoPropApplyBits = bits;
}
