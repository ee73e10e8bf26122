// What the player tells the options dialog's Property page when a property
// group changed. Until the page is built each only traces its call ([Main]
// "Test").
#pragma once
#include <windows.h>

// Sets the page's adjustment controls and value texts of the groups in the
// mask (65535 all) from the current levels.
void m_Option_UpdateAdjustValues(HWND dialog, int mask, int flag, int kind);
// Shows and enables the page's adjustment controls of the groups by the
// play state.
void m_Option_UpdateAdjustControls(HWND dialog, int mask);
