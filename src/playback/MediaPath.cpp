#include "playback/MediaPath.h"

wchar_t g_MediaPath[MAX_PATH + 1];
wchar_t g_MediaFileName[kMediaNameCap];
wchar_t g_MediaExt[kMediaNameCap];
