// Key words of key presses and their display texts.
#pragma once
#include <windows.h>

// Modifier bits of a key word; the virtual key is its low byte.
const WORD KEYWORD_SHIFT = 0x100;
const WORD KEYWORD_CTRL = 0x200;
const WORD KEYWORD_ALT = 0x400;

// The key word of a key press from the modifiers held now; with mapNumpad
// a keypad digit without modifiers becomes the main-row digit.
WORD m_GetKeyWithModifiers(UINT virtualKey, UINT unused, int mapNumpad);
// 1 no key or a mouse button, 2 digit, 3 letter, 4 keypad digit, 5 F1..F24,
// else 0.
int m_GetKeyClass(BYTE virtualKey);
// The program's English name of the key of a WM_KEYDOWN lParam (scan code
// and extended flag); empty and 0 when it has none.
bool m_GetScanKeyName(LPARAM keyValue, wchar_t out[32]);
// "Ctrl+", "Shift+", "Alt+" and the key name, from the system or the
// program's table; copied into out when not null. 1 when not empty.
bool m_GetKeyComboName(WORD keyWord, wchar_t* out, int size, int systemNames);
