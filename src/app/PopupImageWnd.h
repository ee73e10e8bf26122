// The popup image window: a borderless layered topmost window owned by the
// main window that shows one picture (the seek-bar preview), made at start
// and shown, moved and faded by its users.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"

extern HWND g_hWndPopupImage;
// The picture it paints; its users draw into it, then invalidate.
extern CArgbImage g_PopupImage;

// Creates the window once, hidden and without size; 1 when it exists.
int m_PopupImage_Create();
