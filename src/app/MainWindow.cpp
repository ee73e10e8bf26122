#include "app/MainWindow.h"

HWND g_hWndMain = nullptr;
