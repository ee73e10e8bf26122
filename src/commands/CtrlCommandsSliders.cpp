// The seek bar's and the volume slider's notices: presses jump to marks,
// drag steps seek (only the newest position waits while the engine still
// shows an earlier seek), the release seeks to what waits, and the volume
// follows its slider.
#include <strsafe.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "commands/CommandHandlers.h"
#include "commands/CtrlCommands.h"
#include "commands/SeekBarDrag.h"
#include "commands/SeekBarHover.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"
#include "jumplist/JumpListCommands.h"
#include "library/LauncherCommands.h"
#include "playback/AudioCommands.h"
#include "playback/AutoNext.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"
#include "playback/SeekPreview.h"
#include "playback/SeekPreviewMath.h"
#include "playback/TrackNavigation.h"
#include "playback/VolumeControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "timer/TimerTicks.h"

namespace {

constexpr UINT kSeekBarPollMs = 33;
constexpr int kVolumeTextMs = 5000;
constexpr int kVolumeTextPriority = 20;

SSEEKBARDRAG g_SeekBarDrag = {-1, 0};
int g_VolumeDragText;   // the volume a drag set is on screen
int g_VolumeHoverText;  // the hover's volume text is on screen

int m_EngineWaits() { return g_VideoRenderer && g_VideoRenderer->m_VR_IsFramePending(); }

void m_StartPoll() { SetTimer(g_hWndMain, kTimerHoldEnd, kSeekBarPollMs, nullptr); }

// Seeks as the step asks; 1 when the position stays pending (timer 39).
int m_SeekBar_Step(const SSEEKBARSTEP& step)
{
    if (step.ms < 0) return 0;
    const int used = m_SeekToMsSnap(step.ms, step.direction);
    if (!m_SeekBarDrag_OnLanded(&g_SeekBarDrag, step, used)) return 0;
    m_StartPoll();
    return 1;
}

// A press on a mark goes where the mark stands; 1 when it went.
int m_SeekBar_PressMark(const SSLIDERNOTIFY& n)
{
    switch (n.part) {
        case SLIDER_PART_CHAPTER:
            m_Chapter_Jump(n.index, 1);
            return 1;
        case SLIDER_PART_MARKER:
            m_Marker_Jump(-1, n.index, 1);
            return 1;
        case SLIDER_PART_RANGE:
            return m_PlayRange_Select(-1, n.index, 1, 1);
    }
    return 0;
}

void m_SeekBar_OnPress(const SSLIDERNOTIFY& n)
{
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    // What stands over the video gives way to the picture being sought.
    if (m_JumpList_IsShown()) m_JumpList_Command(0);
    if (m_Launcher_HoldsPlayback()) m_Launcher_Toggle();
    if (GetKeyState(VK_SHIFT) < 0) m_Pause();
    m_SeekBarDrag_OnPress(&g_SeekBarDrag, m_SeekBar_PressMark(n));
    if (m_SeekPreview_IsShown()) m_SeekPreview_Show(0);
}

// The preview popup shows: its snapped time is sought, or waits.
int m_SeekBar_PreviewStep(const SSLIDERNOTIFY& n)
{
    const int ms = m_SeekPreview_SnapTime(&n, 1);
    if (ms < 0) return 0;
    if (!m_EngineWaits()) {
        g_SeekBarDrag.pending = -1;
        m_SeekToMsSnap(ms, -2);
        return 0;
    }
    g_SeekBarDrag.pending = ms;
    m_StartPoll();
    return 1;
}

void m_SeekBar_OnPosition(const SSLIDERNOTIFY& n)
{
    if (g_Settings.Seek_Pau && n.moved && m_IsPlaying()) m_SetHold(1, 1);
    int polling = 0;
    if (n.position < 0) {
        polling = m_SeekBar_Step(m_SeekBarDrag_OnPosition(&g_SeekBarDrag, -1, n.moved, 0));
    } else if (!m_SeekPreview_IsShown()) {
        polling = m_SeekBar_Step(
            m_SeekBarDrag_OnPosition(&g_SeekBarDrag, n.position, n.moved, m_EngineWaits()));
        if (g_MediaOpen && (m_SeekPreview_TipBits() & SBTIP_ON)) {
            m_SeekPreview_Draw(&n);
            m_SeekPreview_Show(1);
        }
    } else {
        polling = m_SeekBar_PreviewStep(n);
    }
    if (!polling) KillTimer(g_hWndMain, kTimerHoldEnd);
}

void m_SeekBar_OnRelease()
{
    if (g_SeekBarDrag.pending >= 0) {
        KillTimer(g_hWndMain, kTimerHoldEnd);
        m_SavePlayPosition(0);
        m_SeekBar_Step(m_SeekBarDrag_OnRelease(&g_SeekBarDrag, g_Settings.Seek_Key == 1));
    }
    if (g_Settings.Seek_Pau) m_SetHold(0, 1);
}

void m_VolumeSlider_OnHover()
{
    if (!m_VolumeHover_Wanted(m_Timer_GetActive() != 0, g_VolumeDragText)) return;
    wchar_t text[48];
    if (!m_VolumeHover_Text(text, 48, g_MainWindowState.nVolume, g_VolumeDecimals)) return;
    m_OSD_ShowText(text, -1, kVolumeTextMs, -1, kVolumeTextPriority, -1, -1);
    g_VolumeHoverText = 1;
}

}  // namespace

void m_OnSeekBarNotice(const SSLIDERNOTIFY& n)
{
    if (m_SeekBarHover_OnNotice(n)) return;
    switch (n.code) {
        case SPN_LDOWN:
            m_SeekBar_OnPress(n);
            break;
        case SPN_GRAB:
            m_SeekBar_OnPosition(n);
            break;
        case SPN_LUP:
            m_SeekBar_OnRelease();
            break;
        case SPN_RDOWN:
            m_CtrlMenu_SeekBar();
            break;
    }
}

void m_OnVolumeSliderNotice(const SSLIDERNOTIFY& n)
{
    switch (n.code) {
        case SPN_GRAB:
            if (n.position < 0) return;
            m_SystemVolume_OnPlayState(0);
            m_Volume_ShowText(n.position * 100, 1);
            g_VolumeDragText = 1;
            break;
        case SPN_MOVE:
            m_VolumeSlider_OnHover();
            break;
        case SPN_LEAVE:
            if (g_VolumeHoverText) m_OSD_Clear(0);
            g_VolumeHoverText = g_VolumeDragText = 0;
            break;
        case SPN_CLICKSAME:
            m_SystemVolume_OnPlayState(0);
            break;
        case SPN_RDOWN:
            m_CtrlMenu_Audio(g_VolumeSlider.m_GetHwnd());
            break;
    }
}

void m_SeekBar_OnPollTimer()
{
    SSLIDERNOTIFY n = {};
    n.code = SPN_GRAB;
    n.position = -1;
    m_OnSeekBarNotice(n);
}

int m_SeekBar_DragPending() { return g_SeekBarDrag.pending >= 0; }
