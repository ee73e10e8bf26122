// The seek-bar preview's state, shared by its files (not for other code).
#pragma once
#include <windows.h>

#include "controls/SliderPlus.h"

constexpr int kPreviewLabelCap = 64;

struct SSEEKPREVIEW {
    int userOverride;  // -1 follow the settings, 0 off, 1 on
    int available;
    int shown;
    int alpha;
    int targetAlpha;
    int fadeSteps;
    int slowFade;   // the next fade-in takes three steps
    int withFrame;  // the image drawn last holds a frame
    SSLIDERNOTIFY hover;
    int hasHover;     // the pointer is over the seek bar
    int lastAskedMs;  // -1 none
    int requestPending;
    int reasking;  // timer 49's second look is running
    int active;    // the preview player serves the seek preview
    wchar_t label[kPreviewLabelCap];
    int chapterShown;  // -1 none
    SIZE frameSize;
    POINT place;                       // the popup's top-left corner on the screen
    wchar_t failedPath[MAX_PATH + 1];  // the file the preview player could not open
};

extern SSEEKPREVIEW g_SeekPreview;

// Hands the popup image (opaque) to the layered window at the alpha.
void m_SeekPreview_Present(int alpha);
// 1 when the frame preview draws for the open file now (opening or open).
int m_SeekPreview_FrameState();
// A [Main] "Test" trace line "PREVIEW : ...".
void m_SeekPreview_Trace(const wchar_t* format, ...);
// Timer 49: the kept hover is asked once more.
void m_SeekPreview_OnRequestTimer();
