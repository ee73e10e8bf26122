// The tool windows are not built yet: nothing is read or written.
#include "app/ToolWindowPlacement.h"

void m_ReadPlayListWnd() {}

void m_SavePlayListWnd(int, int) {}

void m_ReadFavoWndPos() {}

void m_SaveFavoWndPos(int) {}
