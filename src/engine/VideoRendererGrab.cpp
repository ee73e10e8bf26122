// The engine side of the grab callbacks: audio processing options and the
// frame grabs of preview graphs.
#include "engine/VideoRenderer.h"

#include "engine/AudioGrab.h"
#include "engine/VideoGrab.h"

void CVideoRenderer::m_VR_SetAudioGain(int percent)
{
    m_AudioOptions[0] = percent;
    if (m_pAudioGrabCB) m_pAudioGrabCB->SetGain(percent);
}

void CVideoRenderer::m_VR_SetAudioMix(int percent)
{
    m_AudioOptions[1] = percent;
    if (m_pAudioGrabCB) m_pAudioGrabCB->SetMix(percent);
}

void CVideoRenderer::m_VR_SetAudioSwap(int swap)
{
    m_AudioOptions[2] = swap;
    if (m_pAudioGrabCB) m_pAudioGrabCB->SetSwap(swap);
}

void CVideoRenderer::m_VR_SetAudioBalance(int balance)
{
    m_AudioOptions[3] = balance;
    if (m_pAudioGrabCB) m_pAudioGrabCB->SetBalance(balance);
}

void CVideoRenderer::m_GetAudioFormat(int* channels, int* bits) const
{
    SAUDIOFORMAT format = m_pAudioGrabCB ? m_pAudioGrabCB->GetFormat() : m_Audio_DefaultFormat();
    static const int kBits[] = {0, 8, 16, 24, 32, 32};
    *channels = format.Channels;
    *bits = (format.Kind >= 0 && format.Kind <= AUDIO_SAMPLE_F32) ? kBits[format.Kind] : 0;
}

// Seeks the preview graph to the time with the callback armed; with wait,
// returns once the frame was copied or the wait timed out. 1 when armed.
int CVideoRenderer::m_VR_GrabFrameAt(LONGLONG time, int wait)
{
    if (!m_VideoGrabPresent || !m_pVideoGrabCB || !m_pMediaSeeking || !m_Duration) return 0;
    m_Position = time;
    m_pVideoGrabCB->Arm(wait);
    if (FAILED(m_SeekTo(time))) {
        m_pVideoGrabCB->Disarm();
        return 0;
    }
    if (wait) m_pVideoGrabCB->WaitFrame(kGrabWaitTimeoutMs);
    return 1;
}

void CVideoRenderer::m_VR_SetGrabTarget(SGRABFRAME* frame)
{
    if (m_pVideoGrabCB) m_pVideoGrabCB->SetTarget(frame);
}

void CVideoRenderer::m_VR_GetGrabFrameInfo(int* width, int* height, int* sampleSize) const
{
    if (!m_VideoGrabPresent) return;
    *width = m_GrabFrameFacts[0];
    *height = m_GrabFrameFacts[1];
    *sampleSize = m_GrabFrameFacts[2];
}
