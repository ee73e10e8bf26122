// The seek-bar preview's arithmetic, kept free of windows and engines: which
// time a hover shows, when the frame preview is allowed, how large the frame
// is, the settings read with their bounds, the label texts and the fades.
#pragma once
#include <windows.h>

// The hover kind of the thumb; the slider's own kinds are SLIDER_PART_*.
constexpr int kPreviewPartThumb = 1;

// "SbTip" bits.
enum {
    SBTIP_ON = 1,
    SBTIP_FRAMES = 2,
    SBTIP_NO_KEYFRAMES = 4,
};

// What the snapping looks at. Tables are ascending, in ms.
struct SPREVIEWSNAP {
    int positionMs;  // the hovered position, -1 on the thumb
    int part;        // SLIDER_PART_* or kPreviewPartThumb
    int index;       // of the chapter under the pointer
    int exact;       // the thumb gives the hovered position, not the play position
    int currentMs;   // play position
    int durationMs;
    const int* chapterStarts;
    int chapterCount;
    const DWORD* keyFrames;  // null without a key-frame table
    int keyFrameCount;
};

// The time the preview shows for a hover.
int m_SeekPreview_SnapMs(const SPREVIEWSNAP& s);
// Rounding step by the file's duration.
int m_SeekPreview_StepForDuration(int durationMs);

// The frame preview is allowed by the settings (sbTip bits) for what is
// open (fileOpen, video, the engine knows key frames).
int m_SeekPreview_AllowedBySettings(int sbTip, int fileOpen, int video, int keyFrames);
// With the user's override (-1 follow, 0 off, 1 on).
int m_SeekPreview_Available(int sbTip, int override_, int fileOpen, int video, int keyFrames);

// "SbTipDtl" and "SbTipTm" with out-of-range values replaced: opacity
// 1..100 (0 would leave the popup invisible), the frame percent 1..100,
// the smallest height not above the largest.
struct SPREVIEWDETAILS {
    int opacityText;   // percent
    int opacityFrame;  // percent
    int heightPercent;
    int minHeight;
    int maxHeight;
};
struct SPREVIEWTIMES {
    int hoverDelay;
    int keyFrameDelay;
    int otherDelay;
};
SPREVIEWDETAILS m_SeekPreview_ReadDetails(const int raw[5]);
SPREVIEWTIMES m_SeekPreview_ReadTimes(const int raw[3]);

// The frame's size for a video area height and display aspect (w:h).
SIZE m_SeekPreview_FrameSize(int areaHeight, int aspectW, int aspectH, const SPREVIEWDETAILS& d);

// Label texts (with "`" as the narrow blank), into out of size characters;
// times are ms. endMs -1 means the duration.
int m_SeekPreview_TimeLabel(wchar_t* out, int size, int ms, int durationMs);
int m_SeekPreview_RangeLabel(wchar_t* out, int size, int number, int startMs, int endMs,
                             int durationMs);
int m_SeekPreview_MarkerLabel(wchar_t* out, int size, int number, int ms, int durationMs);
int m_SeekPreview_ChapterLabel(wchar_t* out, int size, int number);

// Alpha 0..255 of an opacity percent, and one fade step (rounded up).
int m_SeekPreview_TargetAlpha(int percent);
int m_SeekPreview_FadeStep(int target, int steps);
