#include <cmath>

#include "base/TextImage.h"
#include "base/WindowMisc.h"

namespace {

// A w x h rectangle placed in box by align.
RECT m_Place(const RECT* box, int w, int h, int align)
{
    int x = box->left, y = box->top;
    m_AlignRect(box, w, h, &x, &y, align);
    return RECT{x, y, x + w, y + h};
}

// The text drawn whole (or cut to p of its width) into a work image of its
// measured size, shrunk into the box.
RECT m_DrawSqueezed(CArgbImage* img, const wchar_t* text, HFONT font, ARGB colour, const RECT* box,
                    const RECT& m, int align, int minPercent)
{
    const int tw = m.right - m.left, th = m.bottom - m.top;
    const int bw = box->right - box->left, bh = box->bottom - box->top;
    const double p = minPercent / 100.0;
    const bool cut = p > double(bw) / tw;
    const int ww = cut ? int(std::floor(tw * p)) : tw;
    CArgbImage work;
    if (ww < 1 || !work.m_Create(img->m_hDC, ww, th, 32))
        return RECT{box->left, box->top, box->left, box->top};
    work.m_DrawTextBlended(text, font, colour, -m.left, -m.top, cut ? ww : 0, 0, 0);
    const int w = tw < bw ? tw : bw, h = th < bh ? th : bh;
    work.m_Resize(w, h, 0);
    const RECT r = m_Place(box, w, h, align);
    img->m_Draw(&work, 1, r.left, r.top);
    return r;
}

}  // namespace

int m_DrawTextBox(CArgbImage* img, const wchar_t* text, HFONT font, ARGB colour, RECT* box,
                  int align, int fit, int ink, int minPercent)
{
    if (!img || !img->m_IsValid() || !text || !box) return 0;
    const int bw = box->right - box->left, bh = box->bottom - box->top;
    if (bw <= 0 || bh <= 0) return 0;
    RECT m = {0, 0, 0, 0};
    if (ink)
        m_GetTextInkRect(text, font, &m, 0, 0);
    else
        m_MeasureTextDC(img, text, font, &m);
    const int tw = m.right - m.left, th = m.bottom - m.top;
    if (fit == TEXTFIT_REFUSE && tw > bw) {
        box->right = box->left;
        return 0;
    }
    if (fit == TEXTFIT_SQUEEZE && tw > bw) {
        *box = m_DrawSqueezed(img, text, font, colour, box, m, align, minPercent);
        return 0;
    }
    if (fit != TEXTFIT_OVERFLOW && tw > bw) {
        const RECT r = m_Place(box, bw, th, align);
        // The measured box's corner lands on the placed corner.
        img->m_DrawTextBlended(text, font, colour, r.left - m.left, r.top - m.top, bw, 0, fit);
        *box = r;
        return tw - bw;
    }
    const RECT r = m_Place(box, tw, th, align);
    if (tw > 0 && th > 0)
        img->m_DrawTextBlended(text, font, colour, r.left - m.left, r.top - m.top, 0, 0, 0);
    *box = r;
    return 0;
}

int m_DrawTextFit(CArgbImage* img, const wchar_t* text, HFONT font, ARGB colour, RECT* box,
                  const RECT* area, int align)
{
    if (!box) return 0;
    if (align != ALIGN_CENTER_MIDDLE)
        return m_DrawTextBox(img, text, font, colour, box, align, TEXTFIT_WORD_ELLIPSIS, 0, 0);
    if (box->right <= box->left || box->bottom <= box->top) return 0;
    RECT m;
    if (!m_MeasureTextDC(img, text, font, &m)) return 0;
    const RECT* a = area ? area : box;
    const int tw = m.right - m.left;
    int x =
        int(std::floor(std::floor((a->right - a->left) * 0.5 + a->left + 0.5) - (tw * 0.5 + 0.5)));
    if (x + tw > box->right) x = box->right - tw;
    if (x < box->left) x = box->left;
    RECT narrowed = {x, box->top, x + tw < box->right ? x + tw : box->right, box->bottom};
    m_DrawTextBox(img, text, font, colour, &narrowed, ALIGN_LEFT_MIDDLE, TEXTFIT_WORD_ELLIPSIS, 0,
                  0);
    *box = narrowed;
    return 0;
}
