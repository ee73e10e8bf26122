#include "jumplist/JumpListViewCalls.h"

#include "jumplist/JumpListState.h"
#include "settings/CallTrace.h"

int m_JumpList_IsCreating() { return m_JumpList_IsBatchRunning(); }

void m_OpenJumpList(int open, int entry) { m_TraceCall(L"m_OpenJumpList(%d,%d)", open, entry); }

void m_JumpList_OnOptionCommand(int controlId)
{
    m_TraceCall(L"m_JumpList_OnOptionCommand(%d)", controlId);
}

void m_JumpList_Relayout() { m_TraceCall(L"m_JumpList_Relayout()"); }

void m_JumpList_RepaintWithoutFade() { m_TraceCall(L"m_JumpList_RepaintWithoutFade()"); }

void m_RefreshJumpListThumb() { m_TraceCall(L"m_RefreshJumpListThumb()"); }
