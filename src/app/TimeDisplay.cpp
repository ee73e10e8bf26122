// The time display: reads the player's state, puts the position on the
// seek bar and the display bars, and refreshes the state and time panes.
#include "app/TimeDisplay.h"

#include "app/Overlay.h"
#include "app/Startup.h"
#include "app/StatusText.h"
#include "controls/LayeredWnd.h"
#include "controls/SliderPlus.h"
#include "controls/Statusbar.h"
#include "engine/VideoRenderer.h"
#include "filedata/PlayRangeState.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackRate.h"
#include "playback/VolumeControl.h"
#include "settings/SettingsMain.h"

namespace {

constexpr int kPaneTextCap = 128;

// What the last refresh showed, so that an unforced one can skip a pane
// whose content is unchanged.
struct SShown {
    int elapsedSec = -1;
    int mark = 0;
    int stateKey = -1;
};
SShown g_Shown;

// The position the seek bar and the display bars show: the duration when
// the engine has reached the end, 0 while no duration is known.
int ShownPosition(const STIMEFACTS& f)
{
    if (!f.bFileOpen || f.nDurationMs <= 0) return 0;
    return f.bNearEnd ? f.nDurationMs : f.nPositionMs;
}

// The display bars' gauge runs in hundredths of a percent of the duration.
void ShowPosition(const STIMEFACTS& f)
{
    const int pos = ShownPosition(f);
    g_SeekBar.m_SetPos(pos);
    if (!g_OsdBars.m_GetHwnd()) return;
    const long long part = f.nDurationMs > 0 ? pos * 10000LL / f.nDurationMs : 0;
    g_OsdBars.m_SetPosition(int(part));
}

void UpdateTimePane(const STIMEFACTS& f, const STIMEOPTIONS& o, int force)
{
    wchar_t text[kPaneTextCap];
    if (!f.bFileOpen || f.bPicture) {
        text[0] = 0;
        if (o.bShowVolume) m_ComposeVolumeText(f, text, kPaneTextCap);
        m_OSD_SetPaneText(STATUS_PANE_RIGHT, text);
        return;
    }
    int sec = 0, mark = 0;
    m_ComposeTimeText(f, o, text, kPaneTextCap, &sec, &mark);
    const bool rateShown = o.bRealRemaining && f.nRate != 100;
    if (!force && sec == g_Shown.elapsedSec && mark == g_Shown.mark && !rateShown) return;
    g_Shown.elapsedSec = sec;
    g_Shown.mark = mark;
    m_OSD_SetPaneText(STATUS_PANE_RIGHT, text);
}

void UpdateStatePane(const STIMEFACTS& f, int force)
{
    const int key = (f.bPicture ? 1000 : 0) + (f.bHeld ? 100 : 0) + f.nPlayState;
    if (key != g_Shown.stateKey) m_IdleArea_OnStateChange();
    if (key != g_Shown.stateKey || force || f.nRate != 100) {
        g_Shown.stateKey = key;
        wchar_t text[kPaneTextCap];
        m_ComposeStateText(f, text, kPaneTextCap);
        m_OSD_SetPaneText(STATUS_PANE_LEFT, text);
    }
    m_OSD_RedrawBars();
}

}  // namespace

// Chapters and play ranges come with their own subsystems; until then the
// time is the file's position and duration.
void m_ReadTimeFacts(STIMEFACTS* f)
{
    *f = STIMEFACTS{};
    f->nPlayState = g_PlayState;
    f->bFileOpen = g_PlayState >= 1;
    f->bPicture = g_MediaKind == MEDIA_KIND_PICTURE;
    f->bHeld = g_PlayHeld;
    f->nDurationMs = g_DurationMs;
    f->nPositionMs = g_MediaOpen ? m_GetCurrentPosMs() : 0;
    if (f->nPositionMs < 0) f->nPositionMs = 0;
    f->bNearEnd = g_MediaOpen && g_VideoRenderer && g_VideoRenderer->m_VR_IsNearEnd(-1);
    f->bFileWaiting = g_PendingPath[0] != 0;
    f->nRate = m_Rate_Current();
    f->nVolume = g_MainWindowState.nVolume;
    f->bMuted = g_Mute;
    f->bRangeActive = g_MediaOpen && g_PlayRangeOn;
    f->nRangeStartMs = g_PlayRangeStart;
    f->nRangeEndMs = g_PlayRangeEnd;
}

// The five switches of [Main] "Time" in the order of the time-display
// menu: real remaining time, play-range time, chapter time, checked
// chapters' time, volume.
void m_ReadTimeOptions(STIMEOPTIONS* o)
{
    const SMAINWINDOWSTATE& s = g_MainWindowState;
    *o = STIMEOPTIONS{s.nTimeMode,
                      s.nTimeFlags[0] != 0,
                      s.nTimeFlags[1] != 0,
                      s.nTimeFlags[2] != 0,
                      s.nTimeFlags[3] != 0,
                      s.nTimeFlags[4] != 0,
                      0};
}

void m_UpdateTimeDisplay(int force)
{
    STIMEFACTS f;
    STIMEOPTIONS o;
    m_ReadTimeFacts(&f);
    m_ReadTimeOptions(&o);
    ShowPosition(f);
    UpdateTimePane(f, o, force);
    UpdateStatePane(f, force);
}
