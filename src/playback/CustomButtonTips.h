// The tooltips of the six custom control-bar buttons, made from the
// bindings of their left and right clicks.
#pragma once
#include <windows.h>

#include "app/MouseCodes.h"

constexpr int kBindingTextCap = 64;
constexpr int kCustomButtonTipCap = 256;

// The description of the first enabled binding of the mouse input code:
// function name, parameter and key name; 1 when there is one, else 0.
int m_Binding_Describe(wchar_t out[kBindingTextCap], int inputCode);
// The tip of custom button n from its left and right descriptions (null:
// unbound); tipOn puts the button's own name first.
void m_CustomButton_TipText(wchar_t* out, int size, int n, int tipOn, const wchar_t* left,
                            const wchar_t* right);
// Renews the six buttons' tools and draws each enabled when it is bound.
void m_CustomButton_UpdateTooltips();
