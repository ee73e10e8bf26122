// Placeholders until chapter, marker and range editing is built.
#include "filedata/PlayRanges.h"

void m_PlayRange_Command(int, int) {}
void m_PlayRange_SetBounds(int, int, int) {}
void m_PlayRange_FindActive() {}
int m_PlayRange_AddCurrent(int, int) { return -1; }
int m_PlayRange_Add(int, int, int, int, int) { return -1; }
int m_PlayRange_Sort(SPLAYRANGEITEM*, int, int) { return 0; }
void m_PlayRange_Replace(int) {}
void m_PlayRange_SplitAtCurrent(int) {}
int m_PlayRange_Delete(int, int, int, int) { return 0; }
int m_PlayRange_Rename(int, int, const wchar_t*) { return 0; }
int m_PlayRange_Select(int, int, int, int) { return 0; }
int m_PlayRange_FindByPos(int) { return -1; }
void m_PlayRange_Step(int, int, int) {}
void m_PlayRange_StepFile(int, int, int, int) {}
void m_RangeRepeat_SetMode(int) {}
