// Stepping: frames at a fixed interval from a start, each delivered to the
// client no sooner than the period after the last one.
#include "engine/PreviewPlayer.h"

#include <mmsystem.h>

#include <algorithm>

#include "engine/EngineMessages.h"
#include "engine/VideoRenderer.h"

void m_Preview_StartStepping(int startMs, int stepMs, int periodMs)
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (!p->Engine || !p->Open) return;
    p->StepPeriod = std::clamp(periodMs, 50, 10000);
    p->StepSize = std::clamp(stepMs, 100, 10000);
    p->Stepping = 1;
    p->StepImage.m_Clear(true);
    p->StepCount = 0;
    p->StepStart = p->StepPosition = startMs;
    p->DeliveredOffset = 0;
    p->LastDeliveryTick = timeGetTime();
    p->FirstStep = 1;
    m_Preview_NextStep();
}

void m_Preview_NextStep()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    p->StepPosition += p->StepSize;
    ++p->StepCount;
    m_Preview_SeekMs(p->StepPosition);
}

// A step's frame is shown: after the first seek one more follows (1 ms on),
// so that the frame is the one at the step's time; then the image is taken
// and delivered when its period is up.
void m_Preview_StepFrameShown()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (p->FirstStep) {
        p->FirstStep = 0;
        m_Preview_SeekEngine((p->StepPosition + 1) * 10000LL);
        return;
    }
    m_Preview_GrabImage(&p->StepImage, 10);
    p->GrabbedOffset = p->StepPosition - p->StepStart;
    DWORD wait = static_cast<DWORD>(p->StepPeriod);
    if (p->StepCount == 1) wait = std::max<DWORD>(wait * 7 / 10, 100);
    const DWORD due = p->LastDeliveryTick + wait;
    const LONG left = static_cast<LONG>(due - timeGetTime());
    if (left < 10)
        m_Preview_DeliverStep();
    else
        SetTimer(p->HiddenWindow, 103, static_cast<UINT>(left), nullptr);
}

// Timer 103: the step image becomes the frame image and the client is told.
void m_Preview_DeliverStep()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (!p->Stepping) return;
    if (p->StepImage.m_IsValid()) p->FrameImage.m_CopyFrom(&p->StepImage);
    p->DeliveredOffset = p->GrabbedOffset;
    p->LastDeliveryTick = timeGetTime();
    SendMessageW(p->ClientWindow, WM_APP_PREVIEWSTEP, 0, 0);
    // The client may have stopped the run or closed the player meanwhile.
    if (p->Stepping && p->Engine && p->Open) m_Preview_NextStep();
}

void m_Preview_StopStepping()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    if (p->HiddenWindow) {
        KillTimer(p->HiddenWindow, 102);
        KillTimer(p->HiddenWindow, 103);
    }
    p->PendingPosition = -1;
    p->Stepping = 0;
    p->PendingWait = 0;
    p->StepCount = 0;
    p->DeliveredOffset = 0;
    p->FrameImage.m_Clear(true);
}

int m_Preview_GetStepOffset() { return g_PreviewPlayer.DeliveredOffset; }
