// Placeholders until chapter and marker editing is built.
#include "filedata/Chapters.h"
#include "filedata/Markers.h"

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
