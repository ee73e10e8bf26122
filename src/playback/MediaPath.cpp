#include "playback/MediaPath.h"

wchar_t g_MediaPath[MAX_PATH + 1];
