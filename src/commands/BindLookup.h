// From a key word or a mouse input code to the binding that runs: the
// first enabled entry of the live table that matches.
#pragma once
#include <windows.h>

// The key word or modified mouse code of the binding run last (0 at start).
extern UINT g_BindLastInput;

// 1 when a binding ran. An auto-repeat passes on only for the key that ran
// last; any other counts as a fresh press.
int m_Bind_ExecByKey(WORD keyWord, int holdKey, int autoRepeat);
// The code without modifier bits: those held now are added; with [Bind]
// "DisMod" an unbound modified code runs the bare one.
int m_Bind_ExecByMouse(int code, int holdKey);
// 1 when the code's binding (modifiers held now) seeks, 2 when it steps
// frames, else 0: such buttons run on the press and hold.
int m_Bind_MouseSeekKind(int code);
// The last mouse code looked up (modifiers added) and how many lookups
// there were, bound or not.
int m_Bind_LastMouseCode(int* count);
// Modifier bits of the keys held now (0x100 Shift, 0x200 Ctrl, 0x400 Alt).
int m_Bind_HeldModifiers();
