#include "commands/CommandHandlers.h"

#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"

#include <shellapi.h>

#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "base/ErrorLog.h"
#include "commands/ListResumeNotices.h"
#include "commands/PlaylistNotices.h"
#include "commands/SeekBarDrag.h"
#include "commands/SeekBarHover.h"
#include "commands/StreamSelect.h"
#include "controls/MenuItem.h"
#include "controls/MenuMessages.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"
#include "playback/AutoNext.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackRate.h"
#include "playback/PowerSaving.h"
#include "playback/RepeatMode.h"
#include "playback/Seek.h"
#include "playback/TrackNavigation.h"
#include "playback/VolumeControl.h"
#include "playlist/Playlist.h"
#include "playlist/Shuffle.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsMain.h"

namespace {
// The control-bar buttons' second gesture.
constexpr int kButtonGesture = 107;
constexpr int kButtonRightClick = 104;
constexpr int kPrevButton = static_cast<int>(kControlButtonFirstId) + CB_PREVIOUS;
constexpr int kNextButton = static_cast<int>(kControlButtonFirstId) + CB_NEXT;
constexpr UINT kSeekBarPollMs = 33;
}  // namespace

namespace {

SSEEKBARDRAG g_SeekBarDrag = {-1, 0};

void m_SeekBar_Step(const SSEEKBARSTEP& step)
{
    if (step.ms < 0) return;
    const int used = m_SeekToMsSnap(step.ms, step.direction);
    if (m_SeekBarDrag_OnLanded(&g_SeekBarDrag, step, used))
        SetTimer(g_hWndMain, kTimerHoldEnd, kSeekBarPollMs, nullptr);
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

// A press on the channel or a chapter mark moves the thumb there and
// reports that position, and so does every step of a drag.
void m_OnSeekBarNotice(const SSLIDERNOTIFY& n)
{
    if (m_SeekBarHover_OnNotice(n)) return;
    if (n.code == SPN_LDOWN) {
        if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
        if (GetKeyState(VK_SHIFT) < 0) m_Pause();
        m_SeekBarDrag_OnPress(&g_SeekBarDrag, m_SeekBar_PressMark(n));
    } else if (n.code == SPN_GRAB) {
        if (g_Settings.Seek_Pau && n.moved && m_IsPlaying()) m_SetHold(1, 1);
        KillTimer(g_hWndMain, kTimerHoldEnd);
        const int waits = g_VideoRenderer && g_VideoRenderer->m_VR_IsFramePending();
        m_SeekBar_Step(m_SeekBarDrag_OnPosition(&g_SeekBarDrag, n.position, n.moved, waits));
    } else if (n.code == SPN_LUP) {
        if (g_SeekBarDrag.pending >= 0) {
            KillTimer(g_hWndMain, kTimerHoldEnd);
            m_SavePlayPosition(0);
            m_SeekBar_Step(m_SeekBarDrag_OnRelease(&g_SeekBarDrag, g_Settings.Seek_Key == 1));
        }
        if (g_Settings.Seek_Pau) m_SetHold(0, 1);
    }
}

// The volume slider runs in percent.
void m_OnVolumeSliderNotice(const SSLIDERNOTIFY& n)
{
    if (n.code == SPN_GRAB && n.position >= 0) m_Volume_ShowText(n.position * 100, 1);
}

}  // namespace

// Until the control commands are built, the extra button, play/pause (the
// rate toggle on its second gesture), previous and next, repeat, power
// saving (the option on a click, its inversion for this run on the button's
// second gesture), the seek bar and the volume slider work.
int m_OnCtrlCommand(int id, int notification, LPARAM data)
{
    if (notification == kSliderCommand && data && (id == IDC_SEEKBAR || id == IDC_VOLUME_SLIDER)) {
        const SSLIDERNOTIFY& n = *reinterpret_cast<const SSLIDERNOTIFY*>(data);
        if (id == IDC_SEEKBAR)
            m_OnSeekBarNotice(n);
        else
            m_OnVolumeSliderNotice(n);
        return 1;
    }
    const int powerButton = static_cast<int>(kControlButtonFirstId) + CB_POWER;
    if (id == powerButton && notification == kButtonGesture) {
        m_PowerSaving_SetTemp(!m_PowerSaving_IsTempOn(), 1, 1);
        return 1;
    }
    // Previous and next: a click steps by track, a right click by point.
    if ((id == kPrevButton || id == kNextButton) &&
        (notification == 0 || notification == kButtonRightClick)) {
        const int mode = notification == kButtonRightClick ? 1 : 0;
        if (id == kNextButton)
            m_StepForward(mode);
        else
            m_StepBack(mode);
        return 1;
    }
    const int playButton = static_cast<int>(kControlButtonFirstId) + CB_PLAY;
    if (id == playButton && notification == kButtonGesture) {
        m_Rate_Adjust(0);
        return 1;
    }
    if (notification != 0) return 0;
    switch (id) {
        case IDC_EXTRA_BUTTON:
            m_SetControlBarMode(m_GetControlBarMode() ? 0 : 1);
            return 1;
        case static_cast<int>(kControlButtonFirstId) + CB_PLAY:
            m_PlayPause(-1);
            return 1;
        case static_cast<int>(kControlButtonFirstId) + CB_REPEAT:
            m_Repeat_SetMode(g_RepeatMode + 1, 1);
            return 1;
        case static_cast<int>(kControlButtonFirstId) + CB_POWER:
            // An inversion ends by setting the option again.
            m_PowerSaving_Set(m_PowerSaving_IsTempOn() ? g_MainWindowState.nPowerSaving
                                                       : !g_MainWindowState.nPowerSaving,
                              1);
            return 1;
    }
    return 0;
}

// Until the other notices are built, the auto-next countdown's three.
LRESULT m_OnNotifyMain(WPARAM code, LPARAM value)
{
    if (m_ListResume_OnNotice(code, value)) return 0;
    if (m_OnPlaylistNotice(code, value)) return 0;
    if (code == NOTICE_AUTONEXT_NOW)
        m_AutoNext_Now();
    else if (code == NOTICE_AUTONEXT_CANCEL)
        m_AutoNext_Show(0, 0, 2);
    else if (code == NOTICE_AUTONEXT_PAUSE)
        m_Pause();
    else if (code == kNoticePlaylistChanged && g_ShuffleSize && g_ListType != LIST_NONE)
        m_Shuffle_Build(0);
    return 0;
}
// Timer 2 is the continuous seek's wait; timer 39 polls for the engine
// while a seek-bar position waits.
void m_Commands_OnTimer(UINT id)
{
    if (id == kTimerSeekFirst) m_ContinuousSeek_OnWaitTimer();
    if (id == kTimerHoldDelay) m_SeekBarHover_OnTimer();
    if (id != kTimerHoldEnd) return;
    SSLIDERNOTIFY n = {};
    n.code = SPN_GRAB;
    n.position = -1;
    m_OnSeekBarNotice(n);
}

int m_SeekBar_DragPending() { return g_SeekBarDrag.pending >= 0; }

