#include "options/OptionNoticeCalls.h"

#include "settings/CallTrace.h"

void m_SetInfoText() { m_TraceCall(L"m_SetInfoText()"); }

CMenuManager* m_Option_GetPreviewMenuManager() { return nullptr; }
