// A pass-through filter spliced in front of the video renderer: reports the
// first frame after a seek with WM_APP_FRAMESHOWN. Takes every media type
// and changes no sample.
#pragma once
#include <windows.h>
#include <dshow.h>
#include "engine/DsTransInPlace.h"

// {A330D7DB-7230-4038-9369-1EA1CE5EBC07}
inline constexpr CLSID CLSID_NotifyFilter = {
    0xA330D7DB, 0x7230, 0x4038, {0x93, 0x69, 0x1E, 0xA1, 0xCE, 0x5E, 0xBC, 0x07}};

class CNotifyFilter : public CTransInPlaceFilter {
public:
    // A new filter with one reference, its creator's; null when out of
    // memory.
    static CNotifyFilter* Create();

    HRESULT CheckInputType(const AM_MEDIA_TYPE* type) override;
    // On the streaming thread: counts the armed frame down and posts the
    // notice when it passes. The sample passes unchanged.
    HRESULT Transform(IMediaSample* sample) override;

    // The window of WM_APP_FRAMESHOWN.
    void SetWindow(HWND window) { m_Window = window; }
    // The engine's IMediaSeeking, not counted.
    void SetSeeking(IMediaSeeking* seeking) { m_Seeking = seeking; }
    // The next frame that passes is reported; the last frame's time starts
    // over.
    void Arm()
    {
        InterlockedExchange64(&m_LastFrameTime, -1);
        InterlockedExchange(&m_Countdown, 1);
    }
    // The media time (100 ns) of the last frame that passed since the last
    // Arm, -1 none.
    LONGLONG LastFrameTime() const { return m_LastFrameTime; }
    // 1 while an armed frame has not passed yet.
    int IsFramePending() const { return m_Countdown > 0; }

private:
    CNotifyFilter();

    IMediaSeeking* m_Seeking = nullptr;
    volatile LONG m_Countdown = 0;
    volatile LONGLONG m_LastFrameTime = -1;
    HWND volatile m_Window = nullptr;
};
