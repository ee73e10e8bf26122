// The jump-list image file of the open media file.
#pragma once
#include <windows.h>

// Full path of the jump-list image of the open media file, empty when none.
extern wchar_t g_JumpListPath[MAX_PATH + 1];
