// Seeking, grabbing and playing the preview engine, and what it tells of its
// file. Of several quick seeks (or grabs) the first goes to the engine and
// the last waits as the pending position; those between are dropped.
#include "engine/PreviewPlayer.h"

#include <stdlib.h>

#include "engine/KeyFrameSearch.h"
#include "engine/VideoRenderer.h"

namespace {

SPREVIEWPLAYER* P() { return &g_PreviewPlayer; }

bool m_IsOpen() { return P()->Engine && P()->Open; }

LONGLONG m_Clamp(LONGLONG t)
{
    if (t < 0) return 0;
    return t > P()->Duration ? P()->Duration : t;
}

// Bounds the wait for the frame of a seek or grab in flight.
void m_ArmFrameWait()
{
    if (P()->HiddenWindow) SetTimer(P()->HiddenWindow, 104, kPreviewFrameWaitMs, nullptr);
}

}  // namespace

HRESULT m_Preview_SeekEngine(LONGLONG position)
{
    P()->SeekBase = position;
    return P()->Engine->m_VR_SetPosition(position);
}

void m_Preview_Seek(int ms, int wait)
{
    SPREVIEWPLAYER* p = P();
    if (!m_IsOpen()) return;
    LONGLONG t = ms * 10000LL;
    if (ms == -1) {
        if (p->PendingPosition == -1) return;  // nothing waits
        t = p->PendingPosition;
        wait = p->PendingWait;
    }
    t = m_Clamp(t);
    if (t == p->CurrentPosition) {
        if (ms == -1) p->PendingPosition = -1;
        return;
    }
    if (p->SeekInFlight) {
        p->PendingPosition = t;
        p->PendingWait = wait ? 1 : 0;
        return;
    }
    p->CurrentPosition = p->RequestedPosition = t;
    p->PendingPosition = -1;
    p->SeekInFlight = 1;
    if (FAILED(m_Preview_SeekEngine(t))) {
        p->SeekInFlight = 0;  // no frame will be reported
        return;
    }
    if (!wait) {
        m_ArmFrameWait();  // WM_APP_FRAMESHOWN ends the seek
        return;
    }
    p->Engine->m_VR_WaitFrame(2000);
    m_Preview_GrabImage(&p->FrameImage, 2);
    p->SeekInFlight = 0;
}

void m_Preview_GrabPending()
{
    SPREVIEWPLAYER* p = P();
    if (!m_IsOpen() || p->PendingPosition == -1) return;
    const LONGLONG t = m_Clamp(p->PendingPosition);
    if (t == p->CurrentPosition) {
        p->PendingPosition = -1;
        return;
    }
    if (p->GrabInFlight) {
        p->PendingPosition = t;
        return;
    }
    const int wait = p->PendingWait ? 1 : 0;
    p->CurrentPosition = p->RequestedPosition = t;
    p->PendingPosition = -1;
    p->GrabInFlight = 1;
    p->SeekBase = t;
    if (!p->Engine->m_VR_GrabFrameAt(t, wait)) {
        p->GrabInFlight = 0;
        return;
    }
    if (!wait) {
        m_ArmFrameWait();  // WM_APP_FRAMEGRABBED brings the frame
        return;
    }
    // A waited-for frame is not posted: it is in the grab target now.
    m_Preview_TakeFrame(&p->FrameImage, &p->GrabTarget);
    p->GrabInFlight = 0;
}

void m_Preview_SeekMs(int ms)
{
    SPREVIEWPLAYER* p = P();
    if (!m_IsOpen()) return;
    p->SeekPosition = ms;
    m_Preview_SeekEngine(ms * 10000LL);
}

HRESULT m_Preview_PlayFrom(int ms)
{
    SPREVIEWPLAYER* p = P();
    if (!m_IsOpen()) return kVrNotAvailable;
    p->Playing = 1;
    m_Preview_SeekMs(ms);
    p->Engine->m_VR_StopWhenReady();
    return p->Engine->m_VR_Run();
}

HRESULT m_Preview_StopPlay()
{
    SPREVIEWPLAYER* p = P();
    if (!p->Playing) return S_FALSE;
    p->Playing = 0;
    if (!p->Engine || !p->Engine->m_VR_IsRunning()) return S_FALSE;
    return p->Engine->m_VR_Pause();
}

void m_Preview_Pause()
{
    if (P()->Engine) P()->Engine->m_VR_Pause();
}

int m_Preview_PauseIfOpen()
{
    if (!m_IsOpen()) return 0;
    return SUCCEEDED(P()->Engine->m_VR_Pause()) ? 1 : 0;
}

int m_Preview_GetPositionMs()
{
    if (!P()->Engine) return -1;
    return static_cast<int>(P()->Engine->m_VR_GetPositionMs());
}

// The chapter at ms, -1 when none is known.
int m_Preview_GetChapterIndex(int ms)
{
    if (!m_IsOpen()) return -1;
    LONGLONG rest = 0;
    const DWORD index = P()->Engine->m_VR_GetChapterIndex(ms * 10000LL, &rest);
    return index == 0xFFFFFFFF ? -1 : static_cast<int>(index);
}

int m_Preview_Repaint(HDC dc)
{
    if (!m_IsOpen()) return 0;
    return P()->Engine->m_VR_RepaintVideo(dc) == S_OK ? 1 : 0;
}

void m_Preview_SetAspect(int x, int y)
{
    P()->AspectX = x;
    P()->AspectY = y;
}

int m_Preview_HasKeyFrames()
{
    return P()->Engine && P()->Engine->m_VR_GetKeyFrameKind() != 0 ? 1 : 0;
}

int m_Preview_GetKeyFrameCount()
{
    int count = 0;
    if (P()->Engine) P()->Engine->m_VR_GetKeyFrameMsTable(&count);
    return count;
}

int m_Preview_GetKeyFrame(int index)
{
    int count = 0;
    const DWORD* table = P()->Engine ? P()->Engine->m_VR_GetKeyFrameMsTable(&count) : nullptr;
    if (!table || index < 0 || index >= count) return -1;
    return static_cast<int>(table[index]);
}

DWORD m_Preview_FindKeyFrame(DWORD ms)
{
    return P()->Engine ? P()->Engine->m_VR_FindKeyFrame(ms, -1) : kKeyFrameNoMs;
}

// The renderer's current image into the image (the frame image for null),
// tried every 10 ms up to retries + 1 times; 1 when copied.
int m_Preview_GrabImage(CArgbImage* image, int retries)
{
    if (!m_IsOpen()) return 0;
    if (!image) image = &P()->FrameImage;
    BITMAPINFOHEADER* dib = nullptr;
    for (int i = 0; i <= retries; ++i) {
        if (P()->Engine->m_GetCurrentImage(&dib, 0) && dib) break;
        dib = nullptr;
        if (i < retries) Sleep(10);
    }
    // Where the renderer hands out no image, the frame the grabber copied
    // last stands for it.
    if (!dib) return m_Preview_TakeFrame(image, &P()->GrabTarget);
    const int ok = m_Preview_CopyDib(image, dib);
    CoTaskMemFree(dib);
    return ok;
}
