// What the player reads of the jump-list view. The view is not shown yet:
// its flags stay 0 and the calls that would show or close it do nothing.
#pragma once
#include <windows.h>

#include "jumplist/ImgData.h"

extern int g_JumpListEmpty;  // the view shows its empty start screen
extern int g_JumpListEntry;  // playlist entry the view shows, -1 none
extern int g_JumpListShown;  // the view is shown in place of the video

// The view's own state that the player's parts read.
struct SJUMPLISTVIEWSTATE {
    int EditMode;
    int PageAnimation;
    int BatchRunning;              // the forced aspect and crop leave the window size alone
    int RangeStartMs, RangeEndMs;  // play-range bounds remembered for the file, -1 none
    int BlockChapter;              // chapter assigned to the selected block, -1 none
};
extern SJUMPLISTVIEWSTATE g_JumpListViewState;

// The record of the jump list or bookmark the view holds.
extern SIMGDATA g_ImgData;

// Loads a jump-list (or bookmark) file's data into g_ImgData; 1 when it is
// one. g_ImgData.Fmt keeps what was read after a failure.
int m_JumpList_LoadFile(void* view, const wchar_t* path);
// Shows (1) or hides (0) the view.
void m_ShowJumpList(int show);
// Closes the view, ending a build or the edit mode.
void m_JumpList_Close();
// Shows the view and starts a build of columns x rows (count blocks).
void m_JumpList_StartCreate(int columns, int rows, int count, int batch);
// 1 while a batch jump-list build runs; no batch build exists yet.
int m_JumpList_IsBatchRunning();
