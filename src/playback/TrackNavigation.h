// Previous and next, stepping by track or by point, and the play start of
// the open file that "previous" goes back to.
#pragma once
#include <windows.h>

// Play-range mode: the navigation works on the active range and the
// file's ranges.
int m_PlayRange_IsActive();

// The start of the open file's play: the first checked chapter with check
// boxes in use, else 0.
int m_PlayStartMs();
// posMs (-1 the current position) lies within toleranceMs (-1: 50) of the
// play start; 0 without a file. In range mode, mode 1 takes the active
// range's start and 2 the first range's; a negative mode takes range mode
// as on.
int m_IsAtPlayStart(int posMs, int mode, int toleranceMs);
// Seeks to the play start (in range mode the active range's, or with
// rangeMode 2 the first range's); then 1 plays unless playing, -1 holds.
void m_SeekToPlayStart(int then, int rangeMode);

void m_NextTrack();
// direct skips the 2500 ms rule and goes to the previous file at once.
void m_PrevTrack(int direct);
// mode 0 by track, 1 by point.
void m_StepForward(int mode);
void m_StepBack(int mode);
void m_OpenPrevPlayListFile(int wrap);
// messageMode 0 none, 1 "CHAPTER : %02d" with defaults, 2 short.
void m_Chapter_Jump(int chapter, int messageMode);
