// The video renderer kind the engine uses ([Common] Video as taken over).
#pragma once
#include <windows.h>

extern int g_RendererKind;
