// The catalogue of control-bar buttons: label and image-strip index by
// button id.
#pragma once
#include <windows.h>

// The label of the button; empty for an unknown id.
const wchar_t* m_GetToolbarButtonName(int id);
// The index of its image in the button strip, or -1.
int m_GetToolbarButtonImage(int id);
