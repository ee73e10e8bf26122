// Setting and stepping one property value at a level, the balance presets,
// the parameter texts of the property functions, and handing the playing
// entry's own level to and from its playlist entry.
#pragma once
#include "playback/ProcAmpRange.h"
#include "playback/VideoProps.h"

// Sets one value at a level (0 automatic: SNGL when it holds the group,
// else FILE) and applies it; aspect and crop refuse DEF and TEMP. With mark
// the group is switched on at that level.
void m_VideoProp_SetValue(int level, int bit, int value, int mark);
// Steps one value to the next multiple of step within its bounds and
// applies it; step 0 puts the default back without switching the group on.
void m_VideoProp_Step(int level, int bit, int step);
// Preset 0 centre, 1 full left, 2 full right, others cycle; 1 when the
// balance changed.
int m_VideoProp_BalancePreset(int level, int preset);
// The bounds and the default of a group's values.
void m_VideoProp_Bounds(int bit, int* low, int* high, int* byDefault);
// The value of a group at a level as a step sees it (aspect and crop in
// thousandths); -1 when unset.
int m_VideoProp_GetValue(int level, int bit);

// Functions 129..135 and 141..143: "[=]number[,level]"; 143 "preset[,level]".
void m_VideoProp_Function(int functionId, const wchar_t* text);
// Function 128: "level,key,step".
void m_VideoProp_Command(const wchar_t* text);

// The playing entry takes the SNGL level into its property set and record;
// 1 when any group is present.
int m_TrackSettings_Store();
// An entry without settings of its own takes those of its Resume.dat
// record into its record and the SNGL level; 1 when it took any.
int m_TrackSettings_Load();
// SNGL changed: written back to the entry and the list saved in 3 s.
void m_TrackSettings_Changed();
// At an open from a list that keeps per-entry levels: SNGL from the entry.
void m_TrackSettings_OnOpen();
// At a close: an entry left without settings loses its flag; a pending
// write happens now.
void m_TrackSettings_OnClose();
