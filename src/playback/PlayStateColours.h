// The colours that show the play state: with [Ctrl] "PauClr" the seek bar,
// the volume slider and the status bars take the pause colour while the
// open file is paused or held.
#pragma once
#include <windows.h>

// The main bars' colour for the state (COLORREF): paused or held with the
// option on gives the pause colour, anything else the normal one.
COLORREF m_PlayStateColour(int pauseColourOn, int playState, int held);
// Applies the colour when it changed (always when forced).
void m_UpdatePlayStateColours(int force, int redraw);
