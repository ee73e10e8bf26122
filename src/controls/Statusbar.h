// The status bars of the main window and of the full screen. For now they
// only keep the progress colour they are given; drawing comes with the
// controls.
#pragma once
#include <windows.h>

class CStatusbar {
public:
    void m_SetProgressColor(DWORD argb) { m_ProgressColor = argb; }
    DWORD m_GetProgressColor() const { return m_ProgressColor; }

private:
    DWORD m_ProgressColor = 0x8FDF2020;
};

extern CStatusbar g_StatusBar;
extern CStatusbar g_FullScreenStatusBar;
