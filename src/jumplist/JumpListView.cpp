// The jump-list view is not built yet: it never has the focus.
#include "jumplist/JumpListView.h"

void m_JumpList_OnFocus(int) {}
