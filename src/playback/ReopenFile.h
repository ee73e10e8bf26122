// Reopening the open media file in the engine.
#pragma once
#include <windows.h>

// Closes and reopens the media file, keeping position, streams and run state.
void m_ReopenMediaFile(int keepState);

// Reopens so far (what can be seen of it until files can be opened).
extern int g_ReopenCalls;
