// Property sets and the per-file groups of a resume record.
#pragma once
#include "filedata/ResumeInfo.h"
#include "playback/VideoProps.h"

// Copies each group's present flag; an absent group's values become -1.
// Aspect and crop 4:3 give mode 1, 16:9 mode 2, other ratios mode 3 with x
// and y kept; an absent aspect or crop leaves its mode as it was.
void m_Resume_GetVideoState(SVIDEOPROPSET* set, const SRESUMEINFO* resume);
// The converse: every settings group of the record from the set, an absent
// group cleared; 4:3 and 16:9 written as those pairs.
void m_Resume_PutVideoState(SRESUMEINFO* resume, const SVIDEOPROPSET* set);
