// What the jump-list view's menus ask of its blocks and of the capture
// presets. Until the view and capture are built each only traces its call
// ([Main] "Test").
#pragma once

// The view for the current entry (the playlist's shown one).
void m_JumpList_ToggleForEntry();
// Plays from the current block's time; source 0 the view, 1 the menu.
void m_JumpList_ActivateBlock(int source);
void m_JumpList_LeaveEdit();
void m_JumpList_Reload();
void m_JumpList_RecaptureBlock();
void m_JumpList_ClearBlockChapter();
void m_JumpList_RestoreBlock();
// Chapter counted from 1 becomes the current block's.
void m_JumpList_AssignChapter(int chapter);
// The chosen capture preset: 0 capture, 1 open its folder, 2 copy its
// folder to the clipboard.
void m_Capture_PresetCommand(int which);
