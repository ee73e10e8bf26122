// Closing: the media file, the open item, and a jump-list or bookmark item.
#include "app/OsdBars.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "app/WindowSize.h"
#include "app/WindowTitle.h"
#include "app/MainWindow.h"
#include "app/WindowHelpers.h"
#include "commands/CommandHandlers.h"
#include "commands/OpenPicture.h"
#include "commands/SubmenuFilters.h"
#include "controls/SliderPlus.h"
#include "engine/PreviewPlayer.h"
#include "engine/VideoRenderer.h"
#include "filedata/FileInfoOpen.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "filedata/ResumeStore.h"
#include "library/Library.h"
#include "playback/AudioCommands.h"
#include "playback/ControlBarState.h"
#include "playback/MediaPath.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/PlaybackRate.h"
#include "playback/SeekPreview.h"
#include "playback/VideoPropStep.h"
#include "playback/VideoProps.h"
#include "playback/VideoWindow.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "playlist/Shuffle.h"

namespace {

void m_ClearMediaPath() { g_MediaPath[0] = g_MediaFileName[0] = g_MediaExt[0] = 0; }

// The preview player holding the closing file (opened or still opening).
void m_ClosePreviewOf(const wchar_t* path)
{
    const int state = m_Preview_GetState(path);
    if (state == PREVIEW_STATE_OPEN || state == PREVIEW_STATE_OPENING) m_Preview_Close();
}

}  // namespace

int m_CloseMedia(int redraw)
{
    if (!g_MediaOpen && g_PlayState == 0) return 0;
    m_StopContinuousSeek(1);
    if (g_MediaPath[0]) m_ClosePreviewOf(g_MediaPath);
    if (g_MediaKind == MEDIA_KIND_VIDEO) g_LastZoomPercent = m_GetZoomPercent();
    m_OSD_ClearBars();
    m_SeekPreview_OnMediaClosed();
    if (g_PlayRangeOn) m_PlayRange_Command(3, 0);
    g_PlayRangeIndex = -1;
    if (redraw) m_OSD_Clear(0);
    // The filter menu's references go first, so that closing frees the filters.
    m_Menu_ReleaseFilters();
    if (g_VideoRenderer) g_VideoRenderer->m_VR_Close();
    m_FileData_OnClose();
    g_MediaOpen = 0;
    m_Rate_OnClosed();
    g_PlayStarted = 0;
    g_PlayHeld = 0;
    g_PlayState = 0;
    m_SystemVolume_OnPlayState(0);
    g_MediaKind = MEDIA_KIND_NONE;
    g_Duration100ns = 0;
    g_DurationSec = 0;
    g_KeepJumpList = 0;
    m_TrackSettings_OnClose();
    m_VideoProp_Init(&g_VideoPropTrack, 0);
    g_TrackPropsInUse = 0;
    m_PlayPause_OnClosed();
    if (g_VideoWindow) ShowWindow(g_VideoWindow, SW_HIDE);
    m_SetVideoSize(0, 0);
    g_SeekBar.m_ClearMarks();
    g_SeekBar.m_SetPos(0);
    m_UpdateToolbar();
    m_SetTopMostState();
    if (redraw) m_UpdateTimeDisplay(1);
    m_ClearMediaPath();
    if (redraw) m_UpdateWindowTitle();
    InvalidateRect(g_hWndMain, nullptr, FALSE);
    return 1;
}

void m_CloseFile(int redraw, int showMessage, int resumeMode, int addToHistory)
{
    // An open still running on the thread ends before what it opens is
    // closed, and its notice no longer completes anything.
    m_OpenThread_Abandon();
    m_OpenWalk_Cancel();
    if (g_ListType == LIST_NONE && g_PlayState == 0) return;
    if (g_ListType == LIST_BOOKMARK) {
        m_CloseJumpListFile(redraw);
        if (showMessage) m_OSD_Clear(0);
        return;
    }
    m_Resume_OnClose(resumeMode);
    m_Preview_Close();
    m_Picture_Release();
    if (addToHistory && g_MediaOpen) m_Recent_AddCurrent();
    m_CloseMedia(redraw);
    m_PlayRange_Command(4, 0);
    // Check boxes end with the list they belong to.
    g_Playlist.m_CheckMode = 0;
    g_Playlist.m_CheckedTracks = 0;
    m_Scan_OnClose();
    g_Playlist.m_ClearPlayList();
    m_Resume_ClearOpenItem();
    g_ListPath[0] = 0;
    g_PlayState = 0;
    g_ListType = LIST_NONE;
    g_PlayingTrack = -1;
    g_DefaultListOpened = 0;
    m_Shuffle_Free();
    m_UpdateToolbar();
    if (showMessage) {
        m_OSD_ShowText(L"CLOSED````FILE", -1, -1, -1, -1, -1, -1);
        m_UpdateTimeDisplay(1);
    }
    m_Resume_CutDataSize();
}

void m_CloseJumpListFile(int redraw)
{
    m_Picture_Release();
    g_ListType = LIST_NONE;
    g_PlayState = 0;
    g_MediaKind = MEDIA_KIND_NONE;
    m_ClearMediaPath();
    g_ListPath[0] = 0;
    if (!redraw) return;
    m_UpdateWindowTitle();
    InvalidateRect(g_hWndMain, nullptr, FALSE);
}
