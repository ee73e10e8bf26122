// The call log of the stand-ins: one UTF-8 line per call, appended to the
// file named by the ZV_TEST_LOG environment variable (nothing when unset).
#pragma once
#include <windows.h>

// printf-style with wide %s; lines longer than 512 characters are cut.
void m_StandIn_Log(const wchar_t* format, ...);
