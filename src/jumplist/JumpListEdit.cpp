#include "jumplist/JumpListEdit.h"

#include "settings/CallTrace.h"

void m_JumpList_ToggleForEntry() { m_TraceCall(L"m_JumpList_ToggleForEntry()"); }

void m_JumpList_ActivateBlock(int source) { m_TraceCall(L"m_JumpList_ActivateBlock(%d)", source); }

void m_JumpList_LeaveEdit() { m_TraceCall(L"m_JumpList_LeaveEdit()"); }

void m_JumpList_Reload() { m_TraceCall(L"m_JumpList_Reload()"); }

void m_JumpList_RecaptureBlock() { m_TraceCall(L"m_JumpList_RecaptureBlock()"); }

void m_JumpList_ClearBlockChapter() { m_TraceCall(L"m_JumpList_ClearBlockChapter()"); }

void m_JumpList_RestoreBlock() { m_TraceCall(L"m_JumpList_RestoreBlock()"); }

void m_JumpList_AssignChapter(int chapter)
{
    m_TraceCall(L"m_JumpList_AssignChapter(%d)", chapter);
}

void m_Capture_PresetCommand(int which) { m_TraceCall(L"m_Capture_PresetCommand(%d)", which); }
