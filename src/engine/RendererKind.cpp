#include "engine/RendererKind.h"

int g_RendererKind;
