// The playlist's duration scan thread.
#pragma once
#include <windows.h>

// Handle of the running scan thread, null when none runs.
extern HANDLE g_ScanThread;
