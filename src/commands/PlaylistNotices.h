// The playlist window's notices to the main window.
#pragma once
#include <windows.h>

// 1 when the code was one of the playlist window's and was handled.
int m_OnPlaylistNotice(WPARAM code, LPARAM value);
