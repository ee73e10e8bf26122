// What the main window's notices ask of the jump-list view. Until the view
// is built each call only traces itself ([Main] "Test") and no build runs.
#pragma once

// 1 while a jump-list build (single or batch) runs.
int m_JumpList_IsCreating();
// Opens (1) or closes (0) the view for a playlist entry (-1: the selected
// or playing one).
void m_OpenJumpList(int open, int entry);
// A changed option of the view's own pages, by control id.
void m_JumpList_OnOptionCommand(int controlId);
// Lays the shown view out again and repaints it.
void m_JumpList_Relayout();
// Repaints the shown view once with its fade switched off.
void m_JumpList_RepaintWithoutFade();
// Takes the current video frame into the view when it shows the playing
// entry.
void m_RefreshJumpListThumb();
