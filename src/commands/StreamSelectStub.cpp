// Placeholder until stream selection is built.
#include "commands/StreamSelect.h"

int m_Stream_Select(int) { return 0; }
int m_Stream_IsSubtitleOn() { return 0; }
int m_Stream_SelectInGroup(int, int) { return -1; }
