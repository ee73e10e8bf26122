// The data of the open media file and the path of its information file.
// Grows with the information-file code.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

extern SFILEINFO g_FileInfo;
extern wchar_t g_FileInfoPath[MAX_PATH + 1];
