#include "jumplist/JumpListTrack.h"

int g_JumpListTrack = -1;
