#include "commands/SubmenuBuilder.h"

// Until the trace is in, built popups are not logged.
void m_Menu_TraceBuilt(const CMenuPlus*, UINT) {}
