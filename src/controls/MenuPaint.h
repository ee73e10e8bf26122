// Painting steps of a popup that its input handling drives from timers.
#pragma once
#include <windows.h>

class CMenuPlus;

// Dirty bits of a popup: the content image, the window picture.
enum { MENUDIRTY_CONTENT = 1, MENUDIRTY_PICTURE = 2 };

// Draws the items first..last into the content and overlay images unless
// they are drawn already; the drawn items stay one run.
void m_MenuDrawItems(CMenuPlus& p, int first, int last);
// Draws the items of the visible band that are not drawn yet.
void m_MenuDrawVisibleItems(CMenuPlus& p);
// One step of the highlight fades (timer 9); false when they are done.
bool m_MenuStepHighlights(CMenuPlus& p);
// Starts the scroll bar's fade after a hover change (first step at once).
void m_MenuStartScrollBarFade(CMenuPlus& p);
// One step of the scroll bar's fade (timer 10); false when it is done.
bool m_MenuStepScrollBarFade(CMenuPlus& p);
// The rectangle the highlight of an item in a selection state covers,
// in content coordinates.
RECT m_MenuHighlightRect(const CMenuPlus& p, int index, UINT state);
// Radius of the popup's rounded shapes: row height / (row height + 2 x
// padding) x the shadow size in pixels; 0 without a shadow.
double m_MenuCornerFactor(const CMenuPlus& p);
// Left and top of the drawn rectangle inside the window picture.
POINT m_MenuBodyOrigin(const CMenuPlus& p);
