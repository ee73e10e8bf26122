// What the key bindings ask of capture and the jump-list view. Until those
// are built each only traces its call ([Main] "Test").
#pragma once

void m_Capture_SaveAs(int preset);
void m_Capture_ToClipboard(int preset);
// -1 the default preset.
void m_Capture_ByPreset(int preset);
// 0 close, 1 open, -1 toggle for the playing entry, 2 edit mode, 3 re-render.
void m_JumpList_Command(int value);
// preset -1 default, -2 automatic, 0 the given columns, rows and count;
// allFiles builds for every playlist file.
void m_JumpList_Create(int preset, int count, int columns, int rows, int allFiles);
void m_JumpList_PreviewToggle(int preview, int holdKey, int mode, int a, int b);
// The jump-list view is shown (never, until it is built).
int m_JumpList_IsShown();
