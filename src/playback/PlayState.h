// The play state of the main player and the road by which a playlist entry
// becomes an open media file: the request, the open (on the UI thread or the
// file-open thread), its completion, and closing.
#pragma once
#include <windows.h>

// 0 no file, 1 opened (ready, not started), 2 loading, 3 stopped, 4 paused,
// 5 playing (also while held). Written only on the UI thread, except by
// OpenFile on the file-open thread while the UI thread waits for its notice.
extern int g_PlayState;
// 1 while a media file is open in the engine.
extern int g_MediaOpen;
// Counts the opens of media files, so that what is kept for one opened file
// (the filter menu's list) tells that another came.
extern volatile LONG g_MediaOpenNumber;
// 1 while playback is started (running or held).
extern int g_PlayStarted;
// 1 while the program holds playback: engine paused, g_PlayState stays 5.
extern int g_PlayHeld;

enum {
    MEDIA_KIND_NONE = 0,
    MEDIA_KIND_VIDEO = 1,
    MEDIA_KIND_AUDIO = 2,
    MEDIA_KIND_JUMPLIST = 4,
    MEDIA_KIND_PICTURE = 5,
};
extern int g_MediaKind;

// Duration of the open file: 100-ns units, milliseconds (truncated) and whole
// seconds (rounded, halves up).
extern LONGLONG g_Duration100ns;
extern int g_DurationMs;
extern int g_DurationSec;

// Failed opens in a row (the skip-on-error walk).
extern int g_OpenFailCount;
// The opened list is the default list standing for its alias.
extern int g_DefaultListOpened;
// Another instance started playback while this one was not playing.
extern int g_AutoStopPending;
extern DWORD g_AutoStopTick;
// The file-open thread, 0 when none runs.
extern HANDLE g_OpenThread;
// The video child window, created once together with the engine.
extern HWND g_VideoWindow;
// 1 while an open replaces the file under a jump-list view that stays shown.
extern int g_KeepJumpList;
// -1, or the fit kind 0/1/2 whose zoom equalled the full-screen zoom at the
// last close.
extern int g_FsFitCarryOver;

// The pending open, handed from the request to its completion.
struct SOPENREQUEST {
    int nTrack;
    int nStartMs;      // 0: start of the range or first checked chapter; -2: exactly 0
    int nStartState;   // 0 none, 1 play, 2 stop, 3 pause
    DWORD dwLoadTick;  // timeGetTime at the request, 0 when not measured
    int bOsdAfterOpen;
    int bShowLoadTime;
    int bRangePending;
    int nRangeIndex;  // -1: given by start and end
    int nRangeStartMs;
    int nRangeEndMs;
};
extern SOPENREQUEST g_OpenRequest;

constexpr UINT kVideoWindowId = 32871;

// Opens a playlist entry: startMs -1 = the next playable entry after track
// from its start. 1 when an open was done or started.
int m_OpenPlayListFile(int track, int startMs, int showLoadTime, int startState, int skipOnError);
// The entry after track, by the check boxes.
int m_NextPlayableTrack(int track);
// The entry to try after a failed open of track, -1 none.
int m_NextTrackForRetry(int track, int wrap);
unsigned __stdcall m_OpenFileThreadProc(void* track);
// Opens the media file in the engine; 1 on success.
int OpenFile(const wchar_t* path);
// Runs once per OpenFile with its result: start position, range, state.
void m_OpenFile_Complete(int opened);
// The video child window and the engine, once.
void m_CreateVideoWindow();
// Closes the open media file; 0 when nothing was open.
int m_CloseMedia(int redraw);
// Closes the open item (list and file).
void m_CloseFile(int redraw, int showMessage, int resumeMode, int addToHistory);
void m_CloseJumpListFile(int redraw);
// Engine position in ms (rounded), -1 without a file or engine.
int m_GetCurrentPosMs();
// Reads the duration from the engine into the three duration globals.
void m_UpdateDuration();
// Seek-bar range and chapter marks of the track (-1 = the playing one).
void m_SeekBar_SetMarks(int track);
// The first frame after an open is shown (WM_APP_FRAMESHOWN).
void m_Playback_OnFrameShown();
// Another instance started playing while this one opens (AUTO STOP).
void m_Playback_SetAutoStop(DWORD tick);
// Serial of the latest threaded open; its WM_APP_OPENDONE carries it in
// lParam, so that the notice of an abandoned open is told apart.
int m_OpenSerial();
// The on-screen report of a failed open of the entry.
void m_ShowOpenError(int track);
// Ends a walk on to the next entry after failed opens that waits for its
// next step (closing the item, or another open).
void m_OpenWalk_Cancel();
// Waits for a running file-open thread and makes its notice stale.
void m_OpenThread_Abandon();
// This instance's own command line named files to play.
extern int g_CmdLineNamedFiles;
