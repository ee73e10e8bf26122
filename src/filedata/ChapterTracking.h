// The current chapter as playback crosses chapter starts.
#pragma once

// Makes the chapter at the position current (-1: find it) and shows
// "CHAPTER```:```%02d".
void m_Chapter_TrackCurrent(int chapter, int playing, int flag);
// Saves the resume data of the open list; for .zvpl and folder lists also
// the playing track's own record.
void m_Resume_Save();
void m_Resume_WriteTrack();
