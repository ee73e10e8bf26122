// No file can be open yet: no chapters to track, nothing to resume.
#include "filedata/ChapterTracking.h"

void m_Chapter_TrackCurrent(int, int, int) {}
void m_Resume_Save() {}
void m_Resume_WriteTrack() {}
