#include "jumplist/JumpListCommands.h"

#include "settings/CallTrace.h"

void m_Capture_SaveAs(int preset) { m_TraceCall(L"m_Capture_SaveAs(%d)", preset); }

void m_Capture_ToClipboard(int preset) { m_TraceCall(L"m_Capture_ToClipboard(%d)", preset); }

void m_Capture_ByPreset(int preset) { m_TraceCall(L"m_Capture_ByPreset(%d)", preset); }

void m_JumpList_Command(int value) { m_TraceCall(L"m_JumpList_Command(%d)", value); }

void m_JumpList_Create(int preset, int count, int columns, int rows, int allFiles)
{
    m_TraceCall(L"m_JumpList_Create(%d,%d,%d,%d,%d)", preset, count, columns, rows, allFiles);
}

void m_JumpList_PreviewToggle(int preview, int holdKey, int mode, int a, int b)
{
    m_TraceCall(L"m_JumpList_PreviewToggle(%d,%d,%d,%d,%d)", preview, holdKey, mode, a, b);
}
int m_JumpList_IsShown() { return 0; }
