// Holds the two bars' progress colours until the status bar is built.
#include "controls/Statusbar.h"

CStatusbar g_StatusBar;
CStatusbar g_FullScreenStatusBar;
