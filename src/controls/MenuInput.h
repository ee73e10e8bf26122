// Steps of a popup's input handling shared by its mouse, key and timer code.
#pragma once
#include <windows.h>

class CMenuPlus;

// Timer of the cursor nudge after a long press (beside the popup's own ids).
constexpr UINT_PTR kMenuTimerNudge = 15;

// Scrolls to the offset (held within the range): by timer 8 steps with
// smooth scrolling, else at once.
void m_MenuScrollTo(CMenuPlus& p, int offset, bool smooth);
// One smooth-scroll step (timer 8); false when the target is reached.
bool m_MenuScrollStep(CMenuPlus& p);
// Hit-tests the cursor again and announces a changed selection.
void m_MenuRehover(CMenuPlus& p);
// Ends the chain's tracking without a choice (result -1).
void m_MenuEndWithoutChoice(CMenuPlus& p);
// Pixels between the tops of two adjacent command rows.
int m_MenuRowPitch(const CMenuPlus& p);
// Content y of local y (the drawn rectangle's top is 0).
int m_MenuContentY(const CMenuPlus& p, int localY);
// The point in client coordinates as local coordinates of the drawn rectangle.
POINT m_MenuLocalPoint(const CMenuPlus& p, POINT client);
