#include "commands/CommandHandlers.h"

#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"

#include <shellapi.h>

#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "base/ErrorLog.h"
#include "commands/CtrlCommands.h"
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

// Timer 2 is the continuous seek's wait; timer 39 polls for the engine
// while a seek-bar position waits.
void m_Commands_OnTimer(UINT id)
{
    if (id == kTimerSeekFirst) m_ContinuousSeek_OnWaitTimer();
    if (id == kTimerHoldDelay) m_SeekBarHover_OnTimer();
    if (id == kTimerHoldEnd) m_SeekBar_OnPollTimer();
}

