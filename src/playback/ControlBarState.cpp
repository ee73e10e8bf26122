// The control bar in step with the play state: the play button's picture
// and which playback buttons and the seek bar take input.
#include "playback/ControlBarState.h"

#include "app/FullScreenPeers.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "controls/SliderPlus.h"
#include "library/Library.h"
#include "playback/PlayState.h"

namespace {

constexpr int kPlayFrameFadeSteps = 4;

void m_EnablePlaybackButtons(int play, int previous, int rewind, int forward, int next)
{
    g_ControlButtons[CB_PLAY].m_SetEnable(play);
    g_ControlButtons[CB_PREVIOUS].m_SetEnable(previous);
    g_ControlButtons[CB_REWIND].m_SetEnable(rewind);
    g_ControlButtons[CB_FORWARD].m_SetEnable(forward);
    g_ControlButtons[CB_NEXT].m_SetEnable(next);
}

}  // namespace

SCONTROLBARSTATE m_ControlBarState_Of(const SCONTROLBARFACTS& f)
{
    SCONTROLBARSTATE s = {};
    s.playFrame = f.playStarted ? 1 : 0;
    s.fadeSteps = f.playState > 0 ? kPlayFrameFadeSteps : 0;
    if (f.mediaKind == MEDIA_KIND_PICTURE) return s;
    if (f.mediaOpen && f.mediaKind != MEDIA_KIND_JUMPLIST) {
        s.play = 1;
        s.seekBar = 1;
        if (f.jumpListOther && !f.keepJumpList) {
            // Previous and next step the view's entries; seeking has no file of its own.
            s.stepping = 1;
        } else if (!(f.launcherShown && !f.keepLauncher)) {
            s.stepping = 1;
            s.seeking = 1;
        }
        return s;
    }
    // With nothing open, play opens the pending file when there is one.
    s.play = f.pendingPath ? 1 : 0;
    return s;
}

void m_UpdateToolbar()
{
    // A close on the file-open thread leaves the bar to the completion,
    // which runs on the window's own thread.
    if (!g_hWndMain || GetWindowThreadProcessId(g_hWndMain, nullptr) != GetCurrentThreadId())
        return;
    SCONTROLBARFACTS f = {};
    f.playStarted = g_PlayStarted;
    f.playState = g_PlayState;
    f.mediaKind = g_MediaKind;
    f.mediaOpen = g_MediaOpen;
    f.launcherShown = m_Launcher_IsShown() ? 1 : 0;
    f.keepLauncher = m_FullScreen_KeepsLauncher();
    // The jump-list view is not built yet: it never shows another entry.
    f.jumpListOther = 0;
    f.keepJumpList = m_FullScreen_KeepsJumpList();
    f.pendingPath = g_PendingPath[0] != 0;
    const SCONTROLBARSTATE s = m_ControlBarState_Of(f);

    g_ControlButtons[CB_PLAY].m_SetFrame(s.playFrame, 1, s.fadeSteps);
    m_EnablePlaybackButtons(s.play, s.stepping, s.seeking, s.seeking, s.stepping);
    g_SeekBar.m_SetEnable(s.seekBar);
    HWND bar = GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL);
    if (bar) UpdateWindow(bar);
}
