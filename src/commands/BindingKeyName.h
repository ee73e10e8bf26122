// The shortcut text of a function: the key of its first effective binding.
#pragma once
#include <windows.h>

// Writes the key text of the first enabled key binding of the function (with
// the parameter for number functions, the argument text for the others) whose
// key no earlier enabled binding takes; 1 when found, else 0 with out
// untouched.
int m_GetBindingKeyName(wchar_t* out, int outSize, int functionId, int parameter,
                        const wchar_t* argumentText);
