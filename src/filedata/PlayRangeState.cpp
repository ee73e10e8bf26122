// The play-range state, for now only what the seek bar reads.
#include "filedata/PlayRangeState.h"

int g_PlayRangeIndex = -1;
