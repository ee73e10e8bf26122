#include "commands/SubmenuBuilder.h"

// Until the updates are in, open popups keep what they show.
void m_Menu_UpdateStreams(CMenuPlus*, int) {}
void m_Menu_UpdateChapters(CMenuPlus*, int, int) {}
void m_Menu_UpdateRanges(CMenuPlus*, int, int) {}
void m_Menu_UpdateMarkers(CMenuPlus*, int) {}
void m_Menu_UpdateSeekBarMenu() {}
void m_Menu_UpdatePlaylist(CMenuPlus*, int, int) {}
