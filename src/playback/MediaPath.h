// The open media file.
#pragma once
#include <windows.h>

// Full path of the open media file, empty when none is open.
extern wchar_t g_MediaPath[MAX_PATH + 1];
