// The open media file.
#pragma once
#include <windows.h>

constexpr int kMediaNameCap = 257;

// Full path of the open media file, empty when none is open; its file name
// and its extension (with the dot).
extern wchar_t g_MediaPath[MAX_PATH + 1];
extern wchar_t g_MediaFileName[kMediaNameCap];
extern wchar_t g_MediaExt[kMediaNameCap];
