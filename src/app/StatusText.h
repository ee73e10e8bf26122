// Transient on-screen messages.
#pragma once
#include <windows.h>

// Shows a transient message; every argument given as -1 takes its default.
UINT m_OSD_ShowText(LPCWSTR text, int colourSel, int durationMs, int blinkCount, int priority,
                    int centreWidth, int fade);
