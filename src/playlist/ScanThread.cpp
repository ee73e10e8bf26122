#include "playlist/ScanThread.h"

HANDLE g_ScanThread = nullptr;
