// GDI text into ARGB images: anti-aliased text with alpha, measuring by
// the pixels a text really colours (its ink), fitting a text into a box and
// choosing a font height by the ink of digits or capitals. The text members
// of CArgbImage are defined with these.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"

// Fit modes of m_DrawTextBox.
enum {
    TEXTFIT_REFUSE = -1,
    TEXTFIT_OVERFLOW = 0,
    TEXTFIT_WORD_ELLIPSIS = 1,
    TEXTFIT_SQUEEZE = 2,
    TEXTFIT_END_ELLIPSIS = 3,
    TEXTFIT_WORD_ELLIPSIS2 = 4,
    TEXTFIT_PATH_ELLIPSIS = 5,
};

// DrawTextW format of a fit mode: one line, with the mode's ellipsis.
unsigned m_TextFormatOfMode(int mode);

// The cell box of the text in the font on img's DC; 0 without a DC.
int m_MeasureTextDC(const CArgbImage* img, const wchar_t* text, HFONT font, RECT* r);
// The box of the pixels brighter than threshold (at most 254) when the
// text is drawn white from (0, 0): 1, or 0 with an empty box.
int m_GetTextInkRect(const wchar_t* text, HFONT font, RECT* out, int unused, int threshold);

// Draws the text into box by align (0..8, m_AlignRect) and fit mode; ink 0
// measures the cell box, else the ink box; min_percent is the least part
// of a squeezed text that is kept. box receives the rectangle drawn.
// Returns the pixels cut off in the ellipsis modes, else 0.
int m_DrawTextBox(CArgbImage* img, const wchar_t* text, HFONT font, ARGB colour, RECT* box,
                  int align, int fit, int ink, int minPercent);
// m_DrawTextBox with word ellipsis; align 8 centres the text on area
// (null = box) while keeping it inside box.
int m_DrawTextFit(CArgbImage* img, const wchar_t* text, HFONT font, ARGB colour, RECT* box,
                  const RECT* area, int align);

// Sample texts of m_FitFontHeight.
enum { FITFONT_DIGITS = 1, FITFONT_CAPITALS = 2, FITFONT_BOTH = 0 };
// The font height (and, when asked, width) at which the sample's ink is
// pixels tall; ink_origin receives the last ink box's left and top.
// 1, or 0 without a face or with pixels below 1.
int m_FitFontHeight(int unused1, const wchar_t* face, int weight, int pixels, int* height,
                    int* width, int unused2, POINT* inkOrigin, int kind);

// Puts the image on the clipboard as CF_BITMAP for the main window; 1 when
// the clipboard took it.
int m_CopyImageToClipboard(const CArgbImage* img);
