// The ProcAmp range in use: the renderer's ranges matched against four
// built-in tables, slider positions turned into renderer values, and
// stored positions carried from one range kind to another.
#pragma once
#include <windows.h>

struct SPROCAMPRANGE {
    int AnySupported;  // the renderer offers ProcAmp at all
    int Supported[4];  // contrast, brightness, hue, saturation
    int Kind;          // the built-in table it equals, 0..3, or -1
    double Minimum[4];
    double Maximum[4];
    double Default[4];
    double Step[4];
    int Span[4];        // positions run from 0 to the span
    int DefaultPos[4];  // the position of the default value
    int Offset[4];
    int SliderStep[4];  // the options page's line step
};

// The range in use.
extern SPROCAMPRANGE g_ProcAmpRange;
// The ranges exactly as the renderer reported them at the last open.
extern SPROCAMPRANGE g_ProcAmpRangeReported;
// The first display device's name, read once for the information page.
constexpr int kDisplayDeviceNameCap = 257;
extern wchar_t g_DisplayDeviceName[kDisplayDeviceNameCap];

// The built-in table of a kind; a kind outside 0..3 builds kind 0's.
void m_ProcAmp_BuildRange(SPROCAMPRANGE* range, int kind);
// 1 when the positions are the kind's default positions.
int m_ProcAmp_IsDefault(const int positions[4], int kind);
// Carries positions from one range to another by their distance from the
// default; a position far outside its range resets all four to the new
// range's defaults (logged, with a message). 1 when converted, 0 on reset.
int m_ProcAmp_Convert(int positions[4], const SPROCAMPRANGE* from, const SPROCAMPRANGE* to);
// The renderer value of a slider position in the range in use; -1 or a
// position off the slider means the default position; 0 for c above 3.
double m_ProcAmp_SliderToValue(int c, int position);
double m_ProcAmp_SliderToValueIn(const SPROCAMPRANGE* range, int c, int position);
// Reads the renderer's ranges into g_ProcAmpRangeReported and takes them;
// returns the any-supported flag.
int m_ProcAmp_ReadRange();
// Takes g_ProcAmpRangeReported as the range in use: values rounded to their
// step, the kind matched, DEF's positions converted on a change of kind. A
// renderer without ProcAmp leaves kind and positions as they are. Returns
// the any-supported flag.
int m_ProcAmp_TakeReported();
