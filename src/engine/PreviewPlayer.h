// The preview player: a second engine, opened on a thread, that shows or
// grabs frames of a file besides the one that plays (seek-bar preview, jump
// lists). Its engine reports to a hidden message-only window; the results go
// to a client window as WM_APP_PREVIEWOPENED, _SHOWN, _IMAGE and _STEP.
// Everything here runs on the UI thread.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "engine/VideoGrab.h"

class CVideoRenderer;

// Draw modes.
enum {
    PREVIEW_MODE_FRAMES = 1,  // frames only, drawn into the hidden window
    PREVIEW_MODE_VIDEO = 2,   // the video shown (and played) in the target window
    PREVIEW_MODE_STEP = 3,    // stepping images
};

// Answers of m_Preview_GetState.
enum {
    PREVIEW_STATE_IDLE = 0,
    PREVIEW_STATE_OPENING = 1,
    PREVIEW_STATE_OPEN = 2,
    PREVIEW_STATE_OTHER_OPEN = 3,
    PREVIEW_STATE_OTHER_OPENING = 4,
};

// Engines whose open was given up while their thread still ran; each is
// freed when its build ends.
constexpr int kPreviewRetiredCap = 8;

// How long a seek or grab waits for its frame before the next one is served.
constexpr UINT kPreviewFrameWaitMs = 2000;

struct SPREVIEWPLAYER {
    SPREVIEWPLAYER();
    ~SPREVIEWPLAYER();
    SPREVIEWPLAYER(const SPREVIEWPLAYER&) = delete;
    SPREVIEWPLAYER& operator=(const SPREVIEWPLAYER&) = delete;

    WNDPROC OldWindowProc;
    DWORD DrawMode;
    DWORD Playing;
    DWORD Stepping;
    int StepStart, StepSize, StepPeriod;  // ms
    int StepCount;
    int StepPosition;     // ms, the step being fetched
    int DeliveredOffset;  // ms from the start to the last delivered step
    int GrabbedOffset;    // ms from the start to the step image in hand
    DWORD LastDeliveryTick;
    DWORD FirstStep;
    int SeekPosition;  // ms, the last position asked for by ms
    CArgbImage StepImage;
    CArgbImage FrameImage;
    CVideoRenderer* Engine;
    wchar_t Path[MAX_PATH + 1];
    DWORD Open, Opening;
    LONGLONG Duration;  // 100 ns
    double FramesPerSecond;
    LONGLONG CurrentPosition;    // 100 ns, last sought; -1 none
    LONGLONG RequestedPosition;  // the same, kept for the client
    LONGLONG PendingPosition;    // 100 ns, waits for the one in flight; -1 none
    DWORD PendingWait;
    int FrameWidth, FrameHeight, AspectX, AspectY, SampleSize;
    HWND ClientWindow, TargetWindow, HiddenWindow;
    // Where the frames go in the frames and stepping modes: a message-only
    // window kept for the player's life.
    HWND VideoWindow;
    HINSTANCE Module;
    DWORD GrabInFlight, SeekInFlight;
    // The grabber copies frames into a buffer of the player's own (not into
    // the frame image, which a current-image grab may make anew while the
    // grabber writes); the UI thread copies them on into the frame image.
    SGRABFRAME GrabTarget;
    const SGRABFRAME* LastGrabbedFrame;
    DWORD WindowsChanged;
    // 100 ns, where the engine was last sought: grabbed sample times count
    // from there.
    LONGLONG SeekBase;
    LONGLONG FrameBase;  // the seek base when the last grabbed frame came
    // Given-up opens: their hidden windows and engines.
    HWND RetiredWindows[kPreviewRetiredCap];
    CVideoRenderer* RetiredEngines[kPreviewRetiredCap];
};

extern SPREVIEWPLAYER g_PreviewPlayer;

// Windows and the file.
void m_Preview_SetWindow(DWORD mode, HWND target, HWND client);
int m_Preview_Open(const wchar_t* path);
void m_Preview_Close();
int m_Preview_GetState(const wchar_t* path);
CVideoRenderer* m_Preview_GetEngine();

// Key frames of the open file.
int m_Preview_HasKeyFrames();
int m_Preview_GetKeyFrameCount();
int m_Preview_GetKeyFrame(int index);
DWORD m_Preview_FindKeyFrame(DWORD ms);

// Seeking, grabbing and playing.
void m_Preview_Seek(int ms, int wait);
void m_Preview_GrabPending();
void m_Preview_SeekMs(int ms);
HRESULT m_Preview_PlayFrom(int ms);
HRESULT m_Preview_StopPlay();
void m_Preview_Pause();
int m_Preview_PauseIfOpen();
int m_Preview_GetPositionMs();
int m_Preview_GetChapterIndex(int ms);
int m_Preview_Repaint(HDC dc);
void m_Preview_SetAspect(int x, int y);
int m_Preview_GrabImage(CArgbImage* image, int retries);

// Stepping.
void m_Preview_StartStepping(int startMs, int stepMs, int periodMs);
void m_Preview_StopStepping();
int m_Preview_GetStepOffset();

// Copies at most the image's own bytes of the pixels into it; the bytes
// copied.
size_t m_Preview_CopyPixels(CArgbImage* image, const void* pixels, size_t size);
// Makes the image the size of a 32-bit DIB (header and pixels in one block)
// and copies its pixels, no more than the header's size says and the image
// holds; 0 for another depth or an empty DIB.
int m_Preview_CopyDib(CArgbImage* image, const BITMAPINFOHEADER* dib);

// The steps the hidden window runs (PreviewPlayerEvents.cpp).
void m_Preview_SetUpGrabTarget();
// Copies a grabbed frame (of the engine's frame size) into the image, made
// at that size when it is not; 1 when copied.
int m_Preview_TakeFrame(CArgbImage* image, const SGRABFRAME* frame);
HRESULT m_Preview_SeekEngine(LONGLONG position);
void m_Preview_FrameWaitEnded();
void m_Preview_OnGraphBuilt(int success);
void m_Preview_OnFrameShown();
void m_Preview_OnFrameGrabbed();
void m_Preview_DeliverStep();
void m_Preview_StepFrameShown();
void m_Preview_NextStep();
