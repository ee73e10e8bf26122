// The jump-list view as the main window sees it.
#pragma once

// The main window gained (1) or lost (0) the focus.
void m_JumpList_OnFocus(int focused);
