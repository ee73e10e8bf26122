#include "app/MainWindow.h"

HWND g_hWndMain = nullptr;
int g_OsVersion = 10;
int g_GuiKind = 0;
