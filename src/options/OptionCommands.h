// What the key bindings ask of the options dialog: showing it at a page and
// refreshing the values of an adjustment group. Until the dialog is built
// each only traces its call ([Main] "Test").
#pragma once

// show -1 toggles, 1 shows, 0 hides, others only select; page and menu are
// 0-based, -1 keeps them.
void m_Options_Show(int show, int page, int menu);
void m_Options_RefreshAdjust(int group, int option);
