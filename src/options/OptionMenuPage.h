// What the player tells the options dialog's Menu page. Until the page is
// built the call only traces itself ([Main] "Test").
#pragma once
#include <windows.h>

// Chooses the preset list the page edits (0..2, -1 the current one again)
// and refills its rows; with refresh also its preview.
void m_Option_SelectMenu(HWND dialog, int kind, int refresh);
