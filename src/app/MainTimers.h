// The main window's timers: fixed ids shared by the code that arms them and
// the one WM_TIMER handler.
#pragma once
#include <windows.h>

enum : UINT {
    kTimerTimeDisplay = 0,
    kTimerSeekRepeat = 1,
    kTimerSeekFirst = 2,
    kTimerCursorHide = 3,
    kTimerHover = 4,
    kTimerClickDelay = 5,
    kTimerResumeSave = 6,
    kTimerMainSave = 10,
    kTimerSysVolForget = 12,
    kTimerLevelMeter = 17,
    kTimerSeekEnd = 24,
    kTimerBottomPanel = 28,
    kTimerVideoOut = 29,
    kTimerTimerText = 30,
    kTimerMenuDestroy = 31,
    kTimerAutoStop = 32,
    kTimerPreviewFadeIn = 33,
    kTimerPreviewFadeOut = 34,
    kTimerHoldEnd = 39,
    kTimerKeepAwake = 40,
    kTimerSpare41 = 41,
    kTimerVolumeFade = 43,
    kTimerAutoShowFade = 44,
    kTimerMMRelay = 45,
    kTimerPowerTempEnd = 46,
    kTimerSizeMessage = 47,
    kTimerTrackResume = 48,
    kTimerPreviewRequest = 49,
    kTimerHoldDelay = 50,
    kTimerFrameRepeat = 51,
    kTimerFrameFirst = 52,
    kTimerPreviewShow = 54,
    kTimerAudDevSave = 61,
    kTimerTestTone = 62,
    kTimerAudDevLock = 64,
};

// The period the time display asks of timer 0; its tick re-arms itself when
// this differs from the period it runs with.
extern int g_TimeTimerRequestMs;
// The period timer 0 runs with, 0 when it is not armed.
int m_TimeTimer_GetPeriod();

// WM_TIMER of the main window; ids without a row are ignored.
void m_OnTimer(UINT id);
// 1 for the timers that end on their first tick.
int m_IsOneShotTimer(UINT id);
