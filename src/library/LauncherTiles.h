// What the main window's notices ask of the launcher screen and the
// history. Until the launcher is built it has no tiles, and its refreshes
// only trace themselves ([Main] "Test").
#pragma once
#include <windows.h>

// The path the tile opens; null for -1, an empty tile or no launcher.
const wchar_t* m_Launcher_GetTilePath(int tile);
// Refreshes the lists of the bits (1 recent, 2 resume, 4 favorites), drawn
// at once when asked.
void m_Launcher_RefreshLists(int bits, int now);
// Redraws the whole launcher screen.
void m_Launcher_Redraw();
// Makes the launcher's fonts anew and redraws.
void m_Launcher_ResetFonts();
// Checks again the folder state of the history entries still unknown.
void m_Recent_CheckUnknownFolders();
