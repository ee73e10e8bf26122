// The chapter export dialog is not built yet: the call is only traced.
#include "filedata/ChapterExportDialog.h"

#include "settings/CallTrace.h"

void m_ShowChapExpDlg() { m_TraceCall(L"m_ShowChapExpDlg()"); }
