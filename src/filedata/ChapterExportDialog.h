// The chapter export dialog of the playing file.
#pragma once

// Creates the dialog object on first use and creates or shows its dialog.
void m_ShowChapExpDlg();
