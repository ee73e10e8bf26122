#include "commands/OpenCommands.h"

#include "base/ErrorLog.h"

// No kind of file can be opened yet: the request is logged and refused.
BOOL m_OpenFile(LPCWSTR path, int start, int, int, int, int)
{
    m_WriteLog(L"MAIN_%d : TEST / m_OpenFile(%d) %s", __LINE__, start, path ? path : L"");
    return FALSE;
}

void m_OpenFile_SetJumpListBlocks(const int*) {}
void m_Menu_ApplyStyle() {}
