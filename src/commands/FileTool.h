// The file tools: the name or path of the open list item or of the open
// media file put on the clipboard, and the dialogs of later parts.
#pragma once
#include <windows.h>

// 1 and 2 copy the name and path of the open list item, 4 and 5 those of
// the open media file (sound cue 3 when copied, 8 when nothing is open or
// the clipboard refused); 0, 3, 6 and 7 are the rename dialog, Explorer and
// the chapter export.
void m_FileTool(int value);
// Shows the chapter export dialog.
void m_ShowChapExpDlg();
