// The pointer over the seek bar: its move asks the seek preview for that
// place (or says the place on the status bar when the popup is off), its
// leaving hides the preview, and the middle button switches the frame
// preview for this run. Main-window timer 50 holds back a move while the
// preview's last request still runs.
#pragma once
#include <windows.h>

struct SSLIDERNOTIFY;

// Hover move, leave and middle press; 1 when the notice was one of them.
int m_SeekBarHover_OnNotice(const SSLIDERNOTIFY& n);
// Timer 50.
void m_SeekBarHover_OnTimer();
// The status-bar text of a hover when the popup is off.
int m_SeekBarHover_Text(wchar_t* out, int size, int ms, int durationMs);
