// Placeholders until chapter, marker and range editing is built.
#include "filedata/Chapters.h"
#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"

int m_Chapter_AddCurrent(int) { return -1; }
int m_Chapter_Add(int, int, int, int, int) { return -1; }
void m_Chapter_Apply(int) {}
void m_Chapter_Reset(int, int) {}
int m_Chapter_DeleteCurrent() { return 0; }
int m_Chapter_Delete(int, int, int, int) { return 0; }
int m_Chapter_Rename(int, int, const wchar_t*) { return 0; }
void m_Chapter_SyncFromEngine(int) {}

int m_Marker_AddCurrent() { return -1; }
int m_Marker_Add(int) { return -1; }
void m_Marker_Jump(int, int, int) {}
void m_Marker_Step(int) {}
int m_Marker_DeleteNearest() { return 0; }
int m_Marker_Delete(int, int, int, int) { return 0; }
int m_Marker_Rename(int, int, const wchar_t*) { return 0; }
int m_Marker_Sort(SMARKERITEM*, int, int) { return 0; }

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
