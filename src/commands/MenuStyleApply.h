// The [Menu] look settings applied to a menu manager's style block.
#pragma once
#include <windows.h>

class CMenuManager;
class CMenuPlus;

// Puts the [Menu] "Styl", "Wt", "Clr" and "ClrSep" settings into the
// manager's style (null: the main window's). rebuild: renew the fonts,
// frame and icons that depend on what changed; popup: restyle that open
// popup at once.
void m_Menu_ApplyStyle(CMenuManager* manager, int rebuild, CMenuPlus* popup);
