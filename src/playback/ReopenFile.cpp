// No file can be open yet: a reopen is only noted.
#include "playback/ReopenFile.h"

int g_ReopenCalls;

void m_ReopenMediaFile(int) { ++g_ReopenCalls; }
