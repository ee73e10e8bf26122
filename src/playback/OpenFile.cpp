// The open of one media file in the engine, on the UI thread or on the
// file-open thread, and the failure step.
#include <windows.h>
#include <strsafe.h>
#include <wchar.h>

#include <algorithm>

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/TimeDisplay.h"
#include "app/WindowSize.h"
#include "app/WindowTitle.h"
#include "base/DevicePath.h"
#include "base/ErrorLog.h"
#include "base/MediaTypes.h"
#include "commands/StreamSelect.h"
#include "controls/SliderPlus.h"
#include "engine/RendererKind.h"
#include "engine/VideoRenderer.h"
#include "filedata/FileInfoOpen.h"
#include "playback/AspectRatio.h"
#include "playback/AudioDeviceWait.h"
#include "playback/EntryMarks.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/PlaybackRate.h"
#include "playback/ProcAmpRange.h"
#include "playback/VideoPropStep.h"
#include "playback/VideoPropApply.h"
#include "playback/VideoWindow.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

constexpr int kVideoSideMax = 32768;
constexpr DWORD kOpenAudioOnly = 2;
constexpr DWORD kOpenAll = 15;

// The path and its name and extension parts.
void m_SetMediaPath(const wchar_t* path)
{
    lstrcpynW(g_MediaPath, path, MAX_PATH + 1);
    const wchar_t* name = wcsrchr(g_MediaPath, L'\\');
    name = name ? name + 1 : g_MediaPath;
    lstrcpynW(g_MediaFileName, name, kMediaNameCap);
    const wchar_t* dot = wcsrchr(g_MediaFileName, L'.');
    lstrcpynW(g_MediaExt, dot ? dot : L"", kMediaNameCap);
}

void m_ShowVideoWindow()
{
    if (g_VideoWindow && !IsWindowVisible(g_VideoWindow))
        ShowWindow(g_VideoWindow, SW_SHOWNOACTIVATE);
}

int m_OpenFailed(HRESULT hr, const wchar_t* path)
{
    if (g_VideoRenderer) g_VideoRenderer->m_VR_Close();
    g_MediaPath[0] = g_MediaFileName[0] = g_MediaExt[0] = 0;
    g_MediaOpen = 0;
    g_PlayState = 0;
    g_MediaKind = MEDIA_KIND_NONE;
    m_UpdateTimeDisplay(1);
    m_WriteLog(L"E1001 : OpenFile (0x%08X) / [%d/%d] %s", hr, g_PlayingTrack + 1,
               g_Playlist.m_GetCount(), path);
    m_UpdateWindowTitle();
    g_PlayingTrack = -1;
    return 0;
}

// The property levels take effect before the window is sized, which it is
// once afterwards with the forced aspect and crop in place.
void m_ApplyPropsOnOpen()
{
    g_VideoShapeHold = 1;
    if (m_VR_IsWindowlessRenderer()) {
        m_ProcAmp_ReadRange();
        m_VideoProp_Apply(VP_PROCAMP, 0);
    }
    m_VideoProp_Apply(0xFFFF & ~VP_PROCAMP, 0);
    g_VideoShapeHold = 0;
}

// A video size the engine reports, or 0 for audio only.
int m_TakeVideo()
{
    int w = 0, h = 0, ax = 0, ay = 0;
    g_VideoRenderer->m_VR_GetNativeInfo(&w, &h, &ax, &ay);
    if (w < 1 || h < 1 || w > kVideoSideMax || h > kVideoSideMax) return 0;
    int dw = 0, dh = 0;
    g_VideoRenderer->m_VR_GetDisplaySize(&dw, &dh);
    if (dw > 0 && dh > 0) w = dw, h = dh;
    g_MediaKind = MEDIA_KIND_VIDEO;
    m_SetVideoSize(w, h);
    m_ApplyPropsOnOpen();
    m_UpdateVideoSizeFromEngine(1);
    m_SizeForVideo();
    m_VideoWindow_Place();
    return 1;
}

