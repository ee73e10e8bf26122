// Times of the open file as the engine gives them (100-ns units) and as the
// player keeps them.
#pragma once
#include <windows.h>

// Above this (99:59:59) an engine duration counts as unknown.
constexpr LONGLONG kDurationLimit100ns = 3599990000000LL;

// 100-ns units to ms, to the nearest (halves up).
LONGLONG m_RoundTo_Ms(LONGLONG value100ns);
// A duration in its three forms: the 100-ns value (0 above the limit or
// below 0), ms with the fraction dropped, whole seconds rounded halves up.
void m_SplitDuration(LONGLONG value100ns, LONGLONG* duration, int* ms, int* sec);
