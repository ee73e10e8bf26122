// The current chapter as playback crosses chapter starts.
#pragma once

// Makes the chapter at the position current (-1: find it) and shows
// "CHAPTER```:```%02d".
void m_Chapter_TrackCurrent(int chapter, int playing, int flag);
// The playing track's own record in its list file.
void m_Resume_WriteTrack();

#include "filedata/ResumeStore.h"  // m_Resume_Save
