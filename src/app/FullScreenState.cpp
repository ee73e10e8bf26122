// Full screen is never entered yet: the flag stays 0 and there is no window.
#include "app/FullScreenState.h"

int g_FullScreen;
HWND g_hWndFullScreen;
