// The configured video renderer kind ([Common] Video as taken over); -1
// takes the main engine's kind in use. Defined with the renderer kinds.
#pragma once
#include <windows.h>

extern int g_RendererKind;
