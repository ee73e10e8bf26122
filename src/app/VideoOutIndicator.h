// The notice "VIDEO OUT >> MON n" that the main window shows in its video
// area while the video plays full screen on other monitors.
#pragma once
#include <windows.h>

#include "base/Color.h"

// Main-window timer of the indicator's arrow animation.
constexpr UINT kVideoOutTimerId = 29;
constexpr UINT kVideoOutTimerMs = 200;

// What the indicator depends on.
struct SVIDEOOUTFACTS {
    int bVideoOutFullScreen;  // full screen on monitors without the main window's centre
    int bVideo;               // the open media has a picture
    int bCovered;             // the jump-list view or the launcher covers the video
    int bPlaying;
    int nMonitorFirst;  // 1-based; the last differs when full screen spans monitors
    int nMonitorLast;
    RECT rcVideo;    // the video area in the main window's client area
    int nBarHeight;  // room kept above and below the text
    ARGB background;
};

// 1 when the indicator shows: full screen in video-out mode with a video
// open that nothing covers.
int m_VideoOutShown(const SVIDEOOUTFACTS& f);
// The text for an animation step 0..4 and the full-screen monitors.
void m_VideoOutText(int step, int first, int last, wchar_t* out, int capacity);
// Draws the text centred in the area through a work image; 1 when the area
// was tall enough for the text and both bars.
int m_DrawVideoOutText(HDC dc, const RECT& area, int barHeight, ARGB background,
                       const wchar_t* text);
// Mode 1 redraws the current step, 2 (the timer) steps the arrow, any
// other value checks the conditions anew. 1 while the indicator is on.
UINT m_VideoOutIndicator(int mode);
