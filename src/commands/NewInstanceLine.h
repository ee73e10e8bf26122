// The command line that hands the playing file to a new instance.
#pragma once
#include <windows.h>

// Where playback stands when the file is handed on.
struct SNEWINSTANCEPOS {
    double Seconds;  // engine position
    int Playing;
    int RangeMode;                 // play-range mode on
    int RangeIndex;                // selected range, -1 none
    int RangeStartMs, RangeEndMs;  // -1 when not set
};

// "-NEW "<path>" -POS <s>" with half a second taken back (not below 0),
// " -PAU" when not playing and, in range mode, " -RNG" with the range.
// 1 when it fitted in cap characters.
int m_FormatNewInstanceArgs(wchar_t* out, int cap, const wchar_t* mediaPath,
                            const SNEWINSTANCEPOS& pos);
