// The main window's title and the full-screen title overlay's text.
#pragma once
#include <windows.h>

constexpr int kFullScreenTitleCap = 256;
// The text of the full-screen title overlay.
extern wchar_t g_FullScreenTitle[kFullScreenTitleCap];

// What the title names. Paths may be null; an index below 0 is none.
struct STITLEFACTS {
    const wchar_t* customTitle;  // [Main] "Title"
    int bFileOpen;
    const wchar_t* mediaPath;
    int nTrackCount;
    int nPlayingIndex;
    int bJumpListShown;
    int nJumpListEntry;
    const wchar_t* jumpListMediaPath;
};

// The window title, and the full-screen title without the product name.
void m_ComposeWindowTitle(const STITLEFACTS& f, wchar_t* title, int capacity, wchar_t* fullScreen,
                          int fullScreenCapacity);
// Sets the main window's title and the full-screen title from the state.
void m_UpdateWindowTitle();
