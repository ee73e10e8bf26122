#include "app/WindowTitle.h"

#include <cstdarg>
#include <cstdio>

#include "app/MainWindow.h"
#include "base/PathUtil.h"
#include "playback/MediaPath.h"
#include "playback/PlaybackControl.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

wchar_t g_FullScreenTitle[kFullScreenTitleCap];

namespace {

void Print(wchar_t* out, int capacity, const wchar_t* format, ...)
{
    if (!out || capacity < 1) return;
    va_list args;
    va_start(args, format);
    _vsnwprintf(out, capacity - 1, format, args);
    va_end(args);
    out[capacity - 1] = 0;
}

// "[n/count] name - product", the counter only for a list of two or more.
void Compose(const wchar_t* name, int index, int count, const wchar_t* product, wchar_t* title,
             int capacity, wchar_t* fullScreen, int fullScreenCapacity)
{
    if (count >= 2 && index >= 0) {
        Print(title, capacity, L"[%d/%d] %s - %s", index + 1, count, name, product);
        Print(fullScreen, fullScreenCapacity, L"[%d/%d] %s", index + 1, count, name);
    } else {
        Print(title, capacity, L"%s - %s", name, product);
        Print(fullScreen, fullScreenCapacity, L"%s", name);
    }
}

}  // namespace

void m_ComposeWindowTitle(const STITLEFACTS& f, wchar_t* title, int capacity, wchar_t* fullScreen,
                          int fullScreenCapacity)
{
    const wchar_t* product = f.customTitle && f.customTitle[0] ? f.customTitle : L"ZENTAVIO";
    wchar_t name[MAX_PATH + 1] = L"";
    int index = f.nPlayingIndex;
    if (f.bJumpListShown && f.nJumpListEntry >= 0 && f.jumpListMediaPath) {
        m_GetFileName(name, MAX_PATH + 1, f.jumpListMediaPath, 1);
        index = f.nJumpListEntry;
    } else if (f.bFileOpen && f.mediaPath) {
        m_GetFileName(name, MAX_PATH + 1, f.mediaPath, 1);
    }
    // With nothing named, the product alone.
    if (!name[0]) {
        Print(title, capacity, L"%s", product);
        Print(fullScreen, fullScreenCapacity, L"%s", product);
        return;
    }
    Compose(name, index, f.nTrackCount, product, title, capacity, fullScreen, fullScreenCapacity);
}

// The jump-list view comes with its own subsystem.
void m_UpdateWindowTitle()
{
    STITLEFACTS f = {};
    f.customTitle = g_Settings.Main_Title;
    f.bFileOpen = g_PlayState >= 1 && g_MediaPath[0];
    f.mediaPath = g_MediaPath;
    f.nTrackCount = g_Playlist.m_GetCount();
    f.nPlayingIndex = g_PlayingTrack;
    f.nJumpListEntry = -1;
    wchar_t title[MAX_PATH + 128];
    m_ComposeWindowTitle(f, title, MAX_PATH + 128, g_FullScreenTitle, kFullScreenTitleCap);
    if (g_hWndMain) SetWindowTextW(g_hWndMain, title);
}
