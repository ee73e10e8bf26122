// Until the reopen is built, a reopen is only noted and traced ([Main]
// "Test").
#include "playback/ReopenFile.h"

#include "settings/CallTrace.h"

int g_ReopenCalls;

void m_ReopenMediaFile(int keepState)
{
    ++g_ReopenCalls;
    m_TraceCall(L"m_ReopenMediaFile(%d)", keepState);
}
