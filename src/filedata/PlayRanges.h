// Play ranges: the active bounds, the stored ranges of each track, and the
// range repeat mode.
#pragma once

struct SPLAYRANGEITEM;

void m_PlayRange_Command(int command, int message);
void m_PlayRange_SetBounds(int on, int startMs, int endMs);
void m_PlayRange_FindActive();
int m_PlayRange_AddCurrent(int turnOff, int message);
int m_PlayRange_Add(int track, int startMs, int endMs, int refresh, int message);
int m_PlayRange_Sort(SPLAYRANGEITEM* ranges, int count, int indexOfInterest);
void m_PlayRange_Replace(int index);
void m_PlayRange_SplitAtCurrent(int index);
int m_PlayRange_Delete(int track, int index, int save, int message);
int m_PlayRange_Rename(int track, int index, const wchar_t* name);
int m_PlayRange_Select(int track, int index, int seekMode, int messageMode);
int m_PlayRange_FindByPos(int direction);
void m_PlayRange_Step(int direction, int stepMode, int acrossFiles);
void m_PlayRange_StepFile(int direction, int mode, int index, int message);
void m_RangeRepeat_SetMode(int mode);