// The playing entry learns its duration.
void m_NoteTrackDuration()
{
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track) return;
    track->Scanned = 1;
    track->Seconds = static_cast<UINT>(g_DurationSec);
    track->Milliseconds = g_DurationMs;
    g_Playlist.m_RefreshTrackRow(g_PlayingTrack);
}

// With [Main] "Test" and a [Filter] list: the chapter count and the names
// of the graph's filters, so that a test sees what the build took. Nothing
// otherwise, so that other tests' trace lines are not pushed out of the
// log.
void m_TraceBuild()
{
    if (!g_Settings.Main_Test || g_FilterCount == 0) return;
    constexpr int kCap = 32;
    SFILTERLISTITEM items[kCap];
    const int count = std::min(g_VideoRenderer->m_VR_ListGraphFilters(items, kCap), kCap);
    wchar_t line[1024];
    const SCHAPTERITEM* chapters = nullptr;
    // A cut line is still worth logging.
    (void)StringCchPrintfW(line, 1024, L"OPEN : chapters=%d filters=",
                           g_VideoRenderer->m_VR_GetChapters(&chapters, nullptr));
    for (int i = 0; i < count; ++i) {
        if (i) (void)StringCchCatW(line, 1024, L"|");
        (void)StringCchCatW(line, 1024, items[i].Name);
        if (items[i].Filter) items[i].Filter->Release();
    }
    m_AppendLogLine(line);
}

}  // namespace

int OpenFile(const wchar_t* path)
{
    if (!path) path = L"";
    m_CreateVideoWindow();
    if (!g_VideoRenderer) return m_OpenFailed(E_OUTOFMEMORY, path);
    if (g_MediaOpen) m_CloseMedia(0);
    InterlockedIncrement(&g_MediaOpenNumber);
    g_PlayState = 2;
    m_UpdateTimeDisplay(1);
    m_SetMediaPath(path);
    m_UpdateWindowTitle();
    InvalidateRect(g_hWndMain, nullptr, FALSE);

    // A list entry may name a device (a file called "nul.avi" is one):
    // its read could block the open for good.
    if (m_IsDevicePath(path)) return m_OpenFailed(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), path);
    m_AudioDevice_WaitIfAbsent();
    const DWORD flags = m_IsAudioExt(g_MediaExt) ? kOpenAudioOnly : kOpenAll;
    // Handed at every open: the options dialog may have replaced the list.
    g_VideoRenderer->m_VR_SetFilterList(g_FilterList, g_FilterCount);
    const HRESULT hr = g_VideoRenderer->m_VR_Open(path, g_RendererKind, g_AudioDeviceName, flags);
    if (FAILED(hr)) return m_OpenFailed(hr, path);
    m_TrackSettings_OnOpen();

    m_ShowVideoWindow();
    g_MediaOpen = 1;
    m_UpdateDuration();
    if (!m_TakeVideo()) {
        m_SetVideoSize(0, 0);
        if (g_Duration100ns == 0) return m_OpenFailed(E_FAIL, path);
        g_MediaKind = MEDIA_KIND_AUDIO;
        m_VideoProp_Apply(VP_BOOST | VP_BALANCE, 0);
        if (g_VideoWindow) ShowWindow(g_VideoWindow, SW_HIDE);
    }
    g_SeekBar.m_SetRange(g_DurationMs, 1);
    // A reopen that restores the user's streams leaves the side subtitles hidden.
    const int restore = m_Stream_IsReopen(g_StreamKept, path) && g_StreamKept.Changed;
    m_FileData_LoadSubtitles(!restore);
    m_Stream_OnOpened(path);
    m_NoteTrackDuration();
    m_FileData_ReadOnOpen();
    m_OpenFile_TakeMarks();
    m_Rate_OnOpened();
    m_TraceBuild();
    if (m_IsPlayableExt(g_MediaExt, 0) != 1) m_AddPlayableExt(g_MediaExt);
    if (g_MediaKind == MEDIA_KIND_AUDIO || g_Duration100ns == 0) g_PlayState = 1;
    m_UpdateTimeDisplay(1);
    return 1;
}
