// What the preview engine reports to the hidden window: a frame shown after
// a seek and a frame the grabber copied.
#include "engine/PreviewPlayer.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <new>

#include "engine/EngineMessages.h"
#include "engine/VideoRenderer.h"

size_t m_Preview_CopyPixels(CArgbImage* image, const void* pixels, size_t size)
{
    if (!image || !image->m_IsValid() || !pixels) return 0;
    const size_t n = std::min(size, static_cast<size_t>(image->m_Count) * 4);
    memcpy(image->m_Bits, pixels, n);
    return n;
}

int m_Preview_CopyDib(CArgbImage* image, const BITMAPINFOHEADER* dib)
{
    if (!image || !dib || dib->biBitCount != 32 || dib->biWidth < 1 || dib->biHeight == 0) return 0;
    const int width = dib->biWidth;
    const int height = abs(dib->biHeight);
    if (!image->m_IsValid() || image->m_Width != width || image->m_Height != height)
        if (!image->m_Create(nullptr, width, height, 32)) return 0;
    const size_t pixels = static_cast<size_t>(width) * height * 4;
    const size_t size = dib->biSizeImage ? std::min<size_t>(dib->biSizeImage, pixels) : pixels;
    const BYTE* bits = reinterpret_cast<const BYTE*>(dib) + dib->biSize +
                       (dib->biCompression == BI_BITFIELDS ? 12 : 0);
    m_Preview_CopyPixels(image, bits, size);
    image->m_SetOpaque();
    return 1;
}

// The frame image at the grabbed frame size and the buffer the grabber
// copies its frames into.
void m_Preview_SetUpGrabTarget()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    const int height = abs(p->FrameHeight);
    if (p->FrameWidth < 1 || height < 1) return;
    if (!p->FrameImage.m_Create(nullptr, p->FrameWidth, height, 32)) return;
    const size_t bytes = static_cast<size_t>(p->FrameImage.m_Count) * 4;
    p->GrabTarget.Data = new (std::nothrow) BYTE[bytes];
    p->GrabTarget.Size = p->GrabTarget.Data ? static_cast<int>(bytes) : 0;
    p->GrabTarget.Time = 0;
    if (p->GrabTarget.Data) p->Engine->m_VR_SetGrabTarget(&p->GrabTarget);
}

int m_Preview_TakeFrame(CArgbImage* image, const SGRABFRAME* frame)
{
    const SPREVIEWPLAYER* p = &g_PreviewPlayer;
    const int height = abs(p->FrameHeight);
    if (p->FrameWidth < 1 || height < 1 || !frame->Data) return 0;
    if (!image->m_IsValid() || image->m_Width != p->FrameWidth || image->m_Height != height)
        if (!image->m_Create(nullptr, p->FrameWidth, height, 32)) return 0;
    m_Preview_CopyPixels(image, frame->Data, static_cast<size_t>(std::max(frame->Size, 0)));
    image->m_SetOpaque();  // the grabber leaves alpha 0
    return 1;
}

// Timer 100: the frame that WM_APP_FRAMEGRABBED named, or the grab target
// when the grabber copied into it.
void m_Preview_OnFrameGrabbed()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    const SGRABFRAME* frame = p->LastGrabbedFrame ? p->LastGrabbedFrame : &p->GrabTarget;
    p->LastGrabbedFrame = nullptr;
    if (!p->Engine || !p->Open) return;
    m_Preview_TakeFrame(&p->FrameImage, frame);
    p->GrabInFlight = 0;
    if (p->HiddenWindow) KillTimer(p->HiddenWindow, 104);
    // Sample times start again at 0 with each seek.
    const LONGLONG ms = p->FrameBase / 10000 + static_cast<LONGLONG>(frame->Time * 1000);
    PostMessageW(p->ClientWindow, WM_APP_PREVIEWIMAGE, reinterpret_cast<WPARAM>(&p->FrameImage),
                 static_cast<LPARAM>(ms));
    if (p->PendingPosition != -1) m_Preview_GrabPending();
}

// Timer 104: a seek or grab whose frame never came (a seek to the very end
// shows none) no longer holds back the pending one.
void m_Preview_FrameWaitEnded()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    const bool seek = p->SeekInFlight != 0;
    const bool grab = p->GrabInFlight != 0;
    p->SeekInFlight = p->GrabInFlight = 0;
    if (p->PendingPosition == -1) return;
    if (seek) m_Preview_Seek(-1, 0);
    if (grab) m_Preview_GrabPending();
}

void m_Preview_OnFrameShown()
{
    SPREVIEWPLAYER* p = &g_PreviewPlayer;
    p->SeekInFlight = 0;
    if (p->HiddenWindow) KillTimer(p->HiddenWindow, 104);
    if (!p->Engine || !p->Open) return;
    switch (p->DrawMode) {
        case PREVIEW_MODE_STEP:
            if (p->Stepping) m_Preview_StepFrameShown();
            break;
        case PREVIEW_MODE_VIDEO:
            if (p->Playing && p->FirstStep) {
                p->FirstStep = 0;
                m_Preview_SeekEngine((p->SeekPosition + 1) * 10000LL);
            } else if (p->Playing) {
                PostMessageW(p->ClientWindow, WM_APP_PREVIEWSHOWN, 0, 0);
            } else {
                p->FirstStep = 0;
            }
            break;
        default:
            PostMessageW(p->ClientWindow, WM_APP_PREVIEWSHOWN, 0, 0);
            if (p->PendingPosition != -1) m_Preview_Seek(-1, 0);
            break;
    }
}
