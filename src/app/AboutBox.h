// The about box: a small modeless dialog with the version line, the build
// width and the home page. One at most exists.
#pragma once
#include <windows.h>

// The version line, build width and home page as the box shows them.
constexpr const wchar_t* kAboutVersion = L"Zentavio 0.9 Build 690";
constexpr const wchar_t* kAboutBuildWidth = L"64bit";
constexpr const wchar_t* kAboutHomePage = L"https://zentavio.example/";

// show 0 closes the box when open; show 1 brings an open box to the front,
// else creates it (shown with or without activation).
void m_ShowAboutBox(int show, int activate);
// The box; null while it is closed.
HWND m_GetAboutBox();
// Key pre-filter for messages whose top-level window is top: Enter, Escape
// and Space close the box, Ctrl+A selects its whole text. 1 when the key
// was taken.
int m_AboutBox_PreTranslateKey(HWND top, UINT message, WPARAM wParam);
