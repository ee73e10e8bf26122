// Markers of a track: a sorted list of positions kept beside the chapters.
#pragma once

struct SMARKERITEM;

int m_Marker_AddCurrent();
int m_Marker_Add(int posMs);
void m_Marker_Jump(int track, int index, int message);
void m_Marker_Step(int direction);
int m_Marker_DeleteNearest();
int m_Marker_Delete(int track, int index, int save, int message);
int m_Marker_Rename(int track, int index, const wchar_t* name);
int m_Marker_Sort(SMARKERITEM* markers, int count, int indexOfInterest);
