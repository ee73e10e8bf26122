// A still picture shown in place of a video.
#pragma once
#include <windows.h>

// Loads the picture and shows it (play state 1); 1 when it was loaded.
int m_OpenPicture(const wchar_t* path);
