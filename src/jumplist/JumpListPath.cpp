#include "jumplist/JumpListPath.h"

wchar_t g_JumpListPath[MAX_PATH + 1];
