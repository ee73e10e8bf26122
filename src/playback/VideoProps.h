// The video property sets: picture and sound adjustments of the open media
// file held at the levels DEF (settings), FILE, SNGL and TEMP, and the
// compact ProcAmp text. For now only the DEF set the settings keep.
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

// The DEF level, from [Prop].
extern SVIDEOPROPSET g_VideoPropDefault;

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
