#include "app/HitTests.h"

namespace {

// The corner nearer along a side of the given length, or 0 in between.
int m_NearEnd(LONG pos, LONG from, LONG to)
{
    const LONG reach = (to - from) * 27 / 100;
    if (pos < from + reach) return -1;
    if (pos >= to - reach) return 1;
    return 0;
}

RECT m_Grown(RECT rc)
{
    rc.right += 1;
    rc.bottom += 1;
    return rc;
}

int m_RightPartWidth(int bandWidth, const SFSHITLAYOUT& l)
{
    const int fixed = l.nRightFixed * l.nDpiPercent / 100;
    const int third = bandWidth / 3;
    return third < fixed ? third : fixed;
}

// Inside a band-like rectangle: its right part or the rest.
int m_BandHit(const RECT& rc, POINT pt, const SFSHITLAYOUT& l)
{
    const int width = rc.right - rc.left;
    return pt.x >= rc.right - m_RightPartWidth(width, l) ? FSHIT_BAND_RIGHT : FSHIT_BAND;
}

}  // namespace

int m_CornerHit(int hit, POINT pt, const RECT& rc)
{
    int end;
    switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            end = m_NearEnd(pt.y, rc.top, rc.bottom);
            if (end < 0) return hit == HTLEFT ? HTTOPLEFT : HTTOPRIGHT;
            if (end > 0) return hit == HTLEFT ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
            return hit;
        case HTTOP:
        case HTBOTTOM:
            end = m_NearEnd(pt.x, rc.left, rc.right);
            if (end < 0) return hit == HTTOP ? HTTOPLEFT : HTBOTTOMLEFT;
            if (end > 0) return hit == HTTOP ? HTTOPRIGHT : HTBOTTOMRIGHT;
            return hit;
    }
    return hit;
}

int m_ClassifyFsHit(const SFSHITLAYOUT& l, POINT pt)
{
    const int elsewhere = l.bFileOpen ? FSHIT_VIDEO : FSHIT_NONE;
    if (!l.bFullScreen || l.bOverlayDrag) {
        // A bar that does not exist has no rectangle to grow.
        if (IsRectEmpty(&l.rcStatusBar)) return elsewhere;
        const RECT bar = m_Grown(l.rcStatusBar);
        return PtInRect(&bar, pt) ? m_BandHit(bar, pt, l) : elsewhere;
    }
    const RECT first = m_Grown(l.rcOverlay1);
    if (!IsRectEmpty(&l.rcOverlay1) && PtInRect(&first, pt)) {
        const POINT rel = {pt.x - first.left, pt.y - first.top};
        if (rel.y < l.nBandHeight) return PtInRect(&l.rcButton, rel) ? FSHIT_BUTTON : FSHIT_NONE;
        return m_BandHit(first, pt, l);
    }
    if (PtInRect(&l.rcOverlay2, pt)) return FSHIT_SECOND;
    return elsewhere;
}
