// Messages the playback engine posts to the window that owns it.
#pragma once
#include <windows.h>

// A DirectShow graph event waits; drain it with GetEvent.
constexpr UINT WM_APP_GRAPHEVENT = WM_APP + 0x01;
// The time-stretch filter's notice; wParam = rate in percent.
constexpr UINT WM_APP_TIMESTRETCH = WM_APP + 0x1F;
// The threaded open finished; wParam 1 opened, 0 failed.
constexpr UINT WM_APP_GRAPHBUILT = WM_APP + 0x65;
// The first frame after a seek reached the video renderer.
constexpr UINT WM_APP_FRAMESHOWN = WM_APP + 0x66;
// A new current chapter; wParam old index, lParam new index.
constexpr UINT WM_APP_CHAPTERCHANGED = WM_APP + 0x67;
// The stop position was reached.
constexpr UINT WM_APP_STOPREACHED = WM_APP + 0x69;
// The video grabber copied a frame; wParam = its SGRABFRAME or 0.
constexpr UINT WM_APP_FRAMEGRABBED = WM_APP + 0x6E;

// The preview player to its client window.
// Posted: the threaded open ended; wParam 1 opened, 0 failed.
constexpr UINT WM_APP_PREVIEWOPENED = WM_APP + 0x1F5;
// Posted: the frame after a seek is shown (frames and video modes).
constexpr UINT WM_APP_PREVIEWSHOWN = WM_APP + 0x1F6;
// Posted: a grabbed frame is in the frame image; wParam the CArgbImage,
// lParam its time in ms.
constexpr UINT WM_APP_PREVIEWIMAGE = WM_APP + 0x1F7;
// Sent: the next stepping image is in the frame image.
constexpr UINT WM_APP_PREVIEWSTEP = WM_APP + 0x1F8;
