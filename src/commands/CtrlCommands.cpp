// The control bar's notices: each button's click, press, release and right
// press, the custom buttons' bindings, and the sliders. The operations go
// through the executor's table (ExecOps.h) where it has them, so that a
// test can see which operation a notice reached.
#include "commands/CtrlCommands.h"

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Overlay.h"
#include "commands/BindLookup.h"
#include "commands/CommandHandlers.h"
#include "commands/ContinuousSeek.h"
#include "commands/ExecOps.h"
#include "commands/MenuItemModel.h"
#include "controls/SliderPlus.h"
#include "library/Library.h"
#include "playback/FrameStep.h"
#include "playback/PlaybackEvents.h"
#include "playback/RepeatMode.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "timer/TimerButton.h"

namespace {

constexpr int kFirstId = static_cast<int>(kControlButtonFirstId);
constexpr int kLastButtonId = kFirstId + kControlButtonCount - 1;

SCUSTOMHOLD g_CustomHold;

int m_IsShown(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }

// Rewind and fast forward seek on while their button is held: the left
// button by the normal step, the right one by the fast step.
void m_SeekButton(int notification, int direction)
{
    if (notification == CTRL_LUP || notification == CTRL_RUP) {
        m_StopContinuousSeek(0);
        return;
    }
    if (notification != CTRL_LDOWN && notification != CTRL_RDOWN) return;
    const int right = notification == CTRL_RDOWN;
    const int step = g_Settings.Seek_Step[right ? 1 : 0];
    g_ExecOps.StartContinuousSeek(direction * step, right ? VK_RBUTTON : VK_LBUTTON, -1, -1, -1,
                                  -1);
}

void m_CustomButton(int number, int notification)
{
    const int right = notification == CTRL_RDOWN || notification == CTRL_RUP ||
                      notification == CTRL_RCLICK;
    const int code = m_CustomButton_MouseCode(number, right);
    const int pressed = notification == CTRL_LDOWN || notification == CTRL_RDOWN;
    const SCUSTOMSTEP step =
        m_CustomButton_Step(&g_CustomHold, notification, pressed ? m_Bind_MouseSeekKind(code) : 0);
    const int holdKey = right ? VK_RBUTTON : VK_LBUTTON;
    if (step.stopKind == 1) m_StopContinuousSeekFor(holdKey);
    if (step.stopKind == 2) m_FrameStep_Stop(holdKey);
    if (step.exec) m_Bind_ExecByMouse(code, holdKey);
}

// The size button: the pointer stays on the same point of the button while
// the window changes its size under it.
void m_SizeButton()
{
    HWND button = g_ControlButtons[CB_RATE].m_GetHwnd();
    RECT before = {}, after = {};
    POINT cursor = {};
    const int tracked = button && GetWindowRect(button, &before) && GetCursorPos(&cursor);
    g_ExecOps.Zoom_Toggle100();
    if (!tracked || !GetWindowRect(button, &after) || !PtInRect(&before, cursor)) return;
    if (after.left == before.left && after.top == before.top) return;
    const POINT moved = m_CtrlMenu_FollowButton(cursor, before, after);
    SetCursorPos(moved.x, moved.y);
}

void m_PowerButton(int notification)
{
    if (notification == CTRL_GESTURE) {
        g_ExecOps.PowerSaving_SetTemp(!m_PowerSaving_IsTempOn(), 1, 1);
        return;
    }
    if (notification != CTRL_CLICK) return;
    // An inversion for this run ends by setting the stored option again.
    const int stored = g_MainWindowState.nPowerSaving;
    g_ExecOps.PowerSaving_Set(m_PowerSaving_IsTempOn() ? stored : !stored, 1);
}

void m_TimerGesture()
{
    int kind = 0, minutes = 0;
    m_Timer_LastArmed(&kind, &minutes);
    g_ExecOps.Timer_Arm(kind, minutes * 60);
}

// A click of the buttons that act on a click alone.
void m_ButtonClick(int index)
{
    switch (index) {
        case CB_LAUNCHER:
            g_ExecOps.Launcher_Toggle();
            break;
        case CB_PLAY:
            g_ExecOps.PlayPause(-1);
            break;
        case CB_OPTIONS:
            g_ExecOps.Options_Show(-1, -1, -1);
            break;
        case CB_PLAYLIST:
            g_ExecOps.ShowPlayListWnd(!m_IsShown(g_Playlist.m_GetWindow()), SW_SHOW);
            break;
        case CB_TOPMOST:
            g_ExecOps.SetTopMost(!g_MainWindowState.nTopMost, 1, 0);
            break;
        case CB_RATE:
            m_SizeButton();
            break;
        case CB_REPEAT:
            g_ExecOps.Repeat_SetMode(g_RepeatMode + 1, 1);
            break;
        case CB_FAVORITES:
            g_ExecOps.ShowFavoWindow(!m_IsShown(m_Favorite_GetWindow()), 1);
            break;
        case CB_TIMER:
            g_ExecOps.Timer_ToggleDialog();
            break;
        case CB_JUMPLIST:
            g_ExecOps.JumpList_Command(-1);
            break;
        case CB_CAPTURE:
            g_ExecOps.Capture_ByPreset(0);
            break;
    }
}

void m_OnButton(int id, int notification)
{
    const int custom = m_CustomButton_Number(id);
    if (custom) {
        m_CustomButton(custom, notification);
        return;
    }
    const int index = id - kFirstId;
    if (notification == CTRL_RDOWN && index != CB_REWIND && index != CB_FORWARD) {
        m_CtrlMenu_OnRightPress(id);
        return;
    }
    switch (index) {
        case CB_PLAY:
            if (notification == CTRL_GESTURE) g_ExecOps.Rate_Adjust(0);
            break;
        case CB_PREVIOUS:
        case CB_NEXT:
            // A click steps by track, a right click by point.
            if (notification != CTRL_CLICK && notification != CTRL_RCLICK) return;
            if (index == CB_NEXT)
                m_StepForward(notification == CTRL_RCLICK ? 1 : 0);
            else
                m_StepBack(notification == CTRL_RCLICK ? 1 : 0);
            return;
        case CB_REWIND:
        case CB_FORWARD:
            m_SeekButton(notification, index == CB_REWIND ? -1 : 1);
            return;
        case CB_TOPMOST:
            if (notification == CTRL_RCLICK) m_ButtonClick(index);
            break;
        case CB_MENU:
            if (notification == CTRL_LDOWN) m_CtrlMenu_Recent(id);
            return;
        case CB_TIMER:
            if (notification == CTRL_GESTURE) m_TimerGesture();
            break;
        case CB_POWER:
            m_PowerButton(notification);
            return;
    }
    if (notification == CTRL_CLICK) m_ButtonClick(index);
}

void m_OnOtherButton(int id, int notification)
{
    if (id == kCtrlModeButtonId && notification == CTRL_CLICK)
        m_SetControlBarMode(m_GetControlBarMode() ? 0 : 1);
    if (id != kCtrlMuteButtonId) return;
    if (notification == CTRL_CLICK) g_ExecOps.Mute_Toggle();
    if (notification == CTRL_RDOWN) m_CtrlMenu_OnRightPress(id);
}

// The control a menu or a full-screen press belongs to.
void m_RememberPressed(int id, int code)
{
    if ((g_FullScreen && code == CTRL_LDOWN) || code == CTRL_RDOWN)
        g_CurrentControlId = static_cast<UINT>(id);
}

int m_IsKnownId(int id)
{
    return (id >= kFirstId && id <= kLastButtonId) || id == kCtrlModeButtonId ||
           id == kCtrlMuteButtonId || id == kCtrlSeekBarId || id == kCtrlVolumeSliderId;
}

}  // namespace

int m_OnCtrlCommand(int id, int notification, LPARAM data)
{
    if (!m_IsKnownId(id)) return 0;
    if (id == kCtrlSeekBarId || id == kCtrlVolumeSliderId) {
        if (notification != kSliderCommand || !data) return 1;
        const SSLIDERNOTIFY& n = *reinterpret_cast<const SSLIDERNOTIFY*>(data);
        m_RememberPressed(id, static_cast<int>(n.code));
        if (id == kCtrlSeekBarId)
            m_OnSeekBarNotice(n);
        else
            m_OnVolumeSliderNotice(n);
    } else {
        m_RememberPressed(id, notification);
        if (id <= kLastButtonId)
            m_OnButton(id, notification);
        else
            m_OnOtherButton(id, notification);
    }
    // The full-screen bars stay while the pointer works on them.
    if (g_FullScreen && g_Settings.Fullscr_Ctrl[0] >= 1) m_CheckCtrlBarHover(nullptr, 0, 0);
    return 1;
}
