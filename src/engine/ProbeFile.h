// A file's duration and chapters read without playing it (the playlist's
// duration scan): a graph of its own holding only the source filter.
#pragma once
#include <windows.h>

#include "engine/Chapters.h"

// Each out may be null; *chapters is new[]-allocated (delete[] by the
// caller) and given only with count.
HRESULT m_VR_ProbeFile(const wchar_t* path, LONGLONG* duration, int* count,
                       SCHAPTERITEM** chapters);
