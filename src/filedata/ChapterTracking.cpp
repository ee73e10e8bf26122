// No chapters to track yet; the track records of list files come with them.
#include "filedata/ChapterTracking.h"

void m_Chapter_TrackCurrent(int, int, int) {}
void m_Resume_WriteTrack() {}
