// The video property sets: picture and sound adjustments of the open media
// file held at the levels DEF (settings), FILE, SNGL and TEMP, the set of a
// switched-off group, and the compact ProcAmp text.
#pragma once
#include <windows.h>

struct SVIDEOPROPSET {
    int ProcAmpOn;
    int AspectOn;
    int CropOn;
    int RangeMode;  // 1 percentage, 2 rectangle; 0 or negative: off
    int BoostOn;
    int BalanceOn;
    int ProcAmpKind;  // the range kind the positions were made for
    int ProcAmp[4];   // contrast, brightness, hue, saturation slider positions
    int AspectMode;   // 1 4:3, 2 16:9, 3 x:y
    int AspectX;
    int AspectY;
    int CropMode;
    int CropX;
    int CropY;
    int RangePercent;  // hundredths of a percent, 1000..10000
    int RangeRect[4];  // left, top, right, bottom in hundredths of a percent
    int Boost;         // percent, 0..300
    int Balance;       // balance + 100, 0..200
};

// Group bits: how every property operation names a group.
enum {
    VP_CONTRAST = 1,
    VP_BRIGHTNESS = 2,
    VP_HUE = 4,
    VP_SATURATION = 8,
    VP_PROCAMP = 15,
    VP_RANGE = 16,
    VP_ASPECT = 32,
    VP_CROP = 64,
    VP_BOOST = 256,
    VP_BALANCE = 512,
};

// Level numbers (origin codes); -1 is a switched-off group.
enum {
    VP_LEVEL_AUTO = 0,
    VP_LEVEL_DEF = 1,
    VP_LEVEL_FILE = 2,
    VP_LEVEL_SNGL = 3,
    VP_LEVEL_TEMP = 4,
    VP_LEVEL_NONE = -1,
};

// The DEF level, from [Prop]: a flag of 0 switches the group off at every
// level but TEMP.
extern SVIDEOPROPSET g_VideoPropDefault;
// The open file's level, from its resume record.
extern SVIDEOPROPSET g_VideoPropFile;
// The playing playlist entry's own level.
extern SVIDEOPROPSET g_VideoPropTrack;
// This run only.
extern SVIDEOPROPSET g_VideoPropTemp;
// Defaults, in effect for a switched-off group.
extern SVIDEOPROPSET g_VideoPropNone;
// The playing entry's own set is loaded into g_VideoPropTrack.
extern int g_TrackPropsInUse;
// g_VideoPropTrack changed and is to be written back to the list.
extern int g_TrackPropsDirty;

// Mode 1 or -1 fills the defaults (every flag on, kind 0's positions, no
// aspect or crop, the whole picture, boost 100, balance centred); any other
// mode empties the set (flags 0, every value -1).
void m_VideoProp_Init(SVIDEOPROPSET* set, int mode);
// The set of a level (1..4, -1); null for others.
SVIDEOPROPSET* m_VideoProp_GetSet(int level);
// "DEF", "FILE", "SNGL", "TEMP", "DIS"; empty for others.
const wchar_t* m_VideoProp_LevelText(int level);
// Start-up state: FILE, SNGL and TEMP empty, the switched-off set defaults.
void m_VideoProp_InitLevels();

// The group's present flag at a level 1..4 (the video range: mode > 0);
// 0 for other levels.
int m_VideoProp_IsPresent(int level, int bit);
// The level in effect for a group (mask 15 ProcAmp, or 16, 32, 64, 256,
// 512): TEMP when it holds the group, "DIS" (-1) when DEF switches it off,
// else SNGL, FILE or DEF. Optionally the set to read and the level's text.
int m_VideoProp_GetOrigin(int mask, SVIDEOPROPSET** set, const wchar_t** text);
// Switches the group on at a level (for DEF, FILE and SNGL also on DEF and
// off at TEMP); 1 when anything changed.
int m_VideoProp_MarkPresent(int level, int bit);
// Fill the unset values of a level from the level it would inherit, so
// that a first step starts from the value in effect; 1 when anything
// changed.
int m_VideoProp_SeedFile(int bit);
int m_VideoProp_SeedTrack(int bit);
int m_VideoProp_SeedTemp(int bit);
// The open video's own aspect, reduced; 0 when no video is open.
int m_VideoProp_OwnAspect(int* x, int* y);

// Characters of a ProcAmp text, terminator included.
constexpr int kProcAmpTextCap = 16;

// Default slider positions of a range kind (0..3; others give kind 0's).
void m_ProcAmp_DefaultPositions(int kind, int out[4]);
// The kind letter and the four positions in eight radix-64 digits; empty
// (or the letter alone when forceLetter is set and the kind is not 0) when
// the positions are the kind's defaults. The length written.
int m_ProcAmp_Format(wchar_t* out, int size, const int positions[4], int kind, int forceLetter);
// Reads a ProcAmp text back; an empty text gives kind 0's defaults.
void m_ProcAmp_Parse(const wchar_t* text, int positions[4], int* kind);
