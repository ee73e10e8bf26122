// The chapters of a source filter's markers (IAMExtendedSeeking), for the
// open file and for the duration probe of files not played.
#pragma once
#include <windows.h>
#include <strmif.h>

#include "engine/Chapters.h"

// A new[] array of chapters with their lengths (*items, freed with
// delete[]) and its count: one chapter at 0 when the source has no markers.
// S_OK, or E_OUTOFMEMORY with nothing given out.
HRESULT m_Chapters_ReadFromSource(IUnknown* source, double duration, SCHAPTERITEM** items,
                                  int* count);
