#include "jumplist/JumpListState.h"

int g_JumpListEmpty;
int g_JumpListEntry = -1;
int g_JumpListShown;
SJUMPLISTVIEWSTATE g_JumpListViewState = {0, 0, 0, -1, -1, -1};
SIMGDATA g_ImgData;

int m_JumpList_LoadFile(void*, const wchar_t* path)
{
    const int read = m_ImgData_ReadFile(nullptr, path, &g_ImgData);
    return read && m_ImgData_IsJumpList(g_ImgData.Fmt) ? 1 : 0;
}

// The view itself comes with its own window; until then nothing shows.
void m_ShowJumpList(int) {}
void m_JumpList_Close() {}
void m_JumpList_StartCreate(int, int, int, int) {}
int m_JumpList_IsBatchRunning() { return 0; }
