// Transient on-screen messages: the one call by which every part of the
// program shows a short message in the status bars, and the operations on
// both bars at once.
#pragma once
#include <windows.h>

// Shows a transient message on the main status bar and, while the
// full-screen bar exists, on that one too. Every argument given as -1 takes
// its default: colour choice 1, 2500 ms, no blinking, priority 50, fade on;
// a centring width of -1 centres by the text's own width. 1 when the main
// bar took it, 0 when it was dropped (a shown message of higher priority).
UINT m_OSD_ShowText(LPCWSTR text, int colourSel, int durationMs, int blinkCount, int priority,
                    int centreWidth, int fade);
// Clears a shown message of priority up to 100 from both bars; without
// fade at once, with fade by fading the message pane out.
void m_OSD_Clear(int fade);
// Recomposes the main bar while it is shown and the full-screen bar while
// its window exists.
void m_OSD_RedrawBars();
// Sets a pane's text on both bars the same way, without colour or fade.
void m_OSD_SetPaneText(int pane, LPCWSTR text);
