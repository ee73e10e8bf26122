// The resume record of one media file or list: where playback stood, the
// check states, the stream selection and six groups of per-file settings,
// each group with its present flag.
#pragma once
#include <windows.h>

constexpr int kResumeCheckTextCap = 256;
constexpr int kResumeStreamTextCap = 16;

struct SRESUMEINFO {
    UINT HasData;
    UINT64 Key;  // file-name key of the item
    // Position group.
    UINT PositionOn;
    int Track;     // 0-based playlist entry
    int Position;  // ms; -1 after this entry (played to its end)
    // Check states of the list's tracks and chapters.
    UINT CheckOn;
    wchar_t CheckText[kResumeCheckTextCap];
    // Enabled streams, a hexadecimal bit mask.
    UINT StreamOn;
    wchar_t StreamMask[kResumeStreamTextCap];
    // Settings groups.
    UINT ProcAmpOn;
    int ProcAmpKind;  // -1 when cleared
    int ProcAmp[4];   // contrast, brightness, hue, saturation; -1 when cleared
    UINT AspectOn;
    int AspectX;  // y = 1000: x in thousandths
    int AspectY;
    UINT CropOn;
    int CropX;
    int CropY;
    int RangeMode;     // 0 none, 1 zoom, 2 rectangle; above 0 is the group's presence
    int RangeValue;    // 1/100 %
    int RangeRect[4];  // left, top, right, bottom; -1 when cleared
    UINT BoostOn;
    int Boost;  // percent, 100 none
    UINT BalanceOn;
    int Balance;      // balance + 100
    int ShufflePass;  // belongs to the position group
};

// All zero except the cleared values: ProcAmp kind and values -1, range
// value 10000 and rectangle -1, boost 100, balance 100.
void m_Resume_ClearRecord(SRESUMEINFO* record);
